// Wyx_r2m: the editor for the VQ-R2M radio.
#include "editor/Startup.h"
#include "platform/Forms.h"

int main(int argc, char** argv) {
    SetCommandLine(argc, argv);
    TApplication app(argc, argv);
    Application->Guard([] {
        InitialiseApplication();
        CreateProgramForms();
        Application->Run();
    });
    return 0;
}
