#include "platform/Charset.h"

namespace {
// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;
// Half-width katakana block: bytes 0xA1..0xDF.
constexpr char32_t kKanaFirst = 0xFF61;
constexpr unsigned kKanaByteFirst = 0xA1, kKanaByteLast = 0xDF;

char32_t ByteToUnicode(unsigned char b, int charset) {
    if (b < 0x80) return b;
    if (charset == SHIFTJIS_CHARSET) {
        if (b >= kKanaByteFirst && b <= kKanaByteLast) return kKanaFirst + (b - kKanaByteFirst);
        return kReplacement;
    }
    if (b < 0xA0) return kCp1252High[b - 0x80];
    return b;
}
} // namespace

std::u32string BytesToUnicode(const std::string& bytes, int charset) {
    std::u32string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out += ByteToUnicode(static_cast<unsigned char>(c), charset);
    return out;
}

char UnicodeToByte(char32_t ch, int charset) {
    if (ch < 0x80) return static_cast<char>(ch);
    if (charset == SHIFTJIS_CHARSET) {
        if (ch >= kKanaFirst && ch <= kKanaFirst + (kKanaByteLast - kKanaByteFirst))
            return static_cast<char>(kKanaByteFirst + (ch - kKanaFirst));
        return RefusedByte;
    }
    if (ch >= 0xA0 && ch <= 0xFF) return static_cast<char>(ch);
    for (unsigned i = 0; i < 32; ++i)
        if (kCp1252High[i] == ch) return static_cast<char>(0x80 + i);
    return RefusedByte;
}

std::string UnicodeToBytes(const std::u32string& text, int charset) {
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : text)
        out += UnicodeToByte(ch, charset);
    return out;
}
