// Checks shared by the fuzz targets: every slot of a document holds a text that fits its
// width, and nothing is stored past the last scan-edge row. A failed check aborts.
#pragma once
#include "editor/model/MemoryDocument.h"

#include <cstdio>
#include <cstdlib>

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

inline void CheckImage(const TMemoryDocument& doc, int lastChannel) {
    Require(Fits(doc.GetRadioType(), Slots::RadioTypeWidth), "radio type slot");
    for (int i = 0; i < Slots::BandLimitCount; ++i)
        Require(Fits(doc.GetBandLimit(i), Slots::BandLimitWidth), "band limit slot");
    for (int i = 0; i < Slots::MemoryCount; ++i) {
        Require(Fits(doc.GetMemoryRecord(i), Slots::MemoryWidth), "memory slot");
        if (i > lastChannel + 20) Require(doc.GetMemoryRecord(i).empty(), "memory past N+20");
    }
    for (int i = 0; i < Slots::CallCount; ++i)
        Require(Fits(doc.GetCallRecord(i), Slots::RecordWidth), "CALL slot");
    for (int i = 0; i < Slots::VfoCount; ++i) {
        Require(Fits(doc.GetVfoRecord(i), Slots::RecordWidth), "VFO slot");
        Require(Fits(doc.GetProgramVfoRecord(i), Slots::ProgramVfoWidth), "program VFO slot");
    }
    for (int i = 0; i < Slots::DtmfCount; ++i)
        Require(Fits(doc.GetDtmfRecord(i), Slots::DtmfWidth), "DTMF slot");
    for (int i = 0; i < Slots::RadioMenuCount; ++i)
        Require(Fits(doc.GetRadioMenuItem(i), Slots::RadioMenuWidth), "radio menu slot");
    for (int i = 0; i < Slots::AprsCount; ++i)
        Require(Fits(doc.GetAprsMenuItem(i), Slots::AprsWidths[i]), "APRS slot");
    for (int i = 0; i < Slots::SstvCount; ++i)
        Require(Fits(doc.GetSstvMenuItem(i), Slots::SstvWidths[i]), "SSTV slot");
    for (int i = 0; i < Slots::RemoteCount; ++i)
        Require(Fits(doc.GetRemoteMenuItem(i), Slots::RemoteWidths[i]), "HALCYRA slot");
}

} // namespace fuzzcheck
