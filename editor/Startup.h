// Program start: the application's title and help file, and every form in creation order.
#pragma once

void InitialiseApplication();
// A first-run dialog for the main window's constructor, then the main window and the other
// forms; the last form created is the first-run dialog that stays.
void CreateProgramForms();
