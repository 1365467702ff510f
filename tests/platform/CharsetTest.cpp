#include "platform/Charset.h"
#include <gtest/gtest.h>

TEST(Charset, Windows1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::u32string u = BytesToUnicode(all, ANSI_CHARSET);
    ASSERT_EQ(u.size(), 256u);
    EXPECT_EQ(u[0x80], U'\u20AC');
    EXPECT_EQ(u[0x9F], U'\u0178');
    EXPECT_EQ(u[0xE9], U'\u00E9');
    EXPECT_EQ(u[0x81], U'\u0081'); // unassigned bytes keep their value
    EXPECT_EQ(UnicodeToBytes(u, ANSI_CHARSET), all);
}

TEST(Charset, KatakanaSetHoldsAsciiAndHalfWidthKana) {
    std::string kana;
    for (int b = 0xA1; b <= 0xDF; ++b)
        kana += static_cast<char>(b);
    std::u32string u = BytesToUnicode(kana, SHIFTJIS_CHARSET);
    EXPECT_EQ(u.front(), U'\uFF61');
    EXPECT_EQ(u.back(), U'\uFF9F');
    EXPECT_EQ(UnicodeToBytes(u, SHIFTJIS_CHARSET), kana);
    EXPECT_EQ(BytesToUnicode("AZ", SHIFTJIS_CHARSET), U"AZ");
    // Bytes outside the set show as the replacement character.
    EXPECT_EQ(BytesToUnicode("\x80\xA0\xE0", SHIFTJIS_CHARSET), U"\uFFFD\uFFFD\uFFFD");
}

TEST(Charset, CharacterWithoutByteIsRefused) {
    EXPECT_EQ(UnicodeToByte(U'\u3042', ANSI_CHARSET), RefusedByte);
    EXPECT_EQ(UnicodeToByte(U'\u00E9', SHIFTJIS_CHARSET), RefusedByte);
    EXPECT_EQ(UnicodeToByte(U'\uFF71', ANSI_CHARSET), RefusedByte);
    EXPECT_EQ(UnicodeToByte(U'\uFF71', SHIFTJIS_CHARSET), '\xB1');
    EXPECT_EQ(UnicodeToByte(U'\u2122', ANSI_CHARSET), '\x99');
}
