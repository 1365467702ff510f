// Step tables of the earlier program's transfers: its start order without a beacon query, its
// echo lengths, the status text and position items, menu values sent and stored as they are,
// and its own orders of the menu items.
#include "earlier/EarlierProgram.h"
#include "earlier/EarlierQComm.h"
#include "transfer/StepTables.h"

namespace {

ReadStepTable MakeReadSteps() {
    using R = ReadRule;
    using A = ReadAction;
    ReadStepTable t{};
    t.Title = "WYX-R2";
    t.Identity = "VQ-R2";
    t.FirstStep = 58;
    t.BeaconOffStep = 0; // no beacon query, no retry
    t.EndStep = 99;
    t.ExtraTickBeforeRemote = true;
    t.LayoutFromRadioType = false;
    t.NewComm = NewEarlierQComm;
    t.Echo = EchoTable({
        {3, {7, 8, 20, 22, 23, 27, 30, 31, 36, 41, 43, 48, 56, 59, 64, 65, 67, 68, 74, 99}},
        {4, {21, 32, 37, 39, 40, 42, 44, 45, 46, 47, 49, 50, 51, 52, 53, 54,
             55, 57, 58, 60, 66, 69, 70, 71, 72, 80, 81, 83, 84, 85, 90, 91}},
        {5, {11, 38, 61, 62, 63, 73, 82, 92}},
        {6, {33, 34}},
        {9, {6, 12}},
        {10, {3, 13, 14}},
        {11, {2}},
    });
    t.Handshake = {
        {58, "BCN 0", A::Nothing, 22}, // the reply is not looked at
        {22, "AI 0", A::ClearDocument, 23}, {23, "ID", A::Identity, 21},
        {21, "TYD", A::RadioType, 20},      {20, "FL", A::BandLimits, 31},
        {31, "DL", A::DualQuery, 59},       {59, "DL 1", A::StartRecords, 1},
    };
    // Every reply is stored as it comes, but for these.
    t.Items = ReadItemsOf([](int step) -> std::optional<R> {
        switch (step) {
        case 31: // read at the start
            return std::nullopt;
        case 47:
        case 55:
        case 56:
        case 57:
            return R::EmptyToZero;
        case 60:
        case 61:
        case 62:
        case 74:
            return R::TrimTrailingBlanks;
        default:
            return R::AsIs;
        }
    });
    t.Order.RadioMenu = ConcatSteps({{30, 32, 33, 34}, StepRange(36, 57)});
    t.Order.AprsRegion0 = {60, 61, 64, 65, 66, 67, 68, 71, 74};
    t.Order.AprsOther = {60, 62, 63, 64, 65, 66, 69, 70, 71, 72, 73, 74};
    t.Order.Tail = StepRange(80, 85);
    t.Order.Remote = {90, 91, 92};
    return t;
}

WriteStepTable MakeWriteSteps() {
    using A = WriteAction;
    WriteStepTable t{};
    t.Title = "WYX-R2";
    t.Identity = "ID VQ-R2";
    t.FirstStep = 58;
    t.Handshake = {
        {58, "BCN 0", A::Next, 22},        {22, "AI 0", A::Next, 23},
        {23, "ID", A::Identity, 21},       {21, "TYD", A::RadioType, wnBandLimits},
        {59, "DL 1", A::Next, wnChannels},
    };
    t.AfterBandLimits = 59;
    t.ClearEmptyScanEdges = true;
    t.BeforeVfos = 0;
    t.LayoutAtShow = false;
    t.NewComm = NewEarlierQComm;
    // Every value goes out as it is stored.
    t.Items = WriteItemsOf([](int) -> std::optional<WriteRule> { return WriteRule::AsIs; });
    t.Order.RadioMenu =
        ConcatSteps({{30, 44, 32, 33, 34, 31}, StepRange(36, 43), StepRange(45, 57)});
    t.Order.AprsRegion0 = {60, 61, 64, 65, 66, 67, 68, 71, 74};
    t.Order.AprsOther = {60, 62, 63, 64, 65, 66, 69, 70, 72, 73, 71, 74};
    t.Order.Tail = StepRange(80, 85);
    t.Order.Remote = {90, 91, 92};
    return t;
}

} // namespace

const ReadStepTable& Earlier::ReadSteps() {
    static const ReadStepTable t = MakeReadSteps();
    return t;
}

const WriteStepTable& Earlier::WriteSteps() {
    static const WriteStepTable t = MakeWriteSteps();
    return t;
}
