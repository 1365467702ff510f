// Checks and conversions of typed frequencies, offsets and names before they go into records.
// Each works on the text in place.
#pragma once
#include "editor/model/MemoryDocument.h"

#include <array>

// Step in Hz of each step code ("0" 5 kHz .. "9" 100 kHz).
constexpr std::array<int, 10> StepHz{5000,  6250,  10000, 12500, 15000,
                                     20000, 25000, 30000, 50000, 100000};

// A typed MHz text ("145", "145.0125") becomes 9 digits in Hz ("145000000"); values below
// 100 MHz become all zeros, values of 1000 MHz and more all nines. Digits past the Hz are
// dropped, and a fraction ends at its first non-digit. Returns false and leaves the text when it
// holds more than one '.', or a non-digit before the '.'.
bool NormalizeFrequencyText(AnsiString& text);

// Pulls a 9-digit Hz frequency into the range of band slot `band` (the band limit, or with
// useProgramVfo the programmable-VFO record) from the lower edge to the upper edge plus
// 0.999999 MHz, and rounds it down onto the raster of stepCode; band 5 replaces the 5, 15 and
// 6.25 kHz steps. Bands without a slot (6, the 800 MHz band) and empty edges set no range
// limit; an unknown step code rounds nothing. The text stays 9 digits. Returns true when the
// frequency was moved.
bool RoundFrequencyToStep(const TMemoryDocument& doc, AnsiString& text, int band,
                          bool useProgramVfo, int& stepCode);

// A typed MHz offset ("0.6", "12.55") becomes 8 digits in Hz ("00600000") with the 10 kHz digit
// floored to 0 or 5; above 29.95 MHz it becomes 29.95 MHz. Returns false and leaves the text
// when it holds more than one '.', or a non-digit before the '.'.
bool NormalizeOffsetText(AnsiString& text);

// Band index 0..6 of a MHz text by its leading digits, or of a VFO-grid band label ("118MHz",
// "S144MHz", "440MHz", ...), using the radio type's optional bands.
int BandOfFrequencyText(const TMemoryDocument& doc, const AnsiString& text);

// Cuts a memory or DTMF name to 8 characters; true when every character is one the radio type's
// character set allows.
bool CheckMemoryName(const TMemoryDocument& doc, AnsiString& name);
