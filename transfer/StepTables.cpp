#include "transfer/StepTables.h"

#include <algorithm>
#include <cstdio>
#include <optional>

std::vector<int> StepRange(int first, int last) {
    std::vector<int> v;
    for (int i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

std::vector<int> ConcatSteps(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> v;
    for (const auto& p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

std::array<int, 101> EchoTable(std::initializer_list<std::pair<int, std::vector<int>>> lengths) {
    std::array<int, 101> e;
    e.fill(7);
    for (const auto& [k, steps] : lengths)
        for (int s : steps)
            e[s] = k;
    return e;
}

const std::vector<MenuWord>& MenuWords() {
    using G = MenuGroup;
    static const std::vector<MenuWord> words = [] {
        const char* radio[28] = {"BC",  "DL",   "DUP", "BEL 0", "BEL 1", nullptr, "LK",
                                 "LMP", "NSFT", "TSP", "TXH",   "PT",    "DTB",   "DS",
                                 "TNC", "MES",  "CNT", "LAN",   "SV",    "APO",   "SCR",
                                 "BEP", "ELK",  "TXS", "ARO",   "AIP",   "TH",    "TXN"};
        std::vector<MenuWord> v;
        for (int item = 0; item < 28; ++item)
            if (radio[item]) v.push_back({30 + item, radio[item], G::Radio, item});
        const char* aprs[15] = {"MYC", "NMSG", "STAT", "POSC", "GU",  "MP",   "ICO", "GM",
                                "GC",  "DTX",  "ARL",  "TXI",  "UPR", "UNIT", "PP"};
        const int aprsSlot[15] = {0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        for (int i = 0; i < 15; ++i)
            v.push_back({60 + i, aprs[i], G::Aprs, aprsSlot[i]});
        const char* sstv[6] = {"SMY", "MAC", "SMSG", "SMC", "RSV", "RSC"};
        for (int i = 0; i < 6; ++i)
            v.push_back({80 + i, sstv[i], G::Sstv, i});
        const char* remote[3] = {"SCC", "SCT", "SKTN"};
        for (int i = 0; i < 3; ++i)
            v.push_back({90 + i, remote[i], G::Remote, i});
        return v;
    }();
    return words;
}

std::vector<ReadItem> ReadItemsOf(const std::function<std::optional<ReadRule>(int)>& rule) {
    std::vector<ReadItem> items;
    for (const MenuWord& w : MenuWords())
        if (std::optional<ReadRule> r = rule(w.Step))
            items.push_back({w.Step, w.Word, w.Group, w.Slot, *r});
    return items;
}

std::vector<WriteItem> WriteItemsOf(const std::function<std::optional<WriteRule>(int)>& rule) {
    std::vector<WriteItem> items;
    for (const MenuWord& w : MenuWords()) {
        std::optional<WriteRule> r = rule(w.Step);
        if (!r) continue;
        const bool bell = w.Step == 33 || w.Step == 34; // "BEL 0," and "BEL 1,"
        items.push_back({w.Step, w.Word + AnsiString(bell ? "," : " "), w.Group, w.Slot, *r});
    }
    return items;
}

namespace {

std::array<int, 101> ReadEchoLengths() {
    return EchoTable({
        {0, {58, 96, 99}},
        {3, {7, 8, 20, 22, 23, 27, 30, 31, 36, 41, 43, 48, 56, 59, 64, 67, 68, 74, 100}},
        {4, {21, 32, 37, 39, 40, 42, 44, 45, 46, 47, 49, 50, 51, 52, 53, 54,
             55, 57, 60, 66, 69, 70, 71, 72, 80, 81, 83, 84, 85, 90, 91}},
        {5, {11, 38, 61, 63, 65, 73, 82, 92}},
        {6, {33, 34}},
        {9, {12}},
        {10, {3, 13}},
        {11, {2}},
    });
}

ReadStepTable MakeReadSteps() {
    using R = ReadRule;
    ReadStepTable t{};
    t.Title = "WYX-R2M";
    t.Identity = "VQ-R2M";
    t.FirstStep = 22;
    t.BeaconOffStep = 96;
    t.EndStep = 100;
    t.ExtraTickBeforeRemote = true;
    t.LayoutFromRadioType = true;
    t.Echo = ReadEchoLengths();
    t.Handshake = {
        {22, "AI 0", ReadAction::ClearDocument, 58}, {58, "BCN", ReadAction::BeaconQuery, 23},
        {96, "BCN 0", ReadAction::BeaconOff, 23},    {23, "ID", ReadAction::Identity, 21},
        {21, "TYD", ReadAction::RadioType, 20},      {20, "FL", ReadAction::BandLimits, 31},
        {31, "DL", ReadAction::DualQuery, 59},       {59, "DL 1", ReadAction::Nothing, 99},
        {99, "BCN 0", ReadAction::StartRecords, 1},
    };
    t.Items = ReadItemsOf([](int step) -> std::optional<R> {
        switch (step) {
        case 31: // read at the start
        case 62: // the status text and the position are not read
        case 65:
            return std::nullopt;
        case 42:
            return R::FirstAboveOneToZero;
        case 47:
        case 55:
        case 56:
        case 57:
            return R::EmptyToZero;
        case 60:
        case 61:
        case 74:
            return R::TrimTrailingBlanks;
        case 63:
            return R::PositionComment;
        case 64:
            return R::GpsUnit;
        case 71:
            return R::TxInterval;
        default:
            return R::AsIs;
        }
    });
    t.Order.RadioMenu = ConcatSteps({{30, 32, 33, 34}, StepRange(36, 57)});
    t.Order.AprsRegion0 = {60, 61, 64, 66, 67, 68, 71, 74};
    t.Order.AprsOther = {60, 63, 64, 66, 69, 70, 71, 72, 73, 74}; // the write sends 71 later
    t.Order.Tail = StepRange(80, 85);
    t.Order.Remote = {90, 91, 92};
    return t;
}

WriteStepTable MakeWriteSteps() {
    using W = WriteRule;
    WriteStepTable t{};
    t.Title = "WYX-R2M";
    t.Identity = "ID VQ-R2M";
    t.FirstStep = 22;
    using A = WriteAction;
    t.Handshake = {
        {22, "AI 0", A::Next, 58},
        {58, "BCN", A::BeaconQuery, 23},
        {96, "BCN 0", A::BeaconOff, 23},
        {23, "ID", A::Identity, 21},
        {21, "TYD", A::RadioType, 59},
        {59, "DL 1", A::Next, 99},
        {99, "BCN 0", A::TncOff, wnBandLimits},
        {95, "TNC 0", A::Next, wnBandLimits},
    };
    t.AfterBandLimits = 98;
    t.ClearEmptyScanEdges = false;
    t.BeforeVfos = 97;
    t.LayoutAtShow = true;
    t.Items = WriteItemsOf([](int step) -> std::optional<W> {
        switch (step) {
        case 62: // the status text and the position are not written
        case 65:
            return std::nullopt;
        case 51:
            return W::Beep;
        case 63:
            return W::PositionComment;
        case 71:
            return W::TxInterval;
        default:
            return W::AsIs;
        }
    });
    t.Order.RadioMenu = ConcatSteps({{30, 32, 33, 34}, StepRange(36, 43), StepRange(45, 57)});
    t.Order.AprsRegion0 = {60, 61, 64, 66, 67, 68, 71, 74};
    t.Order.AprsOther = {60, 63, 64, 66, 69, 70, 72, 73, 71, 74};
    t.Order.Tail = ConcatSteps({{44}, StepRange(80, 85), {31}});
    t.Order.Remote = {90, 91, 92};
    return t;
}

template <class T> const T* FindStep(const std::vector<T>& rows, int step) {
    auto it = std::find_if(rows.begin(), rows.end(), [&](const T& r) { return r.Step == step; });
    return it == rows.end() ? nullptr : &*it;
}

} // namespace

std::vector<int> ItemOrder::For(char region) const {
    return ConcatSteps({RadioMenu, region == '0' ? AprsRegion0 : AprsOther, Tail,
                        region == '2' ? Remote : std::vector<int>{}});
}

int ItemOrder::Next(int step, char region) const {
    std::vector<int> order = For(region);
    auto it = std::find(order.begin(), order.end(), step);
    if (it == order.end() || ++it == order.end()) return 0;
    return *it;
}

int ReadStepTable::EchoSkipLength(int step) const {
    return step >= 0 && step < static_cast<int>(Echo.size()) ? Echo[step] : 7;
}

const ReadHandshakeStep* ReadStepTable::HandshakeStep(int step) const {
    return FindStep(Handshake, step);
}

const ReadItem* ReadStepTable::Item(int step) const {
    return FindStep(Items, step);
}

const WriteItem* WriteStepTable::Item(int step) const {
    return FindStep(Items, step);
}

const WriteHandshakeStep* WriteStepTable::HandshakeStep(int step) const {
    return FindStep(Handshake, step);
}

const ReadStepTable& ReadSteps() {
    static const ReadStepTable t = MakeReadSteps();
    return t;
}

const WriteStepTable& WriteSteps() {
    static const WriteStepTable t = MakeWriteSteps();
    return t;
}

AnsiString ThreeDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

AnsiString TwoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

AnsiString ScanEdgeLabel(int channelIndex, int lastChannel) {
    int r = channelIndex - lastChannel;
    return AnsiString(1, r % 2 != 0 ? 'L' : 'U') + std::to_string((r + 1) / 2 - 1);
}

char BandDigitOfSlot(int slot) {
    return slot >= 0 && slot < 6 ? "123567"[slot] : '7';
}
