// Stand-in, replaced by the transfer work.
#include "transfer/WriteForm.h"

TWriteForm* WriteForm = nullptr;

TWriteForm::TWriteForm(TComponent* Owner) : TForm(Owner), QComm1(new TCommPortStandIn(this)) {
    SetCaption("Write");
}
