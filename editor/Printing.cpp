// The print command: the whole document as a plain listing on the chosen printer.
#include "editor/MainForm.h"
#include "editor/PrintReport.h"
#include "platform/Charset.h"
#include "platform/Printers.h"

void TMainForm::Print1Click(TObject*) {
    TPrinter* printer = Printer();
    if (printer->PrinterCount() == 0) {
        Application->MessageBox("There is no default printer.", TitleBase, MB_OK | MB_ICONWARNING);
        return;
    }
    if (!PrintDialog1->Execute()) return;

    const std::vector<ReportLine> lines = BuildPrintReport(*this, Caption(), Edit2->Text());
    printer->Title = TitleBase;
    printer->BeginDoc();
    try {
        const int lineHeight = printer->PageHeight() / PrintLayout::LinesPerPage;
        printer->CanvasFont().Height = lineHeight - 5;
        // The listing's bytes are in the document's character set, as on the screen; the header
        // on line 0 of each page is the window's caption, which shows the file name as the file
        // system spells it.
        const int charset = RegionDigit() == '0' ? SHIFTJIS_CHARSET : ANSI_CHARSET;
        int page = 1;
        for (const ReportLine& line : lines) {
            for (; page < line.Page; ++page)
                printer->NewPage();
            printer->CanvasFont().Charset = line.Line == 0 ? DEFAULT_CHARSET : charset;
            printer->TextOut(PrintLayout::LeftEdge, line.Line * lineHeight, line.Text);
        }
        printer->EndDoc();
    } catch (...) {
        // A failed job is dropped so the next print command can start afresh.
        printer->Abort();
        throw;
    }
}
