#include "editor/SortDialog.h"

TSort* Sort = nullptr;

TSort::TSort(TComponent* Owner) : TForm(Owner) {
    SetCaption("Memory Channel Sort");
    SetBorderStyle(bsSingle);
    SetCloseBox(false);
    Position = poScreenCenter;
    SetClientSize(186, 96);
}
