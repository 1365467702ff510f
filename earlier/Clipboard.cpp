// What the earlier program's Paste takes from a clipboard record.
#include "earlier/EarlierProgram.h"

AnsiString Earlier::PastedAmMode(const AnsiString&) {
    return {};
}

// Bounded by the DTMF slot when the record is stored.
AnsiString Earlier::PastedDtmfName(const TMainForm&, const AnsiString& name) {
    return name;
}
