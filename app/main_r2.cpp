// Wyx_r2: the editor for the VQ-R2 radio.
#include "earlier/EarlierProgram.h"
#include "editor/Startup.h"

int main(int argc, char** argv) {
    return RunProgram(argc, argv, EarlierProgram());
}
