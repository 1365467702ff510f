#include "editor/MemoryDialog.h"

TMemory* Memory = nullptr;

TMemory::TMemory(TComponent* Owner) : TForm(Owner) {
    SetCaption("Memory Channel");
    SetBorderStyle(bsSingle);
    SetCloseBox(false);
    Position = poScreenCenter;
}
