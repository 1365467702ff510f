// Stand-in, replaced by the transfer work.
#include "transfer/ReadForm.h"

TReadForm* ReadForm = nullptr;

TReadForm::TReadForm(TComponent* Owner) : TForm(Owner), QComm1(new TCommPortStandIn(this)) {
    SetCaption("Read");
}
