// The default printer. With the test seam active, text is recorded instead of printed and
// the page is a fixed A4 sheet at 600 dots per inch.
#include "platform/Printers.h"

#include "platform/TestSeam.h"
#include "platform/internal/Bridge.h"
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
constexpr int kSeamPageWidth = 4961, kSeamPageHeight = 7016;
}

namespace wyx {
QPrinter* PrinterDevice() {
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return printer;
}
} // namespace wyx

struct TPrinter::Impl {
    std::unique_ptr<QPainter> painter;
    bool printing = false;
    int page = 0;
};

TPrinter::TPrinter() : impl_(std::make_unique<Impl>()) {}

TPrinter::~TPrinter() = default;

int TPrinter::PrinterCount() const {
    if (TestSeam().Active) return TestSeam().PrinterCount;
    return static_cast<int>(QPrinterInfo::availablePrinters().size());
}

namespace {
QFont PrinterFont(const TPrinterCanvasFont& f) {
    QFont q(QString::fromStdString(f.Name));
    int h = f.Height < 0 ? -f.Height : std::max(1, f.Height * 4 / 5);
    q.setPixelSize(std::max(1, h));
    q.setBold(f.Style & 1);
    q.setItalic(f.Style & 2);
    q.setUnderline(f.Style & 4);
    return q;
}
} // namespace

void TPrinter::BeginDoc() {
    if (impl_->printing) throw Exception("Printing in progress.");
    impl_->page = 1;
    if (TestSeam().Active) {
        impl_->printing = true;
        return;
    }
    QPrinter* printer = wyx::PrinterDevice();
    printer->setDocName(wyx::ToQt(Title, DEFAULT_CHARSET));
    impl_->painter = std::make_unique<QPainter>();
    if (!impl_->painter->begin(printer)) {
        impl_->painter.reset();
        throw Exception("The printer could not be started.");
    }
    impl_->printing = true;
}

void TPrinter::EndDoc() {
    if (!impl_->printing) return;
    impl_->printing = false;
    if (impl_->painter) impl_->painter->end();
    impl_->painter.reset();
}

void TPrinter::Abort() {
    if (!impl_->printing) return;
    impl_->printing = false;
    if (impl_->painter) {
        wyx::PrinterDevice()->abort();
        impl_->painter->end();
    }
    impl_->painter.reset();
}

void TPrinter::NewPage() {
    if (!impl_->printing) return;
    ++impl_->page;
    if (impl_->painter) wyx::PrinterDevice()->newPage();
}

bool TPrinter::Printing() const {
    return impl_->printing;
}

int TPrinter::PageHeight() const {
    if (TestSeam().Active) return kSeamPageHeight;
    QPrinter* p = wyx::PrinterDevice();
    return p->pageLayout().paintRectPixels(p->resolution()).height();
}

int TPrinter::PageWidth() const {
    if (TestSeam().Active) return kSeamPageWidth;
    QPrinter* p = wyx::PrinterDevice();
    return p->pageLayout().paintRectPixels(p->resolution()).width();
}

int TPrinter::PageNumber() const {
    return impl_->page;
}

void TPrinter::TextOut(int x, int y, const AnsiString& text) {
    if (!impl_->printing) throw Exception("Printer is not printing.");
    const QString shown = wyx::ToQt(text, font_.Charset);
    if (TestSeam().Active) {
        TestSeam().Printed.push_back({impl_->page, x, y, text, shown.toStdString()});
        return;
    }
    QPainter& p = *impl_->painter;
    p.setFont(PrinterFont(font_));
    QFontMetrics m(p.font(), p.device());
    p.drawText(x, y + m.ascent(), shown);
}

int TPrinter::TextHeight(const AnsiString&) const {
    QFont f = PrinterFont(font_);
    if (impl_->painter) return QFontMetrics(f, impl_->painter->device()).height();
    return QFontMetrics(f).height();
}

int TPrinter::TextWidth(const AnsiString& text) const {
    QFont f = PrinterFont(font_);
    QString s = wyx::ToQt(text, font_.Charset);
    if (impl_->painter) return QFontMetrics(f, impl_->painter->device()).horizontalAdvance(s);
    return QFontMetrics(f).horizontalAdvance(s);
}

TPrinter* Printer() {
    static TPrinter printer;
    return &printer;
}
