// Stand-in, replaced by the transfer work.
#include "transfer/ReadForm.h"
#include <cstdlib>
#include <filesystem>

TReadForm* ReadForm = nullptr;

bool TCommPortStandIn::CheckCommportValid(const AnsiString& name) const {
    if (name.size() != 4 || name.compare(0, 3, "COM") != 0 || name[3] < '1' || name[3] > '9')
        return false;
    const char* device = std::getenv(("WYX_" + name).c_str());
    const AnsiString path = device ? device : "/dev/ttyS" + std::to_string(name[3] - '1');
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

TReadForm::TReadForm(TComponent* Owner) : TForm(Owner), QComm1(new TCommPortStandIn(this)) {
    SetCaption("Read");
}
