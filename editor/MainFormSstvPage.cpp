// The SSTV page with the remote-control (Halcyra) group.
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include "editor/ToneTable.h"

namespace {
const std::vector<AnsiString> kColours{"Black", "Blue", "Red",    "Magenta",
                                       "Green", "Cyan", "Yellow", "White"};
}

void TMainForm::CreateSstvPage() {
    TTabSheet* p = TabSheet4;
    GroupBox19 = PlaceCaptioned<TGroupBox>(this, p, 8, 6, 370, 206, "SSTV");
    Label24 = PlaceLabel(this, GroupBox19, 12, 26, "My call sign");
    Edit14 = PlaceEdit(this, GroupBox19, 150, 22, 110, 8);
    Label25 = PlaceLabel(this, GroupBox19, 12, 56, "My call color");
    ComboBox9 = PlaceList(this, GroupBox19, 150, 52, 110, kColours);
    Label26 = PlaceLabel(this, GroupBox19, 12, 86, "Message");
    Edit15 = PlaceEdit(this, GroupBox19, 150, 82, 110, 9);
    Label27 = PlaceLabel(this, GroupBox19, 12, 116, "Message color");
    ComboBox10 = PlaceList(this, GroupBox19, 150, 112, 110, kColours);
    Label28 = PlaceLabel(this, GroupBox19, 12, 146, "RSV etc.");
    Edit16 = PlaceEdit(this, GroupBox19, 150, 142, 110, 10);
    Label29 = PlaceLabel(this, GroupBox19, 12, 176, "RSV color");
    ComboBox11 = PlaceList(this, GroupBox19, 150, 172, 110, kColours);

    GroupBox21 = PlaceCaptioned<TGroupBox>(this, p, 398, 6, 370, 116, "Halcyra");
    Label30 = PlaceLabel(this, GroupBox21, 12, 26, "Commander call sign", 140);
    Edit17 = PlaceEdit(this, GroupBox21, 160, 22, 110, Variant.HalcyraCallMaxLength);
    Edit17->SetText("NOCALL");
    Label31 = PlaceLabel(this, GroupBox21, 12, 56, "Transporter call sign", 140);
    Edit18 = PlaceEdit(this, GroupBox21, 160, 52, 110, Variant.HalcyraCallMaxLength);
    Edit18->SetText("NOCALL");
    Label32 = PlaceLabel(this, GroupBox21, 12, 86, "Tone frequency", 140);
    ComboBox12 = PlaceList(this, GroupBox21, 160, 82, 110, ToneList38());
}
