// Checks shared by the fuzz targets: every slot of a document holds a text that fits its
// width, nothing is stored past the last scan-edge row, and each memory record sits in the
// slot its label names. A failed check aborts.
#pragma once
#include "editor/model/DocumentFile.h"
#include "editor/model/MemoryDocument.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fuzzcheck {

inline void Require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

inline bool Fits(const AnsiString& text, int width) {
    return static_cast<int>(text.size()) <= width - 1 && text.find('\0') == AnsiString::npos;
}

// Calls visit(what, text, width) for every slot of a document.
template <class Visit> void ForEachSlot(const TMemoryDocument& doc, Visit&& visit) {
    visit("radio type slot", doc.GetRadioType(), Slots::RadioTypeWidth);
    for (int i = 0; i < Slots::BandLimitCount; ++i)
        visit("band limit slot", doc.GetBandLimit(i), Slots::BandLimitWidth);
    for (int i = 0; i < Slots::MemoryCount; ++i)
        visit("memory slot", doc.GetMemoryRecord(i), Slots::MemoryWidth);
    for (int i = 0; i < Slots::CallCount; ++i)
        visit("CALL slot", doc.GetCallRecord(i), Slots::RecordWidth);
    for (int i = 0; i < Slots::VfoCount; ++i) {
        visit("VFO slot", doc.GetVfoRecord(i), Slots::RecordWidth);
        visit("program VFO slot", doc.GetProgramVfoRecord(i), Slots::ProgramVfoWidth);
    }
    for (int i = 0; i < Slots::DtmfCount; ++i)
        visit("DTMF slot", doc.GetDtmfRecord(i), Slots::DtmfWidth);
    for (int i = 0; i < Slots::RadioMenuCount; ++i)
        visit("radio menu slot", doc.GetRadioMenuItem(i), Slots::RadioMenuWidth);
    for (int i = 0; i < Slots::AprsCount; ++i)
        visit("APRS slot", doc.GetAprsMenuItem(i), Slots::AprsWidths[i]);
    for (int i = 0; i < Slots::SstvCount; ++i)
        visit("SSTV slot", doc.GetSstvMenuItem(i), Slots::SstvWidths[i]);
    for (int i = 0; i < Slots::RemoteCount; ++i)
        visit("HALCYRA slot", doc.GetRemoteMenuItem(i), Slots::RemoteWidths[i]);
}

inline void CheckImage(const TMemoryDocument& doc, int lastChannel) {
    ForEachSlot(doc, [](const char* what, const AnsiString& text, int width) {
        Require(Fits(text, width), what);
    });
    for (int i = lastChannel + 21; i < Slots::MemoryCount; ++i)
        Require(doc.GetMemoryRecord(i).empty(), "memory past N+20");
}

// Every memory record up to the last scan-edge row sits in the slot its label names (a
// numbered channel its own, a scan-edge row that of its label, never a numbered channel), so a
// saved document opened again puts it back where it was.
inline void CheckMemoryLabels(const TMemoryDocument& doc, int lastChannel) {
    for (int i = 0; i <= lastChannel + 20 && i < Slots::MemoryCount; ++i) {
        const AnsiString record = doc.GetMemoryRecord(i);
        Require(record.empty() || MemoryRecordSlot(record, lastChannel) == i,
                i > lastChannel ? "scan-edge slot label" : "channel slot label");
    }
}

// Every slot and setting a document exposes, to tell whether anything changed it.
inline std::vector<AnsiString> Snapshot(const TMemoryDocument& doc) {
    std::vector<AnsiString> all;
    all.reserve(320);
    ForEachSlot(doc, [&all](const char*, const AnsiString& text, int) { all.push_back(text); });
    for (int i = 0; i < lvCount; ++i)
        all.push_back(doc.LastValidText(static_cast<TLastValid>(i)));
    all.push_back(doc.GetRecordField(selScratchName, 0, 0));
    for (int n : {doc.ActiveGrid, doc.LastChannel, doc.ModifiedFlag})
        all.push_back(std::to_string(n));
    return all;
}

} // namespace fuzzcheck
