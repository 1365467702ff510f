// Lets tests answer message boxes and file/print dialogs and record every box shown, with no
// display and no waiting. Inactive (real dialogs) unless a test activates it.
#pragma once
#include "platform/System.h"
#include <deque>
#include <optional>

struct ShownMessageBox {
    AnsiString Text;
    AnsiString Caption;
    int Flags = 0;
    std::string ShownText, ShownCaption; // what the box shows, in UTF-8
};

struct DialogSeam {
    // What Active starts as (and returns to on Reset); test programs set it to true.
    static inline bool ActiveByDefault = false;
    bool Active = ActiveByDefault;
    // Answers for the next message boxes in order; when empty: IDOK for OK boxes, IDCANCEL
    // for Yes/No/Cancel, IDNO for Yes/No.
    std::deque<int> MessageBoxAnswers;
    std::vector<ShownMessageBox> MessageBoxes;
    // Answers for the next file dialogs: a path chooses it, nullopt cancels.
    std::deque<std::optional<AnsiString>> FileDialogAnswers;
    std::vector<AnsiString> FileDialogTitles;
    std::deque<bool> PrintDialogAnswers; // empty: cancel
    // Called instead of running a modal form's loop when set; returns the modal result.
    std::function<int(class TForm*)> OnShowModal;
    // Printed text recorded instead of printing when Active: one entry per TextOut.
    struct PrintedText {
        int Page, X, Y;
        AnsiString Text;
        std::string Shown; // the characters drawn, in UTF-8
    };
    std::vector<PrintedText> Printed;
    int PrinterCount = 1;
    bool HelpAvailable = false;

    void Reset() { *this = DialogSeam(); }
};

DialogSeam& TestSeam();
