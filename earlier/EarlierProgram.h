// Wyx_r2, the earlier program for the VQ-R2 radio: its constants and the rules in which it
// differs from Wyx_r2m. Everything not named here is the later program's.
#pragma once
#include "editor/ProgramVariant.h"

struct ReadStepTable;
struct WriteStepTable;

const TProgramVariant& EarlierProgram();

namespace Earlier {
// Settings-page checks: call signs and paths take any character but "-" and ",", and an SSID
// "0"; a path's leading "," returns the edit to the path valid before. SSTV texts are stored
// as they are.
TextVerdict WalkCallSign(const AnsiString& text, bool acceptZeroSsid);
TextVerdict WalkPacketPath(const AnsiString& text);
TextVerdict WalkSstvText(const AnsiString& text, std::size_t capacity);
// Position limit on the "999\0" mask: blanks read as "0", above 2500 refused down to 2500, 0
// raised to 10; the document is not marked changed.
void MaskEdit12Change(TMainForm& form);
// Refresh of a "1," station icon: the first table entry for "/", the second for any other.
void ShowSymbolTable(TMainForm& form, char table);
// Paste: the AM mode is never taken from the clipboard; a DTMF name is taken unchecked.
AnsiString PastedAmMode(const AnsiString& clipboardAmMode);
AnsiString PastedDtmfName(const TMainForm& form, const AnsiString& name);
// Transfer step tables of the earlier radio.
const ReadStepTable& ReadSteps();
const WriteStepTable& WriteSteps();
} // namespace Earlier
