// Program start: the application's title and help file, and every form in creation order, for
// the program the entry point names.
#pragma once

struct TProgramVariant;

void InitialiseApplication(const TProgramVariant& Program);
// A first-run dialog for the main window's constructor, then the main window and the other
// forms; the last form created is the first-run dialog that stays.
void CreateProgramForms(const TProgramVariant& Program);
// The whole run of a program: command line, application, forms and message loop.
int RunProgram(int argc, char** argv, const TProgramVariant& Program);
