// Reshaping between the radio's reply and command forms and the document's record layouts,
// and the value mappings of the menu items. Every function keeps its result within the
// 99 characters of a record, whatever the radio sent.
#pragma once
#include "platform/System.h"

namespace reshape {

constexpr size_t kRecordCapacity = 99;

// Puts the default offset into an empty field 11: "000600000" below 300 MHz (third digit of
// the frequency '2' or lower), else "001600000" for region '3' and "005000000" otherwise.
void NormalizeMemoryReply(AnsiString& record, char region);
// The radio sends mode before lock-out; the document keeps lock-out (field 12) before mode
// (field 13). Exchanges the two fields; a record without field 13 stays as it is.
void SwapTwelfthField(AnsiString& record);
// Inserts an empty field 12 and drops the record's last character (the comma appended
// before), so the text keeps its length. A record without a 12th comma stays as it is.
void ReorderVfoReply(AnsiString& record);

// Cuts to the record capacity.
void Bound(AnsiString& text);

// Read-side value rules.
AnsiString FirstAboveOneToZero(AnsiString v); // data band: '2'.. become '0'
AnsiString EmptyToZero(AnsiString v);
AnsiString TrimTrailingBlanks(AnsiString v);              // keeps the first character
AnsiString PositionCommentFromRadio(const AnsiString& v); // "00".."06" -> "0".."6", "14" -> "7"
AnsiString GpsUnitFromRadio(AnsiString v);                // '2' -> '1'
AnsiString TxIntervalFromRadio(AnsiString v);             // wire value = menu index + 1
AnsiString DtmfCodeFromRadio(AnsiString v);               // 'E' -> '*', 'F' -> '#'

// Write-side value rules.
AnsiString BeepToRadio(AnsiString v); // a first character above '1' goes out as '1'
AnsiString PositionCommentToRadio(const AnsiString& v);
AnsiString TxIntervalToRadio(AnsiString v);
AnsiString DtmfCodeToRadio(AnsiString v); // '*' -> 'E', '#' -> 'F'

} // namespace reshape
