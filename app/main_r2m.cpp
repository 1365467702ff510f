// Wyx_r2m: the editor for the VQ-R2M radio.
#include "editor/ProgramVariant.h"
#include "editor/Startup.h"

int main(int argc, char** argv) {
    return RunProgram(argc, argv, LaterProgram());
}
