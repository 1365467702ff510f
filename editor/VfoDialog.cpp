#include "editor/VfoDialog.h"

TVFO* VFO = nullptr;

TVFO::TVFO(TComponent* Owner) : TForm(Owner) {
    SetCaption("VFO");
    SetBorderStyle(bsSingle);
    SetCloseBox(false);
    Position = poScreenCenter;
}
