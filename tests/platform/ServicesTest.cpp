#include "Helpers.h"
#include "platform/Clipbrd.h"
#include "platform/ComCtrls.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Printers.h"
#include "platform/internal/Bridge.h"
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QMimeData>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>

TEST(FileDialog, SeamAnswersAddTheDefaultExtensionAndTellADifferentOne) {
    TOpenDialog open(nullptr);
    open.Title = "Open";
    open.DefaultExt = "r2";
    TestSeam().FileDialogAnswers = {"/tmp/doc", "/tmp/doc.R2", "/tmp/doc.txt", std::nullopt};
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName, "/tmp/doc.r2");
    EXPECT_FALSE(open.ExtensionDifferent());
    ASSERT_TRUE(open.Execute());
    EXPECT_FALSE(open.ExtensionDifferent()); // case does not matter
    ASSERT_TRUE(open.Execute());
    EXPECT_TRUE(open.ExtensionDifferent());
    EXPECT_FALSE(open.Execute());
    EXPECT_FALSE(open.Execute()); // no answer left: cancelled
    EXPECT_EQ(TestSeam().FileDialogTitles.size(), 5u);
    EXPECT_EQ(wyx::WithDefaultExt("/a.b/name", "r2"), "/a.b/name.r2");
}

TEST(FileDialog, FilterBecomesQtFilter) {
    EXPECT_EQ(wyx::FilterToQt("Wyx files (*.r2)|*.r2|All files|*.*"),
              "Wyx files (*.r2) (*.r2);;All files (*)");
    EXPECT_EQ(wyx::FilterToQt("Text|*.txt;*.r2"), "Text (*.txt *.r2)");
}

// The type list shows each description as written: one naming its pattern shows it once.
TEST(FileDialog, TypeListShowsTheDescriptionsAsWritten) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    wyx::SetDialogFilter(dialog, "WYX-R2 Files(*.r2)|*.r2|All files|*.*");
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->itemText(0).toStdString(), "WYX-R2 Files(*.r2)");
    EXPECT_EQ(types->itemText(1).toStdString(), "All files");
}

TEST(PrintDialog, SeamAnswers) {
    TPrintDialog dialog(nullptr);
    TestSeam().PrintDialogAnswers = {true};
    EXPECT_TRUE(dialog.Execute());
    EXPECT_FALSE(dialog.Execute());
}

TEST(Printer, SeamRecordsTextPerPage) {
    TPrinter* p = Printer();
    TestSeam().PrinterCount = 0;
    EXPECT_EQ(p->PrinterCount(), 0);
    EXPECT_THROW(p->TextOut(0, 0, "x"), Exception);
    p->BeginDoc();
    EXPECT_TRUE(p->Printing());
    p->TextOut(10, 20, "Memory");
    p->NewPage();
    p->TextOut(10, 20, "VFO");
    p->EndDoc();
    EXPECT_FALSE(p->Printing());
    ASSERT_EQ(TestSeam().Printed.size(), 2u);
    EXPECT_EQ(TestSeam().Printed[1].Page, 2);
    EXPECT_EQ(TestSeam().Printed[1].Text, "VFO");
    EXPECT_GT(p->PageHeight(), p->PageWidth());
    p->CanvasFont().Height = -40;
    EXPECT_GE(p->TextHeight("Ag"), 40);
    EXPECT_GT(p->TextWidth("WWWW"), p->TextWidth("W"));
}

TEST(Clipboard, PrivateFormatCarriesBytesUnchanged) {
    unsigned f = RegisterClipboardFormat("CF_WYX");
    EXPECT_EQ(RegisterClipboardFormat("cf_wyx"), f);
    EXPECT_NE(RegisterClipboardFormat("OTHER"), f);
    const std::string record = std::string("MEMORY\t000\t\xE9\x01", 12) + '\0' + "end";
    Clipboard()->SetData(f, record);
    EXPECT_TRUE(Clipboard()->HasFormat(f));
    EXPECT_EQ(Clipboard()->GetData(f), record);
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat("application/x-wyx-cf-wyx"));
    QApplication::clipboard()->setText("plain");
    EXPECT_FALSE(Clipboard()->HasFormat(f));
    EXPECT_FALSE(Clipboard()->GetData(f).has_value());
    EXPECT_FALSE(Clipboard()->HasFormat(12345));
    Clipboard()->SetData(f, "x");
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(f));
}

namespace {
const char* const kRed[] = {"2 2 1 1", "r c #FF0000", "rr", "rr"};
const char* const kBlue[] = {"2 2 1 1", "b c #0000FF", "bb", "bb"};
} // namespace

TEST(Image, XpmPicturesCanBeToldApart) {
    TForm form(nullptr);
    auto* a = new TImage(&form);
    a->LoadXpm(kRed);
    int w = 0, h = 0;
    auto red = a->PixelsArgb(&w, &h);
    EXPECT_EQ(w, 2);
    EXPECT_EQ(h, 2);
    ASSERT_EQ(red.size(), 4u);
    EXPECT_EQ(red[0], 0xFFFF0000u);
    a->LoadXpm(kBlue);
    EXPECT_NE(a->PixelsArgb(), red);
    a->Clear();
    EXPECT_TRUE(a->PixelsArgb().empty());
    auto* b = new TSpeedButton(&form);
    b->LoadGlyphXpm(kRed);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    QTest::mouseClick(b->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(Help, SeamDecidesAndAMissingFileIsFalse) {
    TestSeam().HelpAvailable = true;
    EXPECT_TRUE(Application->HelpContents());
    TestSeam().Active = false;
    Application->HelpFile = "/nonexistent/Wyx-r2.hlp";
    EXPECT_FALSE(Application->HelpContents());
    TestSeam().Active = true;
}

TEST(FileDialog, RealDialogGetsTheFilterAndAddsTheExtension) {
    TestSeam().Active = false;
    TSaveDialog save(nullptr);
    save.Filter = "WYX-R2 Files(*.r2)|*.r2";
    save.DefaultExt = "r2";
    save.Title = "Save As";
    save.InitialDir = "/tmp";
    QStringList filters;
    QString title;
    std::function<void()> answer = [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d) {
            QTimer::singleShot(10, answer);
            return;
        }
        filters = d->nameFilters();
        title = d->windowTitle();
        d->selectFile("/tmp/wyx-dialog-test");
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    };
    QTimer::singleShot(10, answer);
    ASSERT_TRUE(save.Execute());
    TestSeam().Active = true;
    EXPECT_EQ(title, "Save As");
    EXPECT_EQ(filters, QStringList{"WYX-R2 Files(*.r2) (*.r2)"});
    EXPECT_EQ(save.FileName, "/tmp/wyx-dialog-test.r2");
    EXPECT_FALSE(save.ExtensionDifferent());
}

TEST(ApplicationActivation, RunsTheHandlerInTheGuard) {
    int runs = 0;
    Application->OnActivate = [&](TObject*) {
        ++runs;
        throw Exception("paste check failed");
    };
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    Application->OnActivate = nullptr;
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(TestSeam().MessageBoxes.size(), 1u);
}
