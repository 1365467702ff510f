#include "earlier/EarlierProgram.h"

namespace {
TProgramVariant MakeEarlierProgram() {
    TProgramVariant v;
    v.Title = "WYX-R2";
    v.ProductLine = "Wyxolan for VQ-R2";
    v.SplashTitle = "WYX-R2";
    v.AboutCaption = "About WYX-R2";
    v.VersionLabel = "Version 0.01 Beta";
    v.UnitIdentifier = "APZ901";
    v.PortCount = 2;
    v.OtherPortChecksCom1 = false;
    v.SortOffered = false;
    v.PrintAndHelpEnabled = false;
    v.ChannelPasteLength = 20;
    v.SetupCaptions = {"VQ-R2U (U.S.A/Canada model)", "VQ-R2K (Europe model)",
                       "VQ-R2 (Japan model)"};
    v.SetupOffersEveryType = true;
    // Three optional digits and a fixed trailing "0"; empty positions show as "0".
    v.PositionLimitMask = "999\\0;1;0";
    v.PositionLimitText = "   0";
    v.HalcyraCallMaxLength = 0;
    // The status text keeps one width for every region: as wide as the page allows beside the
    // GPS unit group.
    v.FixedStatusTextWidth = 268;
    v.NameEditsTakeEscape = true;
    v.ProgramVfoEditsOwnFont = false;
    v.ReadSteps = &Earlier::ReadSteps();
    v.WriteSteps = &Earlier::WriteSteps();
    v.CallSignWalk = Earlier::WalkCallSign;
    v.PacketPathWalk = Earlier::WalkPacketPath;
    v.SstvTextWalk = Earlier::WalkSstvText;
    v.MaskEdit12Change = Earlier::MaskEdit12Change;
    v.ShowSymbolTable = Earlier::ShowSymbolTable;
    v.PastedAmMode = Earlier::PastedAmMode;
    v.PastedDtmfName = Earlier::PastedDtmfName;
    return v;
}
} // namespace

const TProgramVariant& EarlierProgram() {
    static const TProgramVariant v = MakeEarlierProgram();
    return v;
}
