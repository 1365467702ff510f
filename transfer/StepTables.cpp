#include "transfer/StepTables.h"

#include <algorithm>
#include <cstdio>

namespace {

std::vector<int> Range(int first, int last) {
    std::vector<int> v;
    for (int i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

std::vector<int> Concat(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> v;
    for (const auto& p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

std::array<int, 101> ReadEchoLengths() {
    std::array<int, 101> e;
    e.fill(7);
    auto set = [&](int k, std::initializer_list<int> steps) {
        for (int s : steps)
            e[s] = k;
    };
    set(0, {58, 96, 99});
    set(3, {7, 8, 20, 22, 23, 27, 30, 31, 36, 41, 43, 48, 56, 59, 64, 67, 68, 74, 100});
    set(4, {21, 32, 37, 39, 40, 42, 44, 45, 46, 47, 49, 50, 51, 52, 53, 54,
            55, 57, 60, 66, 69, 70, 71, 72, 80, 81, 83, 84, 85, 90, 91});
    set(5, {11, 38, 61, 63, 65, 73, 82, 92});
    set(6, {33, 34});
    set(9, {12});
    set(10, {3, 13});
    set(11, {2});
    return e;
}

ReadStepTable MakeReadSteps() {
    using R = ReadRule;
    using G = MenuGroup;
    ReadStepTable t{};
    t.Title = "WYX-R2M";
    t.Identity = "VQ-R2M";
    t.FirstStep = 22;
    t.BeaconOffStep = 96;
    t.EndStep = 100;
    t.ExtraTickBeforeRemote = true;
    t.Echo = ReadEchoLengths();
    t.Handshake = {
        {22, "AI 0", ReadAction::ClearDocument, 58}, {58, "BCN", ReadAction::BeaconQuery, 23},
        {96, "BCN 0", ReadAction::BeaconOff, 23},    {23, "ID", ReadAction::Identity, 21},
        {21, "TYD", ReadAction::RadioType, 20},      {20, "FL", ReadAction::BandLimits, 31},
        {31, "DL", ReadAction::DualQuery, 59},       {59, "DL 1", ReadAction::Nothing, 99},
        {99, "BCN 0", ReadAction::StartRecords, 1},
    };
    const char* radio[28] = {"BC",  "DL",   "DUP", "BEL 0", "BEL 1", nullptr, "LK",
                             "LMP", "NSFT", "TSP", "TXH",   "PT",    "DTB",   "DS",
                             "TNC", "MES",  "CNT", "LAN",   "SV",    "APO",   "SCR",
                             "BEP", "ELK",  "TXS", "ARO",   "AIP",   "TH",    "TXN"};
    for (int item = 0; item < 28; ++item) {
        if (!radio[item] || item == 1) continue; // item 5 is never sent; item 1 is step 31
        R rule = item == 12                                               ? R::FirstAboveOneToZero
                 : (item == 17 || item == 25 || item == 26 || item == 27) ? R::EmptyToZero
                                                                          : R::AsIs;
        t.Items.push_back({30 + item, radio[item], G::Radio, item, rule});
    }
    t.Items.insert(t.Items.end(), {
                                      {60, "MYC", G::Aprs, 0, R::TrimTrailingBlanks},
                                      {61, "NMSG", G::Aprs, 1, R::TrimTrailingBlanks},
                                      {63, "POSC", G::Aprs, 2, R::PositionComment},
                                      {64, "GU", G::Aprs, 3, R::GpsUnit},
                                      {66, "ICO", G::Aprs, 5, R::AsIs},
                                      {67, "GM", G::Aprs, 6, R::AsIs},
                                      {68, "GC", G::Aprs, 7, R::AsIs},
                                      {69, "DTX", G::Aprs, 8, R::AsIs},
                                      {70, "ARL", G::Aprs, 9, R::AsIs},
                                      {71, "TXI", G::Aprs, 10, R::TxInterval},
                                      {72, "UPR", G::Aprs, 11, R::AsIs},
                                      {73, "UNIT", G::Aprs, 12, R::AsIs},
                                      {74, "PP", G::Aprs, 13, R::TrimTrailingBlanks},
                                      {80, "SMY", G::Sstv, 0, R::AsIs},
                                      {81, "MAC", G::Sstv, 1, R::AsIs},
                                      {82, "SMSG", G::Sstv, 2, R::AsIs},
                                      {83, "SMC", G::Sstv, 3, R::AsIs},
                                      {84, "RSV", G::Sstv, 4, R::AsIs},
                                      {85, "RSC", G::Sstv, 5, R::AsIs},
                                      {90, "SCC", G::Remote, 0, R::AsIs},
                                      {91, "SCT", G::Remote, 1, R::AsIs},
                                      {92, "SKTN", G::Remote, 2, R::AsIs},
                                  });
    t.Order.RadioMenu = Concat({{30, 32, 33, 34}, Range(36, 57)});
    t.Order.AprsRegion0 = {60, 61, 64, 66, 67, 68, 71, 74};
    t.Order.AprsOther = {60, 63, 64, 66, 69, 70, 71, 72, 73, 74}; // the write sends 71 later
    t.Order.Tail = Range(80, 85);
    t.Order.Remote = {90, 91, 92};
    return t;
}

WriteStepTable MakeWriteSteps() {
    using W = WriteRule;
    using G = MenuGroup;
    WriteStepTable t{};
    t.Title = "WYX-R2M";
    t.Identity = "ID VQ-R2M";
    const char* radio[28] = {"BC ",  "DL ",   "DUP ", "BEL 0,", "BEL 1,", nullptr, "LK ",
                             "LMP ", "NSFT ", "TSP ", "TXH ",   "PT ",    "DTB ",  "DS ",
                             "TNC ", "MES ",  "CNT ", "LAN ",   "SV ",    "APO ",  "SCR ",
                             "BEP ", "ELK ",  "TXS ", "ARO ",   "AIP ",   "TH ",   "TXN "};
    for (int item = 0; item < 28; ++item) {
        if (!radio[item]) continue;
        t.Items.push_back({30 + item, radio[item], G::Radio, item, item == 21 ? W::Beep : W::AsIs});
    }
    t.Items.insert(t.Items.end(), {
                                      {60, "MYC ", G::Aprs, 0, W::AsIs},
                                      {61, "NMSG ", G::Aprs, 1, W::AsIs},
                                      {63, "POSC ", G::Aprs, 2, W::PositionComment},
                                      {64, "GU ", G::Aprs, 3, W::AsIs},
                                      {66, "ICO ", G::Aprs, 5, W::AsIs},
                                      {67, "GM ", G::Aprs, 6, W::AsIs},
                                      {68, "GC ", G::Aprs, 7, W::AsIs},
                                      {69, "DTX ", G::Aprs, 8, W::AsIs},
                                      {70, "ARL ", G::Aprs, 9, W::AsIs},
                                      {71, "TXI ", G::Aprs, 10, W::TxInterval},
                                      {72, "UPR ", G::Aprs, 11, W::AsIs},
                                      {73, "UNIT ", G::Aprs, 12, W::AsIs},
                                      {74, "PP ", G::Aprs, 13, W::AsIs},
                                      {80, "SMY ", G::Sstv, 0, W::AsIs},
                                      {81, "MAC ", G::Sstv, 1, W::AsIs},
                                      {82, "SMSG ", G::Sstv, 2, W::AsIs},
                                      {83, "SMC ", G::Sstv, 3, W::AsIs},
                                      {84, "RSV ", G::Sstv, 4, W::AsIs},
                                      {85, "RSC ", G::Sstv, 5, W::AsIs},
                                      {90, "SCC ", G::Remote, 0, W::AsIs},
                                      {91, "SCT ", G::Remote, 1, W::AsIs},
                                      {92, "SKTN ", G::Remote, 2, W::AsIs},
                                  });
    t.Order.RadioMenu = Concat({{30, 32, 33, 34}, Range(36, 43), Range(45, 57)});
    t.Order.AprsRegion0 = {60, 61, 64, 66, 67, 68, 71, 74};
    t.Order.AprsOther = {60, 63, 64, 66, 69, 70, 72, 73, 71, 74};
    t.Order.Tail = Concat({{44}, Range(80, 85), {31}});
    t.Order.Remote = {90, 91, 92};
    return t;
}

template <class T> const T* FindStep(const std::vector<T>& rows, int step) {
    auto it = std::find_if(rows.begin(), rows.end(), [&](const T& r) { return r.Step == step; });
    return it == rows.end() ? nullptr : &*it;
}

} // namespace

std::vector<int> ItemOrder::For(char region) const {
    return Concat({RadioMenu, region == '0' ? AprsRegion0 : AprsOther, Tail,
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
