// The "Radio menu" page: one control per radio-menu item, grouped by function.
#include "editor/FormBuild.h"
#include "editor/MainForm.h"

namespace {
const std::vector<AnsiString> kBands{"\"A\" Band", "\"B\" Band"};

std::vector<AnsiString> Contrasts() {
    std::vector<AnsiString> v;
    for (int i = 1; i <= 16; ++i)
        v.push_back(std::to_string(i));
    return v;
}

TCheckBox* PlaceCheck(TComponent* owner, TWinControl* parent, int left, int top,
                      const AnsiString& caption, int width = 160) {
    return PlaceCaptioned<TCheckBox>(owner, parent, left, top, width, 20, caption);
}
} // namespace

void TMainForm::CreateRadioMenuPage() {
    TTabSheet* p = TabSheet2;
    RadioGroup9 = PlaceRadioGroup(this, p, 8, 6, 180, 66, "&Operation band", kBands);

    GroupBox5 = PlaceCaptioned<TGroupBox>(this, p, 8, 80, 180, 200, "Display");
    Label2 = PlaceLabel(this, GroupBox5, 10, 20, "Power on message");
    Edit3 = PlaceEdit(this, GroupBox5, 10, 38, 110, 8);
    Label3 = PlaceLabel(this, GroupBox5, 10, 68, "Contrast");
    ComboBox1 = PlaceList(this, GroupBox5, 10, 86, 70, Contrasts());
    RadioGroup1 =
        PlaceRadioGroup(this, GroupBox5, 10, 118, 160, 70, "Language", {"English", "Japanese"});

    GroupBox6 = PlaceCaptioned<TGroupBox>(this, p, 196, 6, 190, 222, "&Function");
    CheckBox16 = PlaceCheck(this, GroupBox6, 12, 22, "Dual");
    CheckBox17 = PlaceCheck(this, GroupBox6, 12, 46, "Duplex");
    CheckBox14 = PlaceCheck(this, GroupBox6, 12, 70, "A Band Tone alert");
    CheckBox15 = PlaceCheck(this, GroupBox6, 12, 94, "B Band Tone alert");
    CheckBox11 = PlaceCheck(this, GroupBox6, 12, 118, "Lock");
    CheckBox13 = PlaceCheck(this, GroupBox6, 12, 142, "Lamp");
    CheckBox21 = PlaceCheck(this, GroupBox6, 12, 166, "Beat shift");
    // Memory name display is kept in the document only: hidden, checked.
    CheckBox12 = PlaceCheck(this, GroupBox6, 12, 190, "Memory name");
    CheckBox12->SetChecked(true);
    CheckBox12->Hide();

    GroupBox7 = PlaceCaptioned<TGroupBox>(this, p, 196, 236, 190, 160, "DTMF");
    CheckBox1 = PlaceCheck(this, GroupBox7, 12, 22, "Tx hold");
    Label4 = PlaceLabel(this, GroupBox7, 12, 52, "Pause", 50);
    ComboBox4 = PlaceList(this, GroupBox7, 64, 48, 100,
                          {"100ms", "250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms"});
    RadioGroup2 = PlaceRadioGroup(this, GroupBox7, 12, 78, 166, 72, "Tx speed", {"Slow", "Fast"});

    GroupBox8 = PlaceCaptioned<TGroupBox>(this, p, 394, 6, 180, 218, "TNC");
    RadioGroup3 = PlaceRadioGroup(this, GroupBox8, 10, 20, 160, 72, "Data Band", kBands);
    RadioGroup4 = PlaceRadioGroup(this, GroupBox8, 10, 98, 160, 72, "DCD sense",
                                  {"Data band only", "Both bands"});
    CheckBox18 = PlaceCheck(this, GroupBox8, 12, 182, "TNC", 100);

    GroupBox9 = PlaceCaptioned<TGroupBox>(this, p, 394, 232, 180, 124, "Save");
    Label5 = PlaceLabel(this, GroupBox9, 12, 20, "Battery saver");
    ComboBox2 = PlaceList(this, GroupBox9, 12, 38, 100,
                          {"OFF", "0.2sec", "0.4sec", "0.6sec", "0.8sec", "1.0sec", "2.0sec",
                           "3.0sec", "4.0sec", "5.0sec"});
    Label6 = PlaceLabel(this, GroupBox9, 12, 68, "APO");
    ComboBox3 = PlaceList(this, GroupBox9, 12, 86, 100, {"OFF", "30min", "60min"});

    GroupBox14 = PlaceCaptioned<TGroupBox>(this, p, 582, 6, 186, 400, "AUX");
    RadioGroup5 = PlaceRadioGroup(this, GroupBox14, 10, 20, 166, 92, "Scan resume",
                                  {"Time", "Carrier", "Seek"});
    RadioGroup10 = PlaceRadioGroup(this, GroupBox14, 10, 118, 166, 118, "Beep",
                                   {"Off", "Key", "Key + New data", "All"});
    CheckBox4 = PlaceCheck(this, GroupBox14, 12, 246, "Tune enable");
    CheckBox5 = PlaceCheck(this, GroupBox14, 12, 270, "Tx inhibit");
    CheckBox2 = PlaceCheck(this, GroupBox14, 12, 294, "Auto offset");
    CheckBox20 = PlaceCheck(this, GroupBox14, 12, 318, "VHF AIP");
    CheckBox6 = PlaceCheck(this, GroupBox14, 12, 342, "1750Hz hold");
    CheckBox7 = PlaceCheck(this, GroupBox14, 12, 366, "144MHz Tx narrow");
}
