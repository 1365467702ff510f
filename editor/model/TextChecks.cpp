// Frequency, offset, band and name checks of the entry dialogs and the clipboard.
#include "editor/model/TextChecks.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(const AnsiString& s) {
    return std::all_of(s.begin(), s.end(), IsDigit);
}

// Value of the leading digits, saturated at `limit` so that long input cannot overflow.
long long LeadingValue(const AnsiString& s, long long limit) {
    long long v = 0;
    for (char c : s) {
        if (!IsDigit(c)) break;
        v = std::min(limit, v * 10 + (c - '0'));
    }
    return v;
}

AnsiString LeadingDigits(const AnsiString& s, std::size_t most) {
    std::size_t n = 0;
    while (n < s.size() && n < most && IsDigit(s[n]))
        ++n;
    return s.substr(0, n);
}

// A typed MHz text: refused with more than one '.' or a non-digit before the '.'; otherwise
// the parts around its '.' when it has one.
struct TypedMhz {
    bool refused = false;
    bool hasPoint = false;
    AnsiString whole; // before the point, leading zeros removed but the one before the point
    AnsiString fraction;
};

TypedMhz ParseTyped(const AnsiString& text) {
    TypedMhz t;
    const auto points = std::count(text.begin(), text.end(), '.');
    if (points != 1) {
        t.refused = points > 1;
        return t;
    }
    const std::size_t point = text.find('.');
    std::size_t lead = 0;
    while (lead + 1 < point && text[lead] == '0')
        ++lead;
    t.hasPoint = true;
    t.whole = text.substr(lead, point - lead);
    t.fraction = text.substr(point + 1);
    t.refused = !AllDigits(t.whole);
    return t;
}

void PadRight(AnsiString& text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), '0');
}

// A 5-digit MHz edge, bounded to what 9 Hz digits can hold; nothing when it has no digits.
std::optional<long long> Edge(const AnsiString& text) {
    if (text.empty() || !IsDigit(text[0])) return std::nullopt;
    return std::min(LeadingValue(text, 999), 999LL);
}

constexpr long long Mhz = 1000000;
constexpr long long LargestHz = 999999999;

} // namespace

bool NormalizeFrequencyText(AnsiString& text) {
    const TypedMhz typed = ParseTyped(text);
    if (typed.refused) return false;
    AnsiString out;
    if (typed.hasPoint) {
        if (typed.whole.size() < 3)
            out = "00000000";
        else if (typed.whole.size() == 3)
            out = typed.whole + LeadingDigits(typed.fraction, 6); // 6 decimals reach the Hz
        else
            out = "99999999";
    } else if (text.empty()) {
        out = "00000000";
    } else {
        const long long v = LeadingValue(text, 1000);
        out = v < 100 ? "00000000" : v > 999 ? "99999999" : std::to_string(v);
    }
    PadRight(out, 9);
    text = out;
    return true;
}

bool NormalizeOffsetText(AnsiString& text) {
    const TypedMhz typed = ParseTyped(text);
    if (typed.refused) return false;
    AnsiString out;
    if (typed.hasPoint) {
        const AnsiString hundredths = LeadingDigits(typed.fraction, 2);
        const AnsiString& whole = typed.whole;
        if (whole.empty())
            out = "00" + hundredths;
        else if (whole.size() == 1)
            out = "0" + whole + hundredths;
        else if (whole.size() == 2 && whole[0] <= '2')
            out = whole + hundredths;
        else
            out = "2995";
    } else if (text.empty()) {
        out = "00";
    } else {
        const long long v = LeadingValue(text, 30);
        out = v > 29 ? "2995" : (v < 10 ? "0" : "") + std::to_string(v);
    }
    PadRight(out, 8);
    out[3] = out[3] >= '5' ? '5' : '0';
    text = out;
    return true;
}

bool RoundFrequencyToStep(const TMemoryDocument& doc, AnsiString& text, int band,
                          bool useProgramVfo, int& stepCode) {
    bool changed = false;
    if (band == 5) {
        if (stepCode == 0 || stepCode == 4)
            stepCode = 2;
        else if (stepCode == 1)
            stepCode = 3;
    }
    std::optional<long long> lower, upper;
    if (band >= 0 && band < Slots::BandLimitCount) {
        const int sel = useProgramVfo ? selProgramVfo : selBandLimit;
        const int first = useProgramVfo ? 1 : 0;
        lower = Edge(doc.GetRecordField(sel, band, first));
        upper = Edge(doc.GetRecordField(sel, band, first + 1));
    }
    long long f = LeadingValue(text, LargestHz);
    if (lower && f / Mhz < *lower) {
        changed = true;
        f = *lower * Mhz;
    } else if (upper && f / Mhz > *upper) {
        changed = true;
        f = *upper * Mhz + (Mhz - 1);
    }
    if (stepCode >= 0 && stepCode < static_cast<int>(StepHz.size())) {
        const long long s = StepHz[stepCode];
        if (f % s != 0) {
            changed = true;
            f -= f % s;
        }
        // 15 and 30 kHz do not divide 1 MHz: rounding down may cross the lower edge.
        if (lower && f / Mhz < *lower) f += s;
    }
    AnsiString digits = std::to_string(f);
    text = AnsiString(9 - std::min<std::size_t>(9, digits.size()), '0') + digits;
    return changed;
}

int BandOfFrequencyText(const TMemoryDocument& doc, const AnsiString& text) {
    auto at = [&text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    const char c1 = at(0), c2 = at(1), c3 = at(2);
    switch (c1) {
    case '0':
    case '1':
        if (doc.RadioTypeFlag(4) != '1') return 1;
        return (c2 >= '0' && c2 <= '2') || (c2 == '3' && c3 <= '5') ? 0 : 1;
    case '2':
        return 1;
    case '3':
        return doc.RadioTypeFlag(5) == '1' ? 3 : 4;
    case '4':
    case '5':
    case '6':
    case '7':
        return 4;
    case '8':
    case '9': {
        const char f6 = doc.RadioTypeFlag(6);
        return f6 == '1' || f6 == '2' ? 6 : 4;
    }
    default:
        return c2 == '1' ? 2 : 5;
    }
}

bool CheckMemoryName(const TMemoryDocument& doc, AnsiString& name) {
    if (name.size() > 8) name.resize(8);
    const bool katakana = doc.RegionDigit() == '0';
    auto allowed = [katakana](unsigned char c) {
        if (c >= 32 && c <= 126) return true;
        if (katakana) return c >= 0xA1 && c <= 0xDF;
        return (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDD) || (c >= 0xDF && c <= 0xF6) ||
               (c >= 0xF8 && c <= 0xFD) || c == 0xFF || c == 0x8A || c == 0x8C || c == 0x9A ||
               c == 0x9C || c == 0x9F;
    };
    return std::all_of(name.begin(), name.end(), [&](char c) { return allowed(c); });
}
