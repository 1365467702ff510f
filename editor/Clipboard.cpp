// Single records through the clipboard: Copy, Cut, Paste and Delete on the Memory page grids,
// and the check that enables Paste only where the clipboard record fits the selected row.
#include "editor/MainForm.h"
#include "editor/model/DocumentFile.h"
#include "editor/model/TextChecks.h"
#include "platform/Clipbrd.h"

#include <algorithm>

namespace {

enum : int { gridMemory = 1, gridVfo = 2, gridCall = 3, gridDtmf = 4 };

constexpr std::size_t FrequencyDigits = 11;

bool AllDigits(const AnsiString& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The leading decimal digits of a text as a number (0 when there are none); long digit runs
// saturate instead of overflowing.
long LeadingNumber(const AnsiString& s) {
    long n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        n = std::min(n * 10 + (c - '0'), 1000000L);
    }
    return n;
}

// The slot the selected row of a grid names; -1 for no grid.
int SelectedSlot(const TMainForm& f, int grid) {
    switch (grid) {
    case gridMemory:
        return f.StringGrid1->Row() - 1;
    case gridVfo:
        return f.VfoRowSlot(f.StringGrid2->Row());
    case gridCall:
        return f.StringGrid3->Row() - 1;
    case gridDtmf:
        return f.DtmfGridInUse()->Row() - 1;
    default:
        return -1;
    }
}

// The record of a grid's slot in its document-file line form; empty for no grid.
AnsiString LineForm(const TMainForm& f, int grid, int slot) {
    AnsiString text;
    switch (grid) {
    case gridMemory:
        text = f.GetMemoryRecord(slot);
        TabifyMemoryRecord(text);
        break;
    case gridVfo:
        text = f.GetVfoRecord(slot);
        TabifyRecord(text);
        break;
    case gridCall:
        text = f.GetCallRecord(slot);
        TabifyRecord(text);
        break;
    case gridDtmf:
        text = f.GetDtmfRecord(slot);
        TabifyDtmfRecord(text);
        break;
    default:
        break;
    }
    return text;
}

// Replaces the clipboard content by the text, NUL-terminated, in the private format.
void PutOnClipboard(const TMainForm& f, const AnsiString& text) {
    if (f.ClipboardFormat == 0) {
        Clipboard()->Clear();
        return;
    }
    AnsiString block = text;
    block.push_back('\0');
    Clipboard()->SetData(f.ClipboardFormat, block);
}

// Copies a record from the clipboard into the scratch record, TABs back to commas. Without a
// record of our format the scratch record keeps what it held. The text ends at its first NUL
// and is cut to the scratch record's capacity.
void ReadClipboardIntoScratch(TMainForm& f) {
    if (f.ClipboardFormat == 0) return;
    std::optional<AnsiString> data = Clipboard()->GetData(f.ClipboardFormat);
    if (!data) return;
    AnsiString text = data->substr(0, data->find('\0'));
    if (text.size() > Slots::ScratchWidth - 1) text.resize(Slots::ScratchWidth - 1);
    std::replace(text.begin(), text.end(), '\t', ',');
    f.SetClipboardScratch(text);
}

AnsiString ScratchText(const TMainForm& f) {
    return f.GetRecordField(selScratchName, 0, 0); // field 0 with the rest: the whole text
}

// A DTMF record in its own shape: a two-digit number and a comma, then the code and the name,
// no longer than a DTMF slot holds. No channel record looks so: its label has one or three
// characters or a letter, and with a two-character label its 18 fields and frequency alone are
// longer.
bool HasDtmfShape(const AnsiString& record) {
    return record.size() < Slots::DtmfWidth && record.size() > 2 && record[2] == ',' &&
           AllDigits(record.substr(0, 2));
}

// Whether the scratch record may be pasted onto the selected row of the active grid. A record
// of neither shape is told by its length.
bool ScratchFitsSelection(const TMainForm& f) {
    const AnsiString record = ScratchText(f);
    if (record.empty()) return false;
    if (HasDtmfShape(record) || record.size() < f.Variant.ChannelPasteLength)
        return f.ActiveGrid == gridDtmf;
    if (f.ActiveGrid < gridMemory || f.ActiveGrid > gridCall) return false;

    // A channel record whose frequency is not 11 digits has no band to check it against.
    const AnsiString rx = f.GetRecordField(selScratch, 0, 1);
    if (rx.size() != FrequencyDigits || !AllDigits(rx)) return false;
    const AnsiString mhz = rx.substr(2, 3);
    const int band = BandOfFrequencyText(f, mhz + "00");
    const long m = LeadingNumber(mhz);

    long lower = 0, upper = 0;
    const int vfoSlot = f.ActiveGrid == gridVfo ? SelectedSlot(f, gridVfo) : -1;
    if (f.ActiveGrid == gridVfo) {
        lower = LeadingNumber(f.GetRecordField(selProgramVfo, vfoSlot, 1));
        upper = LeadingNumber(f.GetRecordField(selProgramVfo, vfoSlot, 2));
    } else {
        lower = LeadingNumber(f.GetRecordField(selBandLimit, band, 0));
        upper = LeadingNumber(f.GetRecordField(selBandLimit, band, 1));
    }
    if (m < lower || m > upper) return false;

    switch (f.ActiveGrid) {
    case gridMemory:
        return true;
    case gridVfo:
        return band == vfoSlot || (band == 1 && vfoSlot == 2) || (band == 4 && vfoSlot == 5);
    default: { // CALL
        const int row = f.StringGrid3->Row();
        if (row == 1) return band == 1 || (band == 0 && f.RadioTypeFlag(4) == '1');
        if (row == 2)
            return band == 4 || (band == 3 && f.RadioTypeFlag(5) == '1') ||
                   (band == 6 && f.RadioTypeFlag(6) == '1');
        return false;
    }
    }
}

// The name field of a pasted record: kept only when the radio type's character set allows it.
AnsiString AcceptedName(const TMainForm& f, AnsiString name) {
    return CheckMemoryName(f, name) ? name : AnsiString();
}

// The pasted DTMF record for slot k: its own number, the code and the name.
AnsiString PastedDtmfRecord(const TMainForm& f, int slot) {
    const AnsiString name = f.GetRecordField(selScratchDtmfName, 0, 2);
    return "0" + std::to_string(slot) + "," + f.GetRecordField(selScratch, 0, 1) + "," +
           (f.Variant.PastedDtmfName ? f.Variant.PastedDtmfName(f, name) : AcceptedName(f, name));
}

// The pasted channel record for the selected row of a channel grid: the target keeps its own
// label and takes the fields that suit its kind.
AnsiString PastedChannelRecord(const TMainForm& f, int grid, int slot) {
    auto src = [&f](int k) { return f.GetRecordField(selScratch, 0, k); };
    const char region = f.RegionDigit();

    AnsiString label;
    if (grid == gridMemory)
        label = f.StringGrid1->Cells(1, f.StringGrid1->Row());
    else
        label = f.GetRecordField(grid == gridVfo ? selVfo : selCall, slot, 0);

    const AnsiString rx = src(1);
    AnsiString shift = src(3);
    if (region != '3' && shift > "2") shift = "0";
    AnsiString offset = src(11);
    if (offset.empty()) {
        const bool below300 = rx.size() > 2 && rx[2] < '3';
        offset = below300 ? "000600000" : region == '3' ? "001600000" : "005000000";
    }

    AnsiString lockout, tx, txStep, power, name;
    if (grid == gridMemory) {
        const bool scanEdge =
            !label.empty() && (label[0] == 'L' || label[0] == 'U' || label[0] == 'P');
        if (!scanEdge) lockout = src(12).empty() ? AnsiString("0") : src(12);
        tx = src(14);
        txStep = src(15);
        name = AcceptedName(f, f.GetRecordField(selScratchName, 0, 17));
    } else if (grid == gridVfo) {
        if (label == "2" || label == "6") {
            const AnsiString p = src(16);
            power = (p == "0" || p == "2" || p == "3") ? p : AnsiString("0");
        }
    } else {
        tx = src(14);
        txStep = src(15);
    }

    const AnsiString am = f.Variant.PastedAmMode ? f.Variant.PastedAmMode(src(13)) : src(13);
    const AnsiString fields[18] = {label,   rx, src(2), shift,  src(4),  src(5),
                                   src(6),  "", src(8), "",     src(10), offset,
                                   lockout, am, tx,     txStep, power,   name};
    AnsiString record = fields[0];
    for (int k = 1; k < 18; ++k)
        record += "," + fields[k];
    return record;
}

// The grids live on the Memory page. While a settings page is shown no command may change or
// copy a record the user cannot see, whatever state the commands' controls were left in.
bool MemoryPageShown(const TMainForm& f) {
    return f.PageControl1->ActivePage() == f.TabSheet1;
}

// Cut and Delete act on the memory and DTMF grids only.
bool RefuseOnChannelOnlyGrid(const TMainForm& f) {
    if (f.ActiveGrid == gridMemory || f.ActiveGrid == gridDtmf) return false;
    Application->MessageBox("Invalid function.", f.TitleBase, MB_OK | MB_ICONINFORMATION);
    return true;
}

} // namespace

void TMainForm::Copy1Click(TObject*) {
    if (!MemoryPageShown(*this)) return;
    PutOnClipboard(*this, LineForm(*this, ActiveGrid, SelectedSlot(*this, ActiveGrid)));
    UpdatePasteAvailability();
}

void TMainForm::Cut1Click(TObject*) {
    if (!MemoryPageShown(*this)) return;
    ModifiedFlag = 1;
    if (RefuseOnChannelOnlyGrid(*this)) return;
    const int slot = SelectedSlot(*this, ActiveGrid);
    const AnsiString text = LineForm(*this, ActiveGrid, slot);
    if (ActiveGrid == gridMemory)
        ClearMemoryRecord(slot);
    else
        ClearDtmfRecord(slot);
    PutOnClipboard(*this, text);
    UpdatePasteAvailability();
    RefreshAllControls();
}

void TMainForm::Delete1Click(TObject*) {
    if (!MemoryPageShown(*this)) return;
    ModifiedFlag = 1;
    if (RefuseOnChannelOnlyGrid(*this)) return;
    TStringGrid* grid = ActiveGrid == gridMemory ? StringGrid1 : DtmfGridInUse();
    const TGridRect sel = grid->Selection();
    for (int row = std::max(sel.Top, 1); row <= sel.Bottom && row < grid->RowCount(); ++row) {
        if (ActiveGrid == gridMemory)
            ClearMemoryRecord(row - 1);
        else
            ClearDtmfRecord(row - 1);
    }
    RefreshAllControls();
}

void TMainForm::Paste1Click(TObject*) {
    if (!MemoryPageShown(*this)) return;
    // The selection may have moved (keys, another program's copy) since Paste was enabled;
    // a record that does not fit the row now is not pasted.
    UpdatePasteAvailability();
    if (!ScratchFitsSelection(*this)) return;
    ModifiedFlag = 1;
    const int slot = SelectedSlot(*this, ActiveGrid);
    switch (ActiveGrid) {
    case gridDtmf:
        SetDtmfRecord(slot, PastedDtmfRecord(*this, slot));
        break;
    case gridMemory:
        SetMemoryRecord(slot, PastedChannelRecord(*this, ActiveGrid, slot));
        break;
    case gridVfo:
        SetVfoRecord(slot, PastedChannelRecord(*this, ActiveGrid, slot));
        break;
    case gridCall:
        SetCallRecord(slot, PastedChannelRecord(*this, ActiveGrid, slot));
        break;
    default:
        return;
    }
    RefreshAllControls();
}

void TMainForm::UpdatePasteAvailability() {
    ReadClipboardIntoScratch(*this);

    for (TMenuItem* item : {Paste1, Paste2, Paste3})
        item->SetEnabled(false);
    SpeedButton3->SetEnabled(false);
    if (!MemoryPageShown(*this)) { // the page change turns them on again on the Memory page
        for (TMenuItem* item : {Cut1, Cut2, Delete1, Delete2})
            item->SetEnabled(false);
        SpeedButton2->SetEnabled(false);
        return;
    }
    if (ScratchFitsSelection(*this)) {
        const bool popup1 = ActiveGrid == gridMemory || ActiveGrid == gridDtmf;
        Paste1->SetEnabled(true);
        (popup1 ? Paste2 : Paste3)->SetEnabled(true);
        SpeedButton3->SetEnabled(true);
    }

    const bool cutAndDelete = ActiveGrid != gridVfo && ActiveGrid != gridCall;
    for (TMenuItem* item : {Cut1, Cut2, Delete1, Delete2})
        item->SetEnabled(cutAndDelete);
    SpeedButton2->SetEnabled(cutAndDelete);
}
