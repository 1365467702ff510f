#include "editor/CallDialog.h"

TCALL* CALL = nullptr;

TCALL::TCALL(TComponent* Owner) : TForm(Owner) {
    SetCaption("CALL Channel");
    SetBorderStyle(bsSingle);
    SetCloseBox(false);
    Position = poScreenCenter;
}
