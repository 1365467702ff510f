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
// The length of the valid UTF-8 sequence of two to four bytes at bytes[i], with its character;
// 0 when there is none (a lone or cut sequence, an overlong form, a surrogate).
std::size_t Utf8Sequence(const std::string& bytes, std::size_t i, char32_t& ch) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, least = 0x80, ch = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, least = 0x800, ch = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, least = 0x10000, ch = lead & 0x07u;
    }
    if (length == 0 || i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0u) != 0x80u) return 0;
        ch = (ch << 6) | (next & 0x3Fu);
    }
    if (ch < least || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return 0;
    return length;
}
} // namespace

std::u32string BytesToUnicode(const std::string& bytes, int charset) {
    std::u32string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char32_t ch = 0;
        const std::size_t length = charset == DEFAULT_CHARSET ? Utf8Sequence(bytes, i, ch) : 0;
        if (length == 0) {
            out += ByteToUnicode(static_cast<unsigned char>(bytes[i]), charset);
            continue;
        }
        out += ch;
        i += length - 1;
    }
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
