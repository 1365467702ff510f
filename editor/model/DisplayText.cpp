// MHz texts of the records' Hz digits.
#include "editor/model/DisplayText.h"

namespace {

// The text at its fixed digit width: leading zeros added, characters past it dropped.
AnsiString FixedWidth(const AnsiString& text, std::size_t width) {
    if (text.size() >= width) return text.substr(0, width);
    return AnsiString(width - text.size(), '0') + text;
}

} // namespace

void HzDigitsToMhzText(AnsiString& text) {
    if (text.empty()) return;
    const AnsiString c = FixedWidth(text, 11);
    AnsiString out = c.substr(2, 3) + "." + c.substr(5, 3);
    if (c[10] != '0')
        out += c.substr(8, 3);
    else if (c[9] != '0')
        out += c.substr(8, 2);
    else if (c[8] != '0')
        out += c.substr(8, 1);
    text = out;
}

void OffsetDigitsToMhzText(AnsiString& text) {
    if (text.empty()) return;
    const AnsiString o = FixedWidth(text, 9);
    text = (o[1] == '0' ? o.substr(2, 1) : o.substr(1, 2)) + "." + o.substr(3, 2);
}
