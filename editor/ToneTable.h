// Tone frequencies as shown in lists, grids and the status bar.
#pragma once
#include "platform/System.h"
#include <vector>

// Text of tone code 1..39 ("67.0Hz" .. "250.3Hz"); empty outside.
AnsiString ToneText(int code);
// The 38-entry lists of the dialogs and the remote page: every tone but code 02.
std::vector<AnsiString> ToneList38();
