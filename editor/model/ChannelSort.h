// Packs the numbered memory channels towards slot 0, orders them and renumbers their labels.
#pragma once
#include "editor/model/MemoryDocument.h"

enum class TSortKey { Frequency, Name };

// Works on the numbered channels 0..N of the document's radio type; the scan-edge slots and
// every other record are left alone. A channel is in use when its frequency is not empty.
void SortMemoryChannels(TMemoryDocument& doc, TSortKey key);
