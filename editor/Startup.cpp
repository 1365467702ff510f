#include "editor/Startup.h"
#include "editor/AboutBox.h"
#include "editor/CallDialog.h"
#include "editor/DtmfDialog.h"
#include "editor/MainForm.h"
#include "editor/MemoryDialog.h"
#include "editor/Setup.h"
#include "editor/SortDialog.h"
#include "editor/VfoDialog.h"
#include "editor/Welcome.h"
#include "transfer/ReadForm.h"
#include "transfer/WriteForm.h"

void InitialiseApplication() {
    Application->Title = MainFormText::Title;
    Application->HelpFile = "Wyx-r2.hlp";
}

void CreateProgramForms() {
    // Owned by the application; the main window's constructor shows it on a first run.
    Setup = new TSetup(Application);
    Application->CreateForm(MainForm);
    Application->CreateForm(Welcome);
    Application->CreateForm(Memory);
    Application->CreateForm(VFO);
    Application->CreateForm(CALL);
    Application->CreateForm(DTMF);
    Application->CreateForm(ReadForm);
    Application->CreateForm(WriteForm);
    Application->CreateForm(AboutBox);
    Application->CreateForm(Sort);
    Application->CreateForm(Setup);
}
