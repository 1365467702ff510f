// Record digits shown as MHz texts in grids, the status bar, dialogs and the printout.
#pragma once
#include "editor/model/MemoryDocument.h"

// 11 digits in Hz to MHz with three to six decimals: "00145012500" becomes "145.0125".
// A shorter non-empty text counts as Hz with leading zeros; characters past the 11th are
// ignored; an empty text stays empty.
void HzDigitsToMhzText(AnsiString& text);

// 9 digits in Hz to MHz with two decimals: "000600000" becomes "0.60", "012550000" "12.55".
// Shorter, longer and empty texts as for HzDigitsToMhzText.
void OffsetDigitsToMhzText(AnsiString& text);
