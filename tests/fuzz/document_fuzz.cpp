// Fuzz target: reading arbitrary bytes as a document file under every radio type must store
// nothing outside a slot, and what was read must survive writing and reading again: every
// record the writer keeps (longer than its length filter), every menu value and the comment.
#include "editor/model/DocumentFile.h"
#include "tests/fuzz/SlotChecks.h"

#include <cstdint>

namespace {

using fuzzcheck::Require;

void CheckImage(const TMemoryDocument& doc, const AnsiString& comment) {
    Require(comment.size() <= 99, "comment length");
    fuzzcheck::CheckImage(doc, doc.LastChannel);
    fuzzcheck::CheckMemoryLabels(doc, doc.LastChannel);
}

// Slots the writer keeps come back the same; so do all menu values and the comment.
void CheckRoundTrip(const TMemoryDocument& a, const AnsiString& commentA, const TMemoryDocument& b,
                    const AnsiString& commentB) {
    auto same = [](const AnsiString& x, const AnsiString& y, std::size_t filter, const char* what) {
        if (x.size() > filter) Require(x == y, what);
    };
    Require(commentA == commentB, "comment round trip");
    for (int i = 0; i < Slots::MemoryCount; ++i)
        same(a.GetMemoryRecord(i), b.GetMemoryRecord(i), 4, "memory round trip");
    for (int i = 0; i < Slots::CallCount; ++i)
        same(a.GetCallRecord(i), b.GetCallRecord(i), 4, "CALL round trip");
    for (int i = 0; i < Slots::VfoCount; ++i) {
        same(a.GetVfoRecord(i), b.GetVfoRecord(i), 4, "VFO round trip");
        same(a.GetProgramVfoRecord(i), b.GetProgramVfoRecord(i), 4, "program VFO round trip");
    }
    for (int i = 0; i < Slots::DtmfCount; ++i)
        same(a.GetDtmfRecord(i), b.GetDtmfRecord(i), 1, "DTMF round trip");
    for (int i = 0; i < Slots::RadioMenuCount; ++i)
        same(a.GetRadioMenuItem(i), b.GetRadioMenuItem(i), 0, "radio menu round trip");
    for (int i = 0; i < Slots::AprsCount; ++i)
        same(a.GetAprsMenuItem(i), b.GetAprsMenuItem(i), 0, "APRS round trip");
    for (int i = 0; i < Slots::SstvCount; ++i)
        same(a.GetSstvMenuItem(i), b.GetSstvMenuItem(i), 0, "SSTV round trip");
    if (a.RegionDigit() == '2')
        for (int i = 0; i < Slots::RemoteCount; ++i)
            same(a.GetRemoteMenuItem(i), b.GetRemoteMenuItem(i), 0, "HALCYRA round trip");
}

void Fresh(TMemoryDocument& doc, const char* type) {
    doc.SetRadioType(type);
    doc.LastChannel = doc.ChannelsLastForType();
    doc.SetBandLimits("00118,00135,00144,00147,00430,00440");
    doc.ClearDocument();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const AnsiString bytes(reinterpret_cast<const char*>(data), size);
    for (const char* type : {"1,0,0E,,1,1,", "1,1,05,,,,", "1,2,00,1,1,,", "1,3,08,,,1,"}) {
        TMemoryDocument doc;
        Fresh(doc, type);
        AnsiString comment;
        ReadDocumentText(doc, bytes, comment);
        CheckImage(doc, comment);

        TMemoryDocument again;
        Fresh(again, type);
        AnsiString comment2;
        ReadDocumentText(again, WriteDocumentText(doc, comment), comment2);
        CheckImage(again, comment2);
        CheckRoundTrip(doc, comment, again, comment2);
    }
    return 0;
}
