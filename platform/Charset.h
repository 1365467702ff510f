// How 8-bit control text maps to characters by font character set.
// Set 0: Windows-1252. Set 128: ASCII plus half-width katakana 0xA1..0xDF; other bytes show as
// U+FFFD. Set 1, the system's own: the texts of title bars and message boxes, where file names
// show as the file system spells them: UTF-8 where it is valid, any other byte as in set 0
// (a typed character takes its byte as in set 0). A typed character with no byte in the set
// becomes RefusedByte.
#pragma once
#include <string>

enum : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SHIFTJIS_CHARSET = 128 };
// A byte every key filter refuses.
constexpr char RefusedByte = '\x7F';

std::u32string BytesToUnicode(const std::string& bytes, int charset);
// Returns RefusedByte when the character has no byte in the set.
char UnicodeToByte(char32_t ch, int charset);
std::string UnicodeToBytes(const std::u32string& text, int charset);
