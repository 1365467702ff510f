// The ".r2" document file: the memory image and the comment as text lines under section
// headings, fields separated by TABs, lines ending in CR LF.
#pragma once
#include "editor/model/MemoryDocument.h"

#include <optional>

// Turn commas into TABs: all of them, the first 17 (commas of a memory name stay), or the
// first 2 (commas of a DTMF name stay).
void TabifyRecord(AnsiString& record);
void TabifyMemoryRecord(AnsiString& record);
void TabifyDtmfRecord(AnsiString& record);

// The whole file's bytes for the document and its comment. Radio type and band limits are not
// part of a file. Line breaks inside a value would break the layout and become blanks.
AnsiString WriteDocumentText(const TMemoryDocument& doc, const AnsiString& comment);

// Stores the records of a file's bytes into the document's slots, as read, without clearing it
// first (the caller does), and gives the comment line (empty when the file has none). Accepts
// CR LF and LF line ends and a last line without one; a line loses any CR and is cut to 99
// characters and at a NUL. Lines whose slot the layout lacks (channel numbers past N, unknown
// memory labels, DTMF numbers past 9, lines without a label) and empty record lines are skipped.
// Inside a menu section a heading word that fits the next value's slot is read as that value.
// Returns how many numbered channel lines were skipped for want of a slot.
int ReadDocumentText(TMemoryDocument& doc, const AnsiString& bytes, AnsiString& comment);

// The memory slot a record line's label names in a document of lastChannel + 1 numbered
// channels: a channel number its own slot, a scan-edge label (L0, U0 .. U9) the slot of that
// row; none for a number past lastChannel or a label that names no row.
std::optional<int> MemoryRecordSlot(const AnsiString& record, int lastChannel);
