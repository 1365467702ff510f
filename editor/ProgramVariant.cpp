#include "editor/ProgramVariant.h"
#include "transfer/StepTables.h"

namespace {
TProgramVariant MakeLaterProgram() {
    TProgramVariant v;
    v.Title = "WYX-R2M";
    v.ProductLine = "Wyxolan for VQ-R2(M)";
    v.SplashTitle = "WYX-R2M";
    v.AboutCaption = "About WYX-R2M";
    v.VersionLabel = "beta Version 0.00";
    v.UnitIdentifier = "APZ902";
    v.PortCount = 4;
    v.OtherPortChecksCom1 = true;
    v.SortOffered = true;
    v.PrintAndHelpEnabled = true;
    v.ChannelPasteLength = 30;
    v.SetupCaptions = {"VQ-R2U (U.S.A./Canada)", "VQ-R2K (Europe)", "VQ-R2 (Japan)"};
    v.SetupOffersEveryType = false;
    v.PositionLimitMask = "9999;1; ";
    v.PositionLimitText = "    ";
    v.HalcyraCallMaxLength = 9;
    v.FixedStatusTextWidth = 0;
    v.NameEditsTakeEscape = false;
    v.ProgramVfoEditsOwnFont = true;
    v.ReadSteps = &ReadSteps();
    v.WriteSteps = &WriteSteps();
    v.CallSignWalk = WalkCallSign;
    v.PacketPathWalk = WalkPacketPath;
    v.SstvTextWalk = WalkSstvText;
    return v;
}
} // namespace

const TProgramVariant& LaterProgram() {
    static const TProgramVariant v = MakeLaterProgram();
    return v;
}
