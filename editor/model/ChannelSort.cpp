#include "editor/model/ChannelSort.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

struct Channel {
    AnsiString record, frequency, name;
    bool Used() const { return !frequency.empty(); }
};

// Byte order on unsigned codes; a prefix is the smaller.
bool Greater(const AnsiString& a, const AnsiString& b) {
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

bool ExchangeByFrequency(const Channel& i, const Channel& j) {
    return j.Used() && Greater(i.frequency, j.frequency);
}

// Named channels first by name, then unnamed ones by frequency. Only a channel in use is
// brought forward, so free slots never end up between used ones.
bool ExchangeByName(const Channel& i, const Channel& j) {
    if (!j.Used()) return false;
    if (!j.name.empty()) return i.name.empty() || Greater(i.name, j.name);
    return i.name.empty() && Greater(i.frequency, j.frequency);
}

} // namespace

void SortMemoryChannels(TMemoryDocument& doc, TSortKey key) {
    const int last = doc.ChannelsLastForType();
    std::vector<Channel> ch(last + 1);
    for (int i = 0; i <= last; ++i)
        ch[i] = {doc.GetMemoryRecord(i), doc.GetRecordField(selMemory, i, 1),
                 doc.GetRecordField(selMemory, i, 17)};

    // Compaction keeps the used channels in their order; a free slot is overwritten only.
    int next = 0;
    for (int i = 0; i <= last; ++i) {
        if (!ch[i].Used()) continue;
        if (i != next) {
            ch[next] = std::move(ch[i]);
            ch[i] = Channel{};
        }
        ++next;
    }

    auto exchange = key == TSortKey::Frequency ? ExchangeByFrequency : ExchangeByName;
    for (int i = 0; i <= last; ++i)
        for (int j = i + 1; j <= last; ++j)
            if (exchange(ch[i], ch[j])) std::swap(ch[i], ch[j]);

    for (int i = 0; i <= last; ++i)
        doc.SetMemoryRecord(i, ch[i].record);

    // Each used channel is rebuilt with its slot number as label and exactly 18 fields.
    for (int i = 0; i <= last && ch[i].Used(); ++i) {
        char label[16];
        std::snprintf(label, sizeof label, "%03d", i);
        AnsiString rebuilt = label;
        for (int field = 1; field <= 17; ++field)
            rebuilt += "," + doc.GetRecordField(selMemory, i, field);
        doc.SetMemoryRecord(i, rebuilt);
    }
}
