// What the radio type changes in the main window: grid rows and labels, fonts, captions,
// lists and which regional controls show.
#include "editor/MainForm.h"
#include <cstdio>

namespace {
AnsiString ScanEdgeLabel(int k) {
    return AnsiString(1, k % 2 == 0 ? 'L' : 'U') + AnsiString(1, char('0' + k / 2));
}

AnsiString ChannelLabel(int channel) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", channel);
    return text;
}
} // namespace

void TMainForm::LayoutGrids() {
    const char region = RadioTypeChar(1);
    LastChannel = region == '0' ? 149 : 199;
    const int n = LastChannel;

    StringGrid1->SetRowCount(n + 22);
    for (int i = 0; i <= n; ++i)
        StringGrid1->SetCells(1, i + 1, ChannelLabel(i));
    for (int k = 0; k < 20; ++k)
        StringGrid1->SetCells(1, n + 2 + k, ScanEdgeLabel(k));

    const AnsiString uhf = region == '2' ? "440MHz" : "430MHz";
    std::vector<AnsiString> bands;
    if (RadioTypeChar(4) == '1') bands.push_back("118MHz");
    bands.push_back("144MHz");
    bands.push_back("S144MHz");
    if (RadioTypeChar(5) == '1') bands.push_back("300MHz");
    bands.push_back(uhf);
    if (region == '0') bands.push_back("S430MHz");
    StringGrid2->SetRowCount(static_cast<int>(bands.size()) + 1);
    for (size_t i = 0; i < bands.size(); ++i)
        StringGrid2->SetCells(1, static_cast<int>(i) + 1, bands[i]);
    StringGrid2->SetColWidths(2, StringGrid2->ClientWidth() - StringGrid2->ColWidths(0) -
                                     StringGrid2->ColWidths(1));

    StringGrid3->SetCells(1, 1, "144MHz");
    StringGrid3->SetCells(1, 2, uhf);
}

void TMainForm::ApplyRadioTypeToControls() {
    const char region = RadioTypeChar(1);
    const bool japan = region == '0';

    for (TControl* c : std::initializer_list<TControl*>{
             StringGrid1, StringGrid2, StringGrid3, StringGrid4, StatusBar1, Edit2, Edit3, Edit5}) {
        c->Font().SetName(japan ? MainFormText::JapaneseFont : MainFormText::WesternFont);
        c->Font().SetCharset(japan ? 128 : 0);
    }
    RadioGroup1->SetVisible(japan);
    TabSheet3->SetCaption(japan ? "VELTANO menu" : "APRS menu");
    Label8->SetCaption(japan ? "Message" : "Status text");
    // Controls of the region-'0' form, and those of every other region.
    for (TControl* c :
         std::initializer_list<TControl*>{GroupBox12, GroupBox11, GroupBox25, GroupBox17})
        c->SetVisible(japan);
    for (TControl* c : std::initializer_list<TControl*>{
             Label9, ComboBox5, GroupBox10, GroupBox26, GroupBox24, GroupBox13, Label18, Edit13,
             Label39, ComboBox13, GroupBox16, CheckBox20})
        c->SetVisible(!japan);
    CheckBox14->SetCaption(japan ? "A Band BELL" : "A Band Tone alert");
    CheckBox15->SetCaption(japan ? "B Band BELL" : "B Band Tone alert");
    if (japan) {
        ComboBox8->SetItems({"0.5min", "1min", "3min", "5min", "10min", "30min"});
        ComboBox8->SetItemIndex(2);
    } else {
        ComboBox8->SetItems({"0.5min", "1min", "2min", "3min", "5min", "10min", "20min", "30min"});
        ComboBox8->SetItemIndex(4);
    }
    if (!Variant.FixedStatusTextWidth) Edit5->SetWidth(japan ? 200 : 255);

    const bool remote = region == '2';
    TabSheet4->SetCaption(remote ? "SSTV/Halcyra menu" : "SSTV menu");
    GroupBox21->SetVisible(remote);
    Label16->SetCaption(remote ? "mile" : "km");
    ComboBox13->SetItemIndex(remote ? 0 : 1);

    const bool europe = region == '3';
    CheckBox6->SetVisible(europe);
    CheckBox7->SetVisible(europe);
    GroupBox3->SetVisible(!europe);
    GroupBox4->SetVisible(!europe);
    GroupBox22->SetVisible(europe);
}
