#include "editor/PageTextChecks.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

namespace {
constexpr size_t kCallSignLength = 9; // six characters, "-" and two SSID digits
constexpr size_t kPathLength = 32;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsEditingKey(unsigned char b) {
    return b == 8 || b == 13 || b == 27;
}
bool IsPrintableAscii(unsigned char b) {
    return b >= 0x20 && b <= 0x7E;
}

// Letters of the Western code page the radio can show.
bool IsWesternLetter(unsigned char b) {
    return b == 0x8A || b == 0x8C || b == 0x9A || b == 0x9C || b == 0x9F ||
           (b >= 0xC0 && b <= 0xD6) || (b >= 0xD8 && b <= 0xDD) || (b >= 0xDF && b <= 0xF6) ||
           (b >= 0xF8 && b <= 0xFD) || b == 0xFF;
}

char ToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// One call sign as a walk sees it: the "-" count, the characters other than "-" and the SSID
// digits after the "-".
struct CallElement {
    int dashes = 0;
    int length = 0;
    AnsiString ssid;
    bool acceptZeroSsid = false;

    bool Empty() const { return dashes == 0 && length == 0; }
    // A "-"; false when it is the second one.
    bool TakeDash() { return ++dashes <= 1; }
    // Any other character; false when it breaks a rule.
    bool Take(char c) {
        ++length;
        if (dashes == 0) return length <= 6;
        if (dashes > 1) return true; // already refused by its second "-"
        if (!IsDigit(c)) return false;
        ssid += c;
        if (!acceptZeroSsid && ssid == "0") return false;
        return ssid.size() <= 2 && std::stoi(ssid) <= 15;
    }
};

CallElement NewElement(const CallSignRules& rules) {
    CallElement e;
    e.acceptZeroSsid = rules.AcceptZeroSsid;
    return e;
}

void DropTrailing(AnsiString& s, char c) {
    if (!s.empty() && s.back() == c) s.pop_back();
}
} // namespace

TextVerdict WalkCallSign(const AnsiString& text, const CallSignRules& rules) {
    TextVerdict v;
    // A leading "-" offers the rest, whatever its length; the rest is walked on its own.
    if (!text.empty() && text[0] == '-') return {false, {}, text.substr(1)};
    if (text.size() > kCallSignLength) return {false, {}, {}};
    CallElement call = NewElement(rules);
    for (char c : text) {
        if (!rules.AnyCharacter && !IsDigit(c) && !IsUpper(c) && c != '-') {
            v.Good = false;
            break;
        }
        if (!(c == '-' ? call.TakeDash() : call.Take(c))) v.Good = false;
    }
    if (v.Good) {
        v.Copy = text;
        DropTrailing(v.Copy, '-');
    }
    return v;
}

TextVerdict WalkCallSign(const AnsiString& text, bool acceptZeroSsid) {
    return WalkCallSign(text, CallSignRules{.AcceptZeroSsid = acceptZeroSsid});
}

TextVerdict WalkPacketPath(const AnsiString& text, const CallSignRules& rules) {
    TextVerdict v;
    if (text.size() > kPathLength) return {false, {}, {}};
    CallElement element = NewElement(rules);
    int commas = 0; // consecutive commas
    AnsiString out; // the copy, built as each character is examined once
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!rules.AnyCharacter && !IsDigit(c) && !IsUpper(c) && c != '-' && c != ',') {
            v.Good = false;
            break;
        }
        if (c == '-') {
            commas = 0;
            if (element.Empty()) {
                v.Remainder = out + text.substr(i + 1);
                v.Good = false;
                break;
            }
            if (!element.TakeDash()) v.Good = false;
            out += c;
            continue;
        }
        if (c == ',') {
            if (commas > 0) {
                v.Good = false;
                out += c;
            } else if (i == 0) {
                if (rules.LeadingCommaKeepsRest) v.Remainder = text.substr(1);
                v.Good = false;
            } else {
                DropTrailing(out, '-');
                out += c;
            }
            ++commas;
            element = NewElement(rules);
            continue;
        }
        commas = 0;
        // A non-digit after the "-" is taken out of the copy.
        const bool kept = element.dashes != 1 || IsDigit(c);
        if (!element.Take(c)) v.Good = false;
        if (kept) out += c;
    }
    if (v.Good) {
        DropTrailing(out, ',');
        DropTrailing(out, '-');
        v.Copy = out;
    }
    return v;
}

TextVerdict WalkPacketPath(const AnsiString& text) {
    return WalkPacketPath(text, CallSignRules{});
}

TextVerdict WalkSstvText(const AnsiString& text, size_t capacity) {
    if (text.size() > capacity) return {false, {}, {}};
    for (char c : text)
        if (!IsDigit(c) && !IsUpper(c) && c != '-' && c != '/' && c != '!' && c != '?' && c != ' ')
            return {false, {}, {}};
    return {true, text, {}};
}

bool FilterCallSignKey(char& key) {
    key = ToUpper(key);
    return IsDigit(key) || IsUpper(key) || key == '-' ||
           IsEditingKey(static_cast<unsigned char>(key));
}

bool FilterPacketPathKey(char& key) {
    return key == ',' || FilterCallSignKey(key);
}

bool FilterSstvKey(char& key) {
    return key == '/' || key == '!' || key == '?' || key == ' ' || FilterCallSignKey(key);
}

bool AcceptPowerOnMessageByte(unsigned char b, char region) {
    if (IsPrintableAscii(b) || IsEditingKey(b)) return true;
    return region == '0' ? b >= 0xA1 && b <= 0xDF : IsWesternLetter(b);
}

bool AcceptStatusTextByte(unsigned char b, char region) {
    if (IsEditingKey(b)) return true;
    if (b == ',') return region != '0';
    if (IsPrintableAscii(b)) return true;
    return region == '0' ? b >= 0xA0 && b <= 0xDF : IsWesternLetter(b);
}

AnsiString ZeroPadded(int n, size_t width) {
    AnsiString digits = std::to_string(n);
    return digits.size() < width ? AnsiString(width - digits.size(), '0') + digits : digits;
}

void ShowPageRefusal(const AnsiString& text) {
    Application->MessageBox(text, Application->Title, MB_ICONINFORMATION);
}

AnsiString CheckEditText(TEdit* edit, TMemoryDocument& doc, TLastValid buffer,
                         const TextWalker& walk) {
    TextVerdict v = walk(edit->Text());
    if (!v.Good) {
        // Without a stray leading separator the rest is kept when it passes on its own;
        // otherwise the last valid text comes back. Each remainder is shorter, so this ends.
        AnsiString restore = doc.LastValidText(buffer);
        for (std::optional<AnsiString> rest = v.Remainder; rest;) {
            TextVerdict r = walk(*rest);
            if (r.Good) {
                restore = *rest;
                break;
            }
            rest = r.Remainder;
        }
        ShowPageRefusal(PageText::InvalidCharacter);
        // The restored text passes, so the change handler this raises accepts it at once.
        if (edit->Text() != restore) edit->SetText(restore);
        v = walk(restore);
        if (!v.Good) return {};
    }
    doc.SetLastValidText(buffer, v.Copy);
    return v.Copy;
}
