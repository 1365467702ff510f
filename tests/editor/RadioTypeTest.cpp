// Grid rows and labels, fonts, captions and visibility by radio type.
#include "MainFormFixture.h"

using namespace editortest;

namespace {
class RadioType : public MainFormTest {};

std::vector<AnsiString> Column(TStringGrid* g, int col) {
    std::vector<AnsiString> v;
    for (int r = 1; r < g->RowCount(); ++r)
        v.push_back(g->Cells(col, r));
    return v;
}

TEST_F(RadioType, Region0Has150ChannelsAndEveryVfoBand) {
    TMainForm* f = MakeWithType("1,0,0E,,1,1,");
    EXPECT_EQ(f->LastChannel, 149);
    TStringGrid* g = f->StringGrid1;
    EXPECT_EQ(g->RowCount(), 171);
    EXPECT_EQ(g->Cells(1, 1), "000");
    EXPECT_EQ(g->Cells(1, 8), "007");
    EXPECT_EQ(g->Cells(1, 150), "149");
    EXPECT_EQ(g->Cells(1, 151), "L0");
    EXPECT_EQ(g->Cells(1, 152), "U0");
    EXPECT_EQ(g->Cells(1, 169), "L9");
    EXPECT_EQ(g->Cells(1, 170), "U9");
    EXPECT_EQ(Column(f->StringGrid2, 1), (std::vector<AnsiString>{"118MHz", "144MHz", "S144MHz",
                                                                  "300MHz", "430MHz", "S430MHz"}));
    EXPECT_EQ(Column(f->StringGrid3, 1), (std::vector<AnsiString>{"144MHz", "430MHz"}));
}

TEST_F(RadioType, Region2ShowsThe440BandAndRemoteGroup) {
    TMainForm* f = MakeWithType("1,2,00,1,1,,");
    EXPECT_EQ(f->LastChannel, 199);
    EXPECT_EQ(f->StringGrid1->RowCount(), 221);
    EXPECT_EQ(f->StringGrid1->Cells(1, 200), "199");
    EXPECT_EQ(f->StringGrid1->Cells(1, 201), "L0");
    EXPECT_EQ(f->StringGrid1->Cells(1, 220), "U9");
    EXPECT_EQ(Column(f->StringGrid2, 1),
              (std::vector<AnsiString>{"118MHz", "144MHz", "S144MHz", "440MHz"}));
    EXPECT_EQ(Column(f->StringGrid3, 1), (std::vector<AnsiString>{"144MHz", "440MHz"}));
    EXPECT_TRUE(f->GroupBox21->Visible());
    EXPECT_EQ(f->TabSheet4->Caption(), "SSTV/Halcyra menu");
    EXPECT_EQ(f->Label16->Caption(), "mile");
    EXPECT_EQ(f->ComboBox13->ItemIndex(), 0);
}

TEST_F(RadioType, Region3SwapsCallAndDtmfForTheTallDtmfGrid) {
    TMainForm* f = MakeWithType("1,3,08,,,,");
    EXPECT_EQ(Column(f->StringGrid2, 1), (std::vector<AnsiString>{"144MHz", "S144MHz", "430MHz"}));
    EXPECT_FALSE(f->GroupBox3->Visible());
    EXPECT_FALSE(f->GroupBox4->Visible());
    EXPECT_TRUE(f->GroupBox22->Visible());
    EXPECT_TRUE(f->CheckBox6->Visible());
    EXPECT_TRUE(f->CheckBox7->Visible());
    EXPECT_FALSE(f->GroupBox21->Visible());
    EXPECT_EQ(f->TabSheet4->Caption(), "SSTV menu");
    // The refresh at construction shows the document's unit item; the type's own choice is
    // what the layout alone sets.
    EXPECT_EQ(f->ComboBox13->ItemIndex(), 0);
    f->ApplyRadioTypeToControls();
    EXPECT_EQ(f->Label16->Caption(), "km");
    EXPECT_EQ(f->ComboBox13->ItemIndex(), 1);
}

TEST_F(RadioType, AReadOfAnotherTypeRelaysTheGrids) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    f->SetRadioType("1,0,0E,,,,");
    f->LayoutGrids();
    EXPECT_EQ(f->LastChannel, 149);
    EXPECT_EQ(f->StringGrid1->RowCount(), 171);
    EXPECT_EQ(f->StringGrid1->Cells(1, 151), "L0");
    EXPECT_EQ(Column(f->StringGrid2, 1),
              (std::vector<AnsiString>{"144MHz", "S144MHz", "430MHz", "S430MHz"}));
    f->SetRadioType("1,2,00,,,1,");
    f->LayoutGrids();
    EXPECT_EQ(f->StringGrid1->RowCount(), 221);
    EXPECT_EQ(f->StringGrid1->Cells(1, 151), "150");
    EXPECT_EQ(f->StringGrid1->Cells(1, 220), "U9");
    EXPECT_EQ(Column(f->StringGrid2, 1),
              (std::vector<AnsiString>{"144MHz", "S144MHz", "300MHz", "440MHz"}));
    // The frequency column fills what the band column leaves.
    TStringGrid* v = f->StringGrid2;
    EXPECT_EQ(v->ColWidths(2), v->ClientWidth() - v->ColWidths(0) - v->ColWidths(1));
}

TEST_F(RadioType, AnUnknownRegionTakesTheOtherLook) {
    TMainForm* f = MakeWithType("1,7,00,,,,");
    EXPECT_EQ(f->LastChannel, 199);
    EXPECT_EQ(Column(f->StringGrid2, 1), (std::vector<AnsiString>{"144MHz", "S144MHz", "430MHz"}));
    EXPECT_EQ(f->TabSheet3->Caption(), "APRS menu");
    EXPECT_FALSE(f->GroupBox22->Visible());
    EXPECT_TRUE(f->GroupBox3->Visible());
}

TEST_F(RadioType, Region0UsesTheJapaneseLookOfTheAprsPage) {
    TMainForm* f = MakeWithType("1,0,0E,,,,");
    for (TControl* c : std::initializer_list<TControl*>{
             f->StringGrid1, f->StringGrid2, f->StringGrid3, f->StringGrid4, f->StatusBar1,
             f->Edit2, f->Edit3, f->Edit5}) {
        EXPECT_EQ(c->Font().Name(), "\x82\x6c\x82\x72\x81\x40\x82\x6f\x96\xbe\x92\xa9");
        EXPECT_EQ(c->Font().Charset(), 128);
    }
    EXPECT_TRUE(f->RadioGroup1->Visible());
    EXPECT_EQ(f->TabSheet3->Caption(), "VELTANO menu");
    EXPECT_EQ(f->Label8->Caption(), "Message");
    for (TControl* c : std::initializer_list<TControl*>{f->GroupBox12, f->GroupBox11, f->GroupBox25,
                                                        f->GroupBox17})
        EXPECT_TRUE(c->Visible());
    for (TControl* c : std::initializer_list<TControl*>{
             f->Label9, f->ComboBox5, f->GroupBox10, f->GroupBox26, f->GroupBox24, f->GroupBox13,
             f->Label18, f->Edit13, f->Label39, f->ComboBox13, f->GroupBox16, f->CheckBox20})
        EXPECT_FALSE(c->Visible());
    EXPECT_EQ(f->CheckBox14->Caption(), "A Band BELL");
    EXPECT_EQ(f->CheckBox15->Caption(), "B Band BELL");
    EXPECT_EQ(f->ComboBox8->Items(),
              (std::vector<AnsiString>{"0.5min", "1min", "3min", "5min", "10min", "30min"}));
    EXPECT_EQ(f->ComboBox8->Text(), "3min");
    EXPECT_EQ(f->Edit5->Width(), 200);
    EXPECT_FALSE(f->CheckBox6->Visible());
}

TEST_F(RadioType, SwitchingBackRestoresTheWesternLook) {
    TMainForm* f = MakeWithType("1,0,0E,,,,");
    f->SetRadioType("1,1,00,,,,");
    f->ApplyRadioTypeToControls();
    for (TControl* c : std::initializer_list<TControl*>{f->StringGrid1, f->StatusBar1, f->Edit5}) {
        EXPECT_EQ(c->Font().Name(), "Times New Roman");
        EXPECT_EQ(c->Font().Charset(), 0);
    }
    EXPECT_FALSE(f->RadioGroup1->Visible());
    EXPECT_EQ(f->TabSheet3->Caption(), "APRS menu");
    EXPECT_EQ(f->Label8->Caption(), "Status text");
    EXPECT_FALSE(f->GroupBox12->Visible());
    EXPECT_TRUE(f->GroupBox10->Visible());
    EXPECT_TRUE(f->CheckBox20->Visible());
    EXPECT_EQ(f->CheckBox14->Caption(), "A Band Tone alert");
    EXPECT_EQ(f->ComboBox8->Items().size(), 8u);
    EXPECT_EQ(f->ComboBox8->Text(), "5min");
    EXPECT_EQ(f->Edit5->Width(), 255);
}
} // namespace
