#include "transfer/Commands.h"

#include "transfer/Reshape.h"

namespace {

AnsiString Field(const TMemoryDocument& doc, int selector, int index, int field) {
    return doc.GetRecordField(selector, index, field);
}

// ",f1,...,f11" of a channel record.
AnsiString ChannelFields(const TMemoryDocument& doc, int selector, int index) {
    AnsiString t;
    for (int k = 1; k <= 11; ++k)
        t += "," + Field(doc, selector, index, k);
    return t;
}

AnsiString ModeOrZero(const TMemoryDocument& doc, int selector, int index) {
    AnsiString m = Field(doc, selector, index, 13);
    return m.empty() ? "0" : m;
}

AnsiString MenuValue(const TMemoryDocument& doc, const WriteItem& item) {
    switch (item.Group) {
    case MenuGroup::Radio:
        return Field(doc, selRadioMenu, item.Slot, 0);
    case MenuGroup::Aprs:
        return doc.GetAprsMenuItem(item.Slot);
    case MenuGroup::Sstv:
        return doc.GetSstvMenuItem(item.Slot);
    case MenuGroup::Remote:
        return doc.GetRemoteMenuItem(item.Slot);
    }
    return "";
}

AnsiString Apply(WriteRule rule, const AnsiString& v) {
    switch (rule) {
    case WriteRule::Beep:
        return reshape::BeepToRadio(v);
    case WriteRule::PositionComment:
        return reshape::PositionCommentToRadio(v);
    case WriteRule::TxInterval:
        return reshape::TxIntervalToRadio(v);
    case WriteRule::AsIs:
        break;
    }
    return v;
}

WriteCommand Sent(int step, AnsiString text) {
    reshape::Bound(text);
    return {true, step, std::move(text)};
}

WriteCommand Nothing(int step) {
    return {false, step, ""};
}

} // namespace

int RecordSlot(const TransferCursor& at, const TMemoryDocument& doc) {
    const int last = doc.ChannelsLastForType();
    if (at.ChannelIndex > at.LastChannel) return last + (at.ChannelIndex - at.LastChannel);
    return at.ChannelIndex <= last ? at.ChannelIndex : -1;
}

AnsiString ReadCommand(const ReadStepTable& table, int step, const TransferCursor& at,
                       const TMemoryDocument& doc) {
    if (step == table.EndStep) return "DL " + Field(doc, selRadioMenu, 1, 0);
    if (const ReadHandshakeStep* h = table.HandshakeStep(step)) return h->Command;
    if (const ReadItem* item = table.Item(step)) return item->Command;
    const AnsiString nnn = ThreeDigits(at.ChannelIndex);
    const AnsiString label = ScanEdgeLabel(at.ChannelIndex, at.LastChannel);
    const AnsiString band(1, BandDigitOfSlot(at.SubIndex));
    const AnsiString s = std::to_string(at.SubIndex);
    switch (step) {
    case 1:
        return "MR 0,0," + nnn;
    case 2:
        return "MR 0,1," + nnn;
    case 3:
        return "MNA 0," + nnn;
    case 4:
        return "MR 0,0," + label;
    case 13:
        return "MR 0,1," + label;
    case 12:
        return "MNA 0," + label;
    case 9:
        return "CR " + s + ",0";
    case 10:
        return "CR " + s + ",1";
    case 8:
        return "VR " + band;
    case 11:
        return at.SubIndex == 1 ? "PC 0" : "PC 1";
    case 27:
        return "PV " + band;
    case 7:
        return "DM " + TwoDigits(at.ChannelIndex);
    case 26:
        return "DMN " + TwoDigits(at.ChannelIndex);
    default:
        return "";
    }
}

WriteCommand BuildWriteCommand(const WriteStepTable& table, int step, const TransferCursor& at,
                               const TMemoryDocument& doc) {
    if (const WriteItem* item = table.Item(step))
        return Sent(step, item->Prefix + Apply(item->Rule, MenuValue(doc, *item)));
    if (const WriteHandshakeStep* h = table.HandshakeStep(step)) return Sent(step, h->Command);
    const int ci = at.ChannelIndex, si = at.SubIndex, slot = RecordSlot(at, doc);
    const AnsiString nnn = ThreeDigits(ci);
    const AnsiString label = ScanEdgeLabel(ci, at.LastChannel);
    const AnsiString nn = TwoDigits(ci);
    auto mem = [&](int k) { return Field(doc, selMemory, slot, k); };
    auto vfo = [&](int k) { return Field(doc, selVfo, si, k); };
    auto call = [&](int k) { return Field(doc, selCall, si, k); };
    auto dtmf = [&](int k) { return Field(doc, selDtmf, ci, k); };
    switch (step) {
    case wsMemory:
        if (mem(1).empty()) return Sent(wsMemoryClear, "MW 0,0," + nnn);
        return Sent(step, "MW 0,0," + nnn + ChannelFields(doc, selMemory, slot) + "," +
                              ModeOrZero(doc, selMemory, slot) + "," + mem(12));
    case wsMemorySplit:
        if (mem(14).empty()) return Nothing(step);
        return Sent(step, "MW 0,1," + nnn + "," + mem(14) + "," + mem(15));
    case wsMemoryName:
        return Sent(step, "MNA 0," + nnn + "," + mem(17));
    case wsScanEdge:
        if (mem(1).empty())
            return table.ClearEmptyScanEdges ? Sent(wsMemoryClear, "MW 0,0," + label)
                                             : Nothing(step);
        return Sent(step, "MW 0,0," + label + ChannelFields(doc, selMemory, slot) + "," +
                              ModeOrZero(doc, selMemory, slot) + "," + mem(12));
    case wsScanEdgeName:
        if (mem(17).empty()) return Nothing(step);
        return Sent(step, "MNA 0," + label + "," + mem(17));
    case wsScanEdgeSplit:
        if (mem(14).empty()) return Nothing(step);
        return Sent(step, "MW 0,1," + label + "," + mem(14) + "," + mem(15));
    case wsDtmf:
        if (dtmf(1).empty()) return Sent(step, "DM " + nn + ",");
        return Sent(step, "DM " + dtmf(0) + "," + reshape::DtmfCodeToRadio(dtmf(1)));
    case wsDtmfName:
        if (dtmf(2).empty()) return Sent(step, "DMN " + nn + ",");
        return Sent(step, "DMN " + dtmf(0) + "," + dtmf(2));
    case wsVfo:
        if (vfo(1).empty()) return Nothing(step);
        return Sent(step, "VW " + vfo(0) + ChannelFields(doc, selVfo, si) + "," +
                              ModeOrZero(doc, selVfo, si));
    case wsOutputPower:
        return Sent(step, (si == 1 ? "PC 0," : "PC 1,") + vfo(16));
    case wsCall:
        if (call(1).empty()) return Nothing(step);
        return Sent(step, "CW " + call(0) + ",0" + ChannelFields(doc, selCall, si) + "," +
                              ModeOrZero(doc, selCall, si));
    case wsCallSplit:
        if (call(14).empty()) return Nothing(step);
        return Sent(step, "CW " + call(0) + ",1," + call(14) + "," + call(15));
    case wsProgramVfo:
        if (Field(doc, selProgramVfo, si, 1).empty()) return Nothing(step);
        return Sent(step, "PV " + Field(doc, selProgramVfo, si, 0) + "," +
                              Field(doc, selProgramVfo, si, 1) + "," +
                              Field(doc, selProgramVfo, si, 2));
    case wsProgramVfoReset:
        if (Field(doc, selBandLimit, si, 0).empty()) return Nothing(step);
        return Sent(step, AnsiString("PV ") + BandDigitOfSlot(si) + "," +
                              Field(doc, selBandLimit, si, 0) + "," +
                              Field(doc, selBandLimit, si, 1));
    case wsVfoMode:
        return Sent(step, si == 0 ? "VMC 0,0" : "VMC 1,0");
    case wsScanEdgeClear:
        return Sent(step,
                    AnsiString("MW 0,0,") + (si % 2 == 0 ? 'L' : 'U') + std::to_string(si / 2));
    case wsRsvBlank:
        return Sent(step, "RSV ");
    default:
        return Nothing(step);
    }
}
