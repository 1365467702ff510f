#include "editor/DtmfDialog.h"

TDTMF* DTMF = nullptr;

TDTMF::TDTMF(TComponent* Owner) : TForm(Owner) {
    SetCaption("DTMF Memory");
    SetBorderStyle(bsSingle);
    SetCloseBox(false);
    Position = poScreenCenter;
}
