// The earlier program's refresh of the station icon's table list.
#include "earlier/EarlierProgram.h"
#include "editor/MainForm.h"

void Earlier::ShowSymbolTable(TMainForm& form, char table) {
    form.ComboBox7->SetItemIndex(table == '/' ? 0 : 1);
}
