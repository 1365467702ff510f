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

void InitialiseApplication(const TProgramVariant& Program) {
    Application->Title = Program.Title;
    Application->HelpFile = "Wyx-r2.hlp";
}

void CreateProgramForms(const TProgramVariant& Program) {
    // Owned by the application; the main window's constructor shows it on a first run.
    Setup = new TSetup(Application, Program);
    Application->CreateForm(MainForm, Program);
    Application->CreateForm(Welcome, Program);
    Application->CreateForm(Memory);
    Application->CreateForm(VFO);
    Application->CreateForm(CALL);
    Application->CreateForm(DTMF);
    Application->CreateForm(ReadForm, *Program.ReadSteps);
    Application->CreateForm(WriteForm, *Program.WriteSteps);
    Application->CreateForm(AboutBox, Program);
    Application->CreateForm(Sort);
    Application->CreateForm(Setup, Program);
}

int RunProgram(int argc, char** argv, const TProgramVariant& Program) {
    SetCommandLine(argc, argv);
    TApplication app(argc, argv);
    Application->Guard([&Program] {
        InitialiseApplication(Program);
        CreateProgramForms(Program);
        Application->Run();
    });
    return 0;
}
