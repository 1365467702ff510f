// Page control and tab sheets, status bar, progress bar, up-down buttons, speed button.
#include "platform/ComCtrls.h"

#include "platform/internal/Bridge.h"
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

using namespace wyx;

namespace {

class StatusWidget : public QWidget {
  public:
    explicit StatusWidget(const TStatusBar* bar) : bar_(bar) { setProperty("wyxDockBottom", true); }
    int charset = 0;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        for (int i = 0; i < bar_->PanelCount(); ++i) {
            const TStatusPanel& panel = bar_->Panel(i);
            QRect r(bar_->PanelLeft(i), 2, bar_->PanelShownWidth(i) - 2, height() - 2);
            p.setPen(palette().color(QPalette::Mid));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(palette().color(QPalette::WindowText));
            int align = panel.Alignment == taCenter         ? Qt::AlignHCenter
                        : panel.Alignment == taRightJustify ? Qt::AlignRight
                                                            : Qt::AlignLeft;
            p.drawText(r.adjusted(2, 0, -2, 0), align | Qt::AlignVCenter,
                       ToQt(panel.Text, charset));
        }
    }

  private:
    const TStatusBar* bar_;
};

class UpDownWidget : public QWidget {
  public:
    UpDownWidget() : up(new QToolButton(this)), down(new QToolButton(this)) {
        up->setArrowType(Qt::UpArrow);
        down->setArrowType(Qt::DownArrow);
        for (auto* b : {up, down}) {
            b->setAutoRepeat(true);
            b->setFocusPolicy(Qt::NoFocus);
        }
    }
    QToolButton* up;
    QToolButton* down;

  protected:
    void resizeEvent(QResizeEvent*) override { Arrange(); }

  public:
    void Arrange() {
        int half = height() / 2;
        up->setGeometry(0, 0, width(), half);
        down->setGeometry(0, half, width(), height() - half);
    }
};

} // namespace

// ---- TTabSheet

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner, new QWidget) {}

TTabSheet::~TTabSheet() {
    if (pc_) pc_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pc) {
    if (pc == pc_) return;
    if (pc_) pc_->RemovePage(this);
    pc_ = pc;
    parent_ = pc;
    if (pc_)
        pc_->AddPage(this);
    else
        SetParent(nullptr);
}

void TTabSheet::SetTabVisible(bool v) {
    tabVisible_ = v;
    if (pc_) pc_->UpdateTab(this);
}

int TTabSheet::PageIndex() const {
    if (!pc_) return -1;
    for (int i = 0; i < pc_->PageCount(); ++i)
        if (pc_->Pages(i) == this) return i;
    return -1;
}

void TTabSheet::CaptionChanged() {
    if (pc_) pc_->UpdateTab(this);
}

QWidget* TTabSheet::ClientWidget() const {
    return widget_;
}

void TTabSheet::ApplyVisible() {
    if (!pc_) TWinControl::ApplyVisible(); // inside a page control the tabs decide
}

// ---- TPageControl

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner, new QTabWidget) {
    widget_->resize(289, 193);
    auto* tabs = static_cast<QTabWidget*>(widget_);
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this](int) {
        if (switching_) return;
        Guarded([this] {
            if (OnChange) OnChange(this);
        });
    });
    // Keys and clicks on the tabs are the page control's own (hooked before the gate below,
    // so the gate sees a click first).
    QTabBar* bar = tabs->tabBar();
    HookWidget(this, bar, widget_);
    // A click on another tab asks OnChanging first, which may refuse the switch.
    class TabGate : public QObject {
      public:
        TabGate(TPageControl* pc, QTabBar* bar) : QObject(bar), pc_(pc), bar_(bar) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() != QEvent::MouseButtonPress || !pc_->OnChanging) return false;
            int i = bar_->tabAt(static_cast<QMouseEvent*>(e)->position().toPoint());
            if (i < 0 || i == bar_->currentIndex()) return false;
            bool allow = true;
            Guarded([&] { pc_->OnChanging(pc_, allow); });
            return !allow;
        }

      private:
        TPageControl* pc_;
        QTabBar* bar_;
    };
    bar->installEventFilter(new TabGate(this, bar));
}

TPageControl::~TPageControl() {
    switching_ = true; // no change events while the pages leave
    for (auto* p : pages_) {
        p->pc_ = nullptr;
        p->parent_ = nullptr;
        p->Widget()->hide();
        p->Widget()->setParent(nullptr);
    }
    pages_.clear();
}

void TPageControl::AddPage(TTabSheet* p) {
    auto* tabs = static_cast<QTabWidget*>(widget_);
    pages_.push_back(p);
    switching_ = true;
    int i = tabs->addTab(p->Widget(), CaptionToQt(p->Caption(), p->Font().Charset()));
    tabs->setTabVisible(i, p->TabVisible());
    switching_ = false;
}

void TPageControl::RemovePage(TTabSheet* p) {
    auto it = std::find(pages_.begin(), pages_.end(), p);
    if (it == pages_.end()) return;
    auto* tabs = static_cast<QTabWidget*>(widget_);
    switching_ = true;
    tabs->removeTab(static_cast<int>(it - pages_.begin()));
    switching_ = false;
    pages_.erase(it);
}

void TPageControl::UpdateTab(TTabSheet* p) {
    int i = p->PageIndex();
    if (i < 0) return;
    auto* tabs = static_cast<QTabWidget*>(widget_);
    switching_ = true;
    tabs->setTabText(i, CaptionToQt(p->Caption(), p->Font().Charset()));
    tabs->setTabVisible(i, p->TabVisible());
    switching_ = false;
}

TTabSheet* TPageControl::ActivePage() const {
    int i = static_cast<QTabWidget*>(widget_)->currentIndex();
    return i >= 0 && i < PageCount() ? pages_[static_cast<size_t>(i)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* p) {
    if (p && p->PageControl() == this) SetActivePageIndex(p->PageIndex());
}

int TPageControl::ActivePageIndex() const {
    TTabSheet* p = ActivePage();
    return p ? p->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int i) {
    auto* tabs = static_cast<QTabWidget*>(widget_);
    if (i < 0 || i >= PageCount() || i == tabs->currentIndex()) return;
    switching_ = true;
    tabs->setCurrentIndex(i);
    switching_ = false;
    if (OnChange) OnChange(this);
}

void TPageControl::SelectNextPage(bool forward) {
    int n = PageCount();
    int current = ActivePageIndex();
    int next = -1;
    for (int step = 1; step < n && next < 0; ++step) {
        int i = ((forward ? current + step : current - step) % n + n) % n;
        if (pages_[static_cast<size_t>(i)]->TabVisible()) next = i;
    }
    if (next < 0) return;
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    // A focus on the page that goes out of view stays in the page control, on its tabs.
    QWidget* focus = QApplication::focusWidget();
    if (TTabSheet* page = ActivePage(); focus && page && page->Widget()->isAncestorOf(focus))
        widget_->setFocus(Qt::OtherFocusReason);
    SetActivePageIndex(next);
}

bool TPageControl::DialogKey(uint16_t key, TShiftState shift) {
    if ((shift & (ssCtrl | ssAlt)) != ssCtrl) return false;
    if (key == VK_TAB)
        SelectNextPage(!(shift & ssShift));
    else if (key == VK_NEXT || key == VK_PRIOR)
        SelectNextPage(key == VK_NEXT);
    else
        return false;
    return true;
}

// ---- TStatusBar

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner, new StatusWidget(this)) {
    widget_->resize(widget_->width(), 19);
    if (QWidget* p = widget_->parentWidget())
        widget_->setGeometry(0, p->height() - 19, p->width(), 19);
}

void TStatusBar::AddPanel(int width, TAlignment alignment) {
    panels_.push_back(TStatusPanel{{}, width, alignment});
    Repaint();
}

AnsiString TStatusBar::PanelText(int i) const {
    return i >= 0 && i < PanelCount() ? panels_[static_cast<size_t>(i)].Text : AnsiString();
}

void TStatusBar::SetPanelText(int i, const AnsiString& text) {
    if (i < 0 || i >= PanelCount()) return;
    panels_[static_cast<size_t>(i)].Text = text;
    Repaint();
}

int TStatusBar::PanelLeft(int i) const {
    int x = 0;
    for (int k = 0; k < i && k < PanelCount(); ++k)
        x += panels_[static_cast<size_t>(k)].Width;
    return x;
}

int TStatusBar::PanelShownWidth(int i) const {
    if (i < 0 || i >= PanelCount()) return 0;
    int w = panels_[static_cast<size_t>(i)].Width;
    return i + 1 == PanelCount() ? std::max(w, Width() - PanelLeft(i)) : w;
}

void TStatusBar::FontChanged() {
    TWinControl::FontChanged();
    static_cast<StatusWidget*>(widget_)->charset = font_.Charset();
    Repaint();
}

void TStatusBar::Repaint() {
    widget_->update();
}

// ---- TProgressBar

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner, new QProgressBar) {
    widget_->resize(150, 16);
    auto* bar = static_cast<QProgressBar*>(widget_);
    bar->setTextVisible(false);
    bar->setRange(min_, max_);
    bar->setValue(pos_);
}

void TProgressBar::SetMin(int v) {
    min_ = v;
    if (max_ < min_) max_ = min_;
    SetPosition(pos_);
}

void TProgressBar::SetMax(int v) {
    max_ = v;
    if (min_ > max_) min_ = max_;
    SetPosition(pos_);
}

void TProgressBar::SetPosition(int v) {
    pos_ = std::max(min_, std::min(v, max_));
    auto* bar = static_cast<QProgressBar*>(widget_);
    bar->setRange(min_, max_);
    bar->setValue(pos_);
}

// ---- TUpDown

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner, new UpDownWidget) {
    auto* w = static_cast<UpDownWidget*>(widget_);
    w->resize(16, 24);
    w->Arrange();
    HookWidget(this, w->up, w);
    HookWidget(this, w->down, w);
    QObject::connect(w->up, &QToolButton::clicked, w,
                     [this] { Guarded([this] { Press(btNext); }); });
    QObject::connect(w->down, &QToolButton::clicked, w,
                     [this] { Guarded([this] { Press(btPrev); }); });
}

void TUpDown::SetMin(int v) {
    min_ = v;
    SetPosition(pos_);
}

void TUpDown::SetMax(int v) {
    max_ = v;
    SetPosition(pos_);
}

void TUpDown::SetPosition(int v) {
    int lo = std::min(min_, max_), hi = std::max(min_, max_);
    pos_ = std::max(lo, std::min(v, hi));
}

void TUpDown::Press(TUDBtnType button) {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    int lo = std::min(min_, max_), hi = std::max(min_, max_);
    int step = std::max(1, Increment);
    int next = button == btNext ? pos_ + step : pos_ - step;
    if (next > hi) next = Wrap ? lo : hi;
    if (next < lo) next = Wrap ? hi : lo;
    pos_ = next;
    if (OnClickButton) OnClickButton(this, button);
}

void TUpDown::GeometryChanged() {
    static_cast<UpDownWidget*>(widget_)->Arrange();
}

// ---- TSpeedButton

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner, new QToolButton) {
    widget_->resize(23, 22);
    auto* b = static_cast<QToolButton*>(widget_);
    b->setAutoRaise(Flat);
    b->setFocusPolicy(Qt::NoFocus);
    QObject::connect(b, &QToolButton::clicked, b, [this] { Guarded([this] { Click(); }); });
}

void TSpeedButton::LoadGlyphXpm(const char* const* xpm) {
    QPixmap pm(xpm);
    auto* b = static_cast<QToolButton*>(widget_);
    b->setIcon(QIcon(pm));
    b->setIconSize(pm.size());
    b->setAutoRaise(Flat);
}

void TSpeedButton::Click() {
    if (OnClick) OnClick(this);
}
