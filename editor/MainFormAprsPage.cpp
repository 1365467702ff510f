// The APRS (VELTANO) menu page: station settings, own position, icon selector, group, data
// transmission and position limit. Both regional forms are built; the radio type decides which
// one shows.
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include "editor/pictures/StationIcons.xpm.h"

namespace {
TRadioButton* PlaceRadio(TComponent* owner, TWinControl* parent, int left, int top, int width,
                         const AnsiString& caption) {
    return PlaceCaptioned<TRadioButton>(owner, parent, left, top, width, 20, caption);
}

std::vector<AnsiString> PrintableCharacters() {
    std::vector<AnsiString> v;
    for (char c = '!'; c <= '~'; ++c)
        v.emplace_back(1, c);
    return v;
}
} // namespace

void TMainForm::CreateAprsPage() {
    TTabSheet* p = TabSheet3;
    Label7 = PlaceLabel(this, p, 12, 12, "My call sign");
    Edit4 = PlaceEdit(this, p, 124, 8, 100, 9);
    Edit4->SetText("NOCALL");
    Label8 = PlaceLabel(this, p, 12, 42, "Status text");
    Edit5 = PlaceEdit(this, p, 124, 38,
                      Variant.FixedStatusTextWidth ? Variant.FixedStatusTextWidth : 260, 20);
    Label9 = PlaceLabel(this, p, 12, 72, "Position comment");
    ComboBox5 = PlaceList(this, p, 124, 68, 130,
                          {"Off Duty", "Enroute", "In Service", "Returning", "Committed", "Special",
                           "PRIORITY", "EMERGENCY!"});
    Label14 = PlaceLabel(this, p, 12, 102, "Tx interval");
    ComboBox8 = PlaceList(this, p, 124, 98, 90,
                          {"0.5min", "1min", "2min", "3min", "5min", "10min", "20min", "30min"});
    Label18 = PlaceLabel(this, p, 12, 132, "Unprotocol");
    Edit13 = PlaceEdit(this, p, 124, 128, 100, 9);
    Edit13->SetText(Variant.UnitIdentifier);
    Label19 = PlaceLabel(this, p, 12, 162, "Packet path");
    Edit7 = PlaceEdit(this, p, 124, 158, 255, 32);
    Edit7->SetText("RELAY,WIDE");
    Label39 = PlaceLabel(this, p, 12, 192, "Unit");
    ComboBox13 = PlaceList(this, p, 124, 188, 130, {"mile, degrees F", "km, degrees C"});
    CreateAprsPosition();

    GroupBox24 = PlaceCaptioned<TGroupBox>(this, p, 398, 6, 178, 50, "GPS unit");
    RadioButton9 = PlaceRadio(this, GroupBox24, 10, 22, 80, "Not used");
    RadioButton10 = PlaceRadio(this, GroupBox24, 96, 22, 70, "NMEA");
    RadioButton9->SetChecked(true);
    GroupBox25 = PlaceCaptioned<TGroupBox>(this, p, 398, 6, 250, 50, "Gps unit");
    RadioButton11 = PlaceRadio(this, GroupBox25, 10, 22, 80, "Not uded");
    RadioButton12 = PlaceRadio(this, GroupBox25, 96, 22, 70, "NMEA");
    RadioButton13 = PlaceRadio(this, GroupBox25, 172, 22, 60, "IPS");
    RadioButton11->SetChecked(true);

    GroupBox26 = PlaceCaptioned<TGroupBox>(this, p, 584, 6, 184, 50, "Data Tx");
    RadioButton14 = PlaceRadio(this, GroupBox26, 10, 22, 64, "Manual");
    RadioButton15 = PlaceRadio(this, GroupBox26, 76, 22, 50, "PTT");
    RadioButton16 = PlaceRadio(this, GroupBox26, 128, 22, 50, "Auto");
    RadioButton14->SetChecked(true);

    GroupBox11 = PlaceCaptioned<TGroupBox>(this, p, 398, 64, 370, 52, "Group");
    CheckBox10 = PlaceCaptioned<TCheckBox>(this, GroupBox11, 12, 22, 110, 20, "Group Mode");
    Label17 = PlaceLabel(this, GroupBox11, 140, 24, "Group Code", 80);
    MaskEdit11 = PlaceMaskEdit(this, GroupBox11, 224, 20, 44, ">aaa;1; ");

    GroupBox16 = PlaceCaptioned<TGroupBox>(this, p, 398, 64, 370, 52, "Position limit");
    CheckBox8 = PlaceCaptioned<TCheckBox>(this, GroupBox16, 12, 22, 56, 20, "ON");
    Label15 = PlaceLabel(this, GroupBox16, 84, 24, "Distance", 60);
    MaskEdit12 = PlaceMaskEdit(this, GroupBox16, 148, 20, 50, Variant.PositionLimitMask);
    MaskEdit12->SetText(Variant.PositionLimitText);
    Label16 = PlaceLabel(this, GroupBox16, 204, 24, "km", 40);

    CreateAprsIcons();
}

void TMainForm::CreateAprsPosition() {
    TTabSheet* p = TabSheet3;
    // Degrees and minutes with two decimals.
    GroupBox13 = PlaceCaptioned<TGroupBox>(this, p, 8, 222, 380, 96, "My position");
    Label10 = PlaceLabel(this, GroupBox13, 10, 28, "Latitude", 70);
    MaskEdit7 = PlaceMaskEdit(this, GroupBox13, 84, 24, 30, "99;1; ");
    MaskEdit8 = PlaceMaskEdit(this, GroupBox13, 118, 24, 50, "99.99;1; ");
    Panel2 = Place<TPanel>(this, GroupBox13, 180, 20, 190, 28);
    RadioButton1 = PlaceRadio(this, Panel2, 6, 4, 80, "North");
    RadioButton2 = PlaceRadio(this, Panel2, 96, 4, 80, "South");
    Label11 = PlaceLabel(this, GroupBox13, 10, 62, "Longitude", 70);
    MaskEdit9 = PlaceMaskEdit(this, GroupBox13, 84, 58, 34, "999;1; ");
    MaskEdit10 = PlaceMaskEdit(this, GroupBox13, 122, 58, 50, "99.99;1; ");
    Panel3 = Place<TPanel>(this, GroupBox13, 180, 54, 190, 28);
    RadioButton3 = PlaceRadio(this, Panel3, 6, 4, 80, "East");
    RadioButton4 = PlaceRadio(this, Panel3, 96, 4, 80, "West");

    // Degrees, minutes and seconds with one decimal (region '0').
    GroupBox17 = PlaceCaptioned<TGroupBox>(this, p, 8, 222, 380, 96, "My position");
    Label12 = PlaceLabel(this, GroupBox17, 10, 28, "Latitude", 70);
    MaskEdit1 = PlaceMaskEdit(this, GroupBox17, 84, 24, 28, "99;1; ");
    MaskEdit2 = PlaceMaskEdit(this, GroupBox17, 114, 24, 28, "99;1; ");
    MaskEdit3 = PlaceMaskEdit(this, GroupBox17, 144, 24, 40, "99.9;1; ");
    Panel4 = Place<TPanel>(this, GroupBox17, 192, 20, 180, 28);
    RadioButton5 = PlaceRadio(this, Panel4, 6, 4, 80, "North");
    RadioButton6 = PlaceRadio(this, Panel4, 92, 4, 80, "South");
    Label13 = PlaceLabel(this, GroupBox17, 10, 62, "Longitude", 70);
    MaskEdit4 = PlaceMaskEdit(this, GroupBox17, 84, 58, 34, "999;1; ");
    MaskEdit5 = PlaceMaskEdit(this, GroupBox17, 120, 58, 28, "99;1; ");
    MaskEdit6 = PlaceMaskEdit(this, GroupBox17, 150, 58, 40, "99.9;1; ");
    Panel5 = Place<TPanel>(this, GroupBox17, 192, 54, 180, 28);
    RadioButton7 = PlaceRadio(this, Panel5, 6, 4, 80, "East");
    RadioButton8 = PlaceRadio(this, Panel5, 92, 4, 80, "West");

    for (TRadioButton* b : {RadioButton1, RadioButton3, RadioButton5, RadioButton7})
        b->SetChecked(true);
}

void TMainForm::CreateAprsIcons() {
    TTabSheet* p = TabSheet3;
    TImage** images[] = {&Image1,  &Image2,  &Image3,  &Image4,  &Image5,  &Image6,
                         &Image7,  &Image8,  &Image9,  &Image10, &Image11, &Image12,
                         &Image13, &Image14, &Image15, &Image16, &Image17, &Image18,
                         &Image19, &Image20, &Image21, &Image22, &Image23, &Image24,
                         &Image25, &Image26, &Image27, &Image28, &Image29, &Image30};

    GroupBox10 = PlaceCaptioned<TGroupBox>(this, p, 398, 124, 370, 110, "Icon");
    UpDown1 = Place<TUpDown>(this, GroupBox10, 12, 26, 18, 40);
    UpDown1->SetMin(0);
    UpDown1->SetMax(15);
    UpDown1->Wrap = true;
    Label23 = PlaceLabel(this, GroupBox10, 84, 36, "QUORVEL", 120);
    Label20 = PlaceLabel(this, GroupBox10, 40, 24, "Others", 60);
    Label21 = PlaceLabel(this, GroupBox10, 40, 56, "Symbol", 50);
    ComboBox6 = PlaceList(this, GroupBox10, 94, 52, 56, PrintableCharacters());
    Label22 = PlaceLabel(this, GroupBox10, 166, 56, "Table", 40);
    ComboBox7 = PlaceList(this, GroupBox10, 210, 52, 56, {"/", "\\"});
    for (TControl* c :
         std::initializer_list<TControl*>{Label20, Label21, Label22, ComboBox6, ComboBox7})
        c->Hide();

    GroupBox12 = PlaceCaptioned<TGroupBox>(this, p, 398, 124, 370, 110, "Icon");
    UpDown2 = Place<TUpDown>(this, GroupBox12, 12, 26, 18, 40);
    UpDown2->SetMin(0);
    UpDown2->SetMax(14);
    UpDown2->Wrap = true;

    for (int k = 0; k < 30; ++k) {
        TGroupBox* box = k < 15 ? GroupBox10 : GroupBox12;
        TImage* img = Place<TImage>(this, box, 40, 24, 32, 32);
        img->LoadXpm(station_icons[k]);
        img->SetVisible(k == 0 || k == 15);
        *images[k] = img;
        stationImages_[static_cast<size_t>(k + 1)] = img;
    }
}

TImage* TMainForm::StationImage(int number) const {
    if (number < 1 || number > 30) return nullptr;
    return stationImages_[static_cast<size_t>(number)];
}
