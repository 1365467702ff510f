// The earlier program's checks of the APRS, SSTV and HALCYRA edits and its position limit.
#include "earlier/EarlierProgram.h"
#include "editor/MainForm.h"

namespace Earlier {

namespace {
constexpr CallSignRules kRules{.AnyCharacter = true, .AcceptZeroSsid = true};
constexpr int kPositionLimitSlot = 9;
constexpr int kHighestLimit = 2500;
} // namespace

TextVerdict WalkCallSign(const AnsiString& text, bool) {
    return ::WalkCallSign(text, kRules);
}

TextVerdict WalkPacketPath(const AnsiString& text) {
    CallSignRules rules = kRules;
    rules.LeadingCommaKeepsRest = false;
    return ::WalkPacketPath(text, rules);
}

TextVerdict WalkSstvText(const AnsiString& text, std::size_t) {
    return {true, text, {}};
}

void MaskEdit12Change(TMainForm& form) {
    AnsiString digits = form.MaskEdit12->Text();
    digits.resize(4, '0');
    int limit = 0;
    for (char& c : digits) {
        if (c == ' ') c = '0';
        limit = limit * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
    }
    if (limit > kHighestLimit) {
        ShowPageRefusal(PageText::InvalidData);
        digits = "2500";
        form.MaskEdit12->SetText(digits);
    } else if (limit == 0) {
        digits = "0010";
        form.MaskEdit12->SetText("  10");
    }
    form.SetAprsMenuItem(kPositionLimitSlot, digits);
}

} // namespace Earlier
