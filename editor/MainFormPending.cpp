// Do-nothing definitions of the main window's handlers whose behaviour has not been built
// yet. Each block names the file that will define them; that file replaces its block.
#include "editor/MainForm.h"
#include <istream>
#include <ostream>

// --- Printing.cpp ---
void TMainForm::Print1Click(TObject*) {}
