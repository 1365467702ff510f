// File and print dialogs; answered by the test seam when it is active.
#include "platform/Dialogs.h"

#include "platform/Printers.h"
#include "platform/TestSeam.h"
#include "platform/internal/Bridge.h"
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace {

std::vector<AnsiString> Split(const AnsiString& s, char sep) {
    std::vector<AnsiString> parts;
    size_t start = 0;
    for (;;) {
        size_t p = s.find(sep, start);
        parts.push_back(s.substr(start, p == AnsiString::npos ? AnsiString::npos : p - start));
        if (p == AnsiString::npos) return parts;
        start = p + 1;
    }
}

bool SameText(const AnsiString& a, const AnsiString& b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

AnsiString Extension(const AnsiString& path) {
    size_t slash = path.rfind('/');
    size_t dot = path.rfind('.');
    if (dot == AnsiString::npos || (slash != AnsiString::npos && dot < slash)) return {};
    return path.substr(dot + 1);
}

} // namespace

namespace wyx {

// "Text|*.r2|All files|*.*" -> "Text (*.r2);;All files (*)".
QString FilterToQt(const AnsiString& filter) {
    std::vector<AnsiString> parts = Split(filter, '|');
    QStringList out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const auto& p : Split(parts[i + 1], ';'))
            patterns << (p == "*.*" ? QString("*") : wyx::ToQt(p, ANSI_CHARSET));
        out << wyx::ToQt(parts[i], ANSI_CHARSET) + " (" + patterns.join(' ') + ")";
    }
    return out.join(";;");
}

// The type list shows each description exactly as the filter gives it (a description that
// names its pattern shows it once); the pattern in parentheses only selects the files.
void SetDialogFilter(QFileDialog& dialog, const AnsiString& filter) {
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(FilterToQt(filter));
}

QAbstractPrintDialog::PrintDialogOptions PrintDialogOptions() {
    return QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
           QAbstractPrintDialog::PrintCollateCopies;
}

// The chosen name with the default extension added when it has none.
AnsiString WithDefaultExt(const AnsiString& path, const AnsiString& ext) {
    if (ext.empty() || !Extension(path).empty()) return path;
    return path + "." + ext;
}

} // namespace wyx

using namespace wyx;

bool TFileDialog::Execute() {
    extDifferent_ = false;
    AnsiString chosen;
    DialogSeam& seam = TestSeam();
    if (seam.Active) {
        seam.FileDialogTitles.push_back(Title);
        if (seam.FileDialogAnswers.empty()) return false;
        std::optional<AnsiString> answer = seam.FileDialogAnswers.front();
        seam.FileDialogAnswers.pop_front();
        if (!answer) return false;
        chosen = *answer;
    } else {
        QString dir = QString::fromLocal8Bit(InitialDir.c_str());
        if (!FileName.empty()) {
            QFileInfo f(QString::fromLocal8Bit(FileName.c_str()));
            dir = f.isAbsolute() ? f.absoluteFilePath() : dir + "/" + f.filePath();
        }
        QFileDialog dialog(QApplication::activeWindow(), wyx::ToQt(Title, ANSI_CHARSET), dir);
        SetDialogFilter(dialog, Filter);
        dialog.setAcceptMode(IsSave() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(IsSave() ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!DefaultExt.empty())
            dialog.setDefaultSuffix(QString::fromLocal8Bit(DefaultExt.c_str()));
        if (auto* save = dynamic_cast<TSaveDialog*>(this); save && !save->OverwritePrompt)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        chosen = dialog.selectedFiles().front().toLocal8Bit().toStdString();
    }
    FileName = WithDefaultExt(chosen, DefaultExt);
    extDifferent_ = !DefaultExt.empty() && !SameText(Extension(FileName), DefaultExt);
    return true;
}

bool TPrintDialog::Execute() {
    DialogSeam& seam = TestSeam();
    if (seam.Active) {
        if (seam.PrintDialogAnswers.empty()) return false;
        bool answer = seam.PrintDialogAnswers.front();
        seam.PrintDialogAnswers.pop_front();
        return answer;
    }
    // The default options: printer, copies and collation; no page range, selection or
    // current page, so the whole document is printed as the dialog promises.
    QPrinter* printer = PrinterDevice();
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFromTo(0, 0);
    QPrintDialog dialog(printer, QApplication::activeWindow());
    dialog.setOptions(PrintDialogOptions());
    if (dialog.exec() != QDialog::Accepted) return false;
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFromTo(0, 0);
    return true;
}
