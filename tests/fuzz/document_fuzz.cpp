// Fuzz target: reading arbitrary bytes as a document file under every radio type must store
// nothing outside a slot, and what was read must survive writing and reading again: every
// record the writer keeps (longer than its length filter), every menu value and the comment.
#include "editor/model/DocumentFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "document check failed: %s\n", what);
        std::abort();
    }
}

bool Fits(const AnsiString& text, int width) {
    return static_cast<int>(text.size()) <= width - 1 && text.find('\0') == AnsiString::npos;
}

void CheckImage(const TMemoryDocument& doc, const AnsiString& comment) {
    Require(comment.size() <= 99, "comment length");
    for (int i = 0; i < Slots::MemoryCount; ++i) {
        Require(Fits(doc.GetMemoryRecord(i), Slots::MemoryWidth), "memory slot");
        if (i > doc.LastChannel + 20) Require(doc.GetMemoryRecord(i).empty(), "memory past N+20");
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
