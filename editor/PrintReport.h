// The printed listing of the whole document, laid out as page and line positions without a
// printer, so the print command only has to draw it.
#pragma once
#include "editor/model/MemoryDocument.h"
#include <vector>

namespace PrintLayout {
constexpr int LinesPerPage = 60;
constexpr int LeftEdge = 200;
} // namespace PrintLayout

struct ReportLine {
    int Page; // 1 is the first page
    int Line; // 0 .. LinesPerPage - 1 on its page
    AnsiString Text;
};

// The one-line text of a memory (kind 1), VFO (2) or CALL (3) record; replaces `line`.
void FormatChannelLine(const TMemoryDocument& doc, int kind, int index, AnsiString& line);

// Every line of the listing in print order. `header` heads each page; an empty `comment`
// prints no comment block.
std::vector<ReportLine> BuildPrintReport(const TMemoryDocument& doc, const AnsiString& header,
                                         const AnsiString& comment);
