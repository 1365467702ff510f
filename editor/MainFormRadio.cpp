// Reading the whole radio into the document and writing the document into the radio.
#include "editor/MainForm.h"
#include "transfer/ReadForm.h"
#include "transfer/WriteForm.h"

void TMainForm::Read1Click(TObject*) {
    if (!ReadForm || !ReadForm->QComm1->CheckCommportValid(CommPortName)) {
        Application->MessageBox("COM port is invalid.\nPlease check comport status.", TitleBase,
                                MB_OK | MB_ICONWARNING);
        return;
    }
    if (!QuerySaveChanges()) return;

    // The read fills a document of its own. One that does not reach its end (invalid radio,
    // time-out, cancel, serial error) leaves this one, its name, caption, layout and settings
    // as they were.
    if (ReadForm->ShowModal() != mrOk) return;

    TakeSlots(ReadForm->ReadDocument);
    DocumentName = MainFormText::Untitled;
    SetCaption(TitleBase + " [Radio]");
    LayoutGrids();
    ApplyRadioTypeToControls();
    RefreshAllControls();
    CheckLoadedValues();
    StoreTypeAndLimits();
    // The document now holds what the radio sent: the controls writing their values back
    // during the refresh is no change by the user.
    ModifiedFlag = 0;
}

void TMainForm::Write1Click(TObject*) {
    if (!WriteForm || !WriteForm->QComm1->CheckCommportValid(CommPortName)) {
        Application->MessageBox("COM port is invalid.\nPlease check and try again.", TitleBase,
                                MB_OK | MB_ICONWARNING);
        return;
    }
    if (Application->MessageBox("Do you want to write the data to the radio?", TitleBase,
                                MB_YESNO | MB_ICONQUESTION) == IDYES)
        WriteForm->ShowModal();
}
