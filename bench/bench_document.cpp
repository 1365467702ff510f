// Prints the time to format (Save) and parse (Open) a full 200-channel document, without and
// with the file on disk (atomic replace with flush to disk, whole-file read).
#include "editor/model/DocumentFile.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void FillFull(TMemoryDocument& doc) {
    doc.SetRadioType("1,2,00,1,1,,");
    doc.LastChannel = doc.ChannelsLastForType();
    doc.SetBandLimits("00118,00135,00144,00147,00430,00440");
    doc.ClearDocument();
    const int n = doc.LastChannel;
    for (int i = 0; i <= n + 20; ++i) {
        char label[16];
        if (i <= n)
            std::snprintf(label, sizeof label, "%03d", i);
        else
            std::snprintf(label, sizeof label, "%c%d", (i - n - 1) % 2 ? 'U' : 'L',
                          (i - n - 1) / 2);
        doc.SetMemoryRecord(i, std::string(label) +
                                   ",00145012500,3,1,0,1,0,,12,,09,000600000,0,0,00435012500,3,,"
                                   "NAME,X");
    }
    for (int i = 0; i < Slots::DtmfCount; ++i)
        doc.SetDtmfRecord(i, "0" + std::to_string(i) + ",0123456789ABCD*#,NAME");
}

template <typename F> double MedianMs(F&& f, int runs) {
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main() {
    TMemoryDocument doc;
    FillFull(doc);
    AnsiString text;
    const double save = MedianMs([&] { text = WriteDocumentText(doc, "full document"); }, 501);

    TMemoryDocument target;
    target.SetRadioType("1,2,00,1,1,,");
    target.LastChannel = target.ChannelsLastForType();
    AnsiString comment;
    const double open = MedianMs(
        [&] {
            target.ClearDocument();
            ReadDocumentText(target, text, comment);
        },
        501);

    const std::string path =
        (std::filesystem::temp_directory_path() / "wyx-bench-document.r2").string();
    std::string error, bytes;
    const double saveFile = MedianMs(
        [&] { WriteFileAtomically(path, WriteDocumentText(doc, "full document"), error); }, 51);
    const double openFile = MedianMs(
        [&] {
            ReadWholeFile(path, bytes);
            target.ClearDocument();
            ReadDocumentText(target, bytes, comment);
        },
        501);
    std::filesystem::remove(path);

    std::printf("document: %zu bytes, %d memory slots\n", text.size(), doc.LastChannel + 21);
    std::printf("Save (format): %.3f ms median (goal < 5 ms)\n", save);
    std::printf("Open (clear + parse): %.3f ms median (goal < 5 ms)\n", open);
    std::printf("Save to file (format + write + fsync + rename): %.3f ms median%s\n", saveFile,
                error.empty() ? "" : " (write failed)");
    std::printf("Open from file (read + clear + parse): %.3f ms median\n", openFile);
    return 0;
}
