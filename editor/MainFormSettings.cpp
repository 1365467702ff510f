// Persistent settings (folder, serial port, radio type, band limits) and the port menu.
#include "editor/MainForm.h"
#include "editor/Setup.h"
#include "platform/Registry.h"
#include "transfer/ReadForm.h"

namespace {
// Reads a value; an empty or missing one takes the default, which is written back at once.
AnsiString ReadOrDefault(TRegistry& reg, const AnsiString& name, const AnsiString& fallback) {
    AnsiString v = reg.ReadString(name);
    if (v.empty()) {
        v = fallback;
        reg.WriteString(name, v);
    }
    return v;
}

AnsiString LimitName(int slot) {
    return "Limit" + std::to_string(slot);
}

// Runs a write against the settings key, opened (created when missing) and closed around it.
template <class F> void WriteSettings(F&& write) {
    TRegistry reg;
    if (!reg.OpenKey(MainFormText::SettingsKey, true)) return;
    write(reg);
    reg.CloseKey();
}
} // namespace

void TMainForm::ReadSettings() {
    TRegistry reg;
    reg.OpenKey(MainFormText::SettingsKey, true);

    AnsiString path = ReadOrDefault(reg, "Path", GetCurrentDir());
    OpenDialog1->InitialDir = path;
    SaveDialog1->InitialDir = path;

    CommPortName = ReadOrDefault(reg, "CommPort", "COM1");
    const int port = GetCommPortNumber();
    if (Variant.OtherPortChecksCom1 || CommPortName == "COM" + std::to_string(port))
        CommPortItem(port)->SetChecked(true);

    AnsiString type = reg.ReadString("Type");
    if (type.empty()) {
        type = AskRadioType();
        reg.WriteString("Type", type);
    }
    SetRadioType(type);
    const char region = RadioTypeChar(1);
    const bool has118 = RadioTypeChar(4) == '1';
    const bool has300 = RadioTypeChar(5) == '1';

    // Default of each band limit, and whether the band exists for this radio type.
    struct Limit {
        bool present;
        const char* fallback;
    };
    const Limit limits[Slots::BandLimitCount] = {
        {has118, "00118,00135"},
        {true, region == '1'   ? "00144,00147"
               : region == '2' ? "00136,00173"
                               : "00144,00145"},
        {true, region == '2' ? "00144,00147" : "00144,00145"},
        {has300, "00300,00399"},
        {true, region == '2' ? "00410,00469" : "00430,00439"},
        {region == '0', "00430,00439"},
    };
    for (int i = 0; i < Slots::BandLimitCount; ++i) {
        AnsiString v;
        if (limits[i].present) {
            v = reg.ReadString(LimitName(i));
            if (v.empty()) v = limits[i].fallback;
        }
        // Written back whatever it is, as the slot will hold it.
        v = v.substr(0, Slots::BandLimitWidth - 1);
        reg.WriteString(LimitName(i), v);
        SetBandLimit(i, v);
    }
    reg.CloseKey();
}

AnsiString TMainForm::AskRadioType() {
    std::unique_ptr<TSetup> own;
    TSetup* dialog = Setup;
    if (!dialog) {
        own = std::make_unique<TSetup>(nullptr, Variant);
        dialog = own.get();
    }
    dialog->ShowModal();
    return dialog->RadioTypeString();
}

// The number of a port the program offers, named exactly; 1 for any other text.
int TMainForm::GetCommPortNumber() const {
    for (int n = Variant.PortCount; n >= 2; --n)
        if (CommPortName == "COM" + std::to_string(n)) return n;
    return 1;
}

TMenuItem* TMainForm::CommPortItem(int number) const {
    switch (number) {
    case 2:
        return Com2_Mnu;
    case 3:
        return Com3_Mnu;
    case 4:
        return Com4_Mnu;
    default:
        return Com1_Mnu;
    }
}

void TMainForm::SelectCommPort(int number) {
    const AnsiString name = "COM" + std::to_string(number);
    if (ReadForm && ReadForm->QComm1->CheckCommportValid(name)) {
        for (int n = 1; n <= Variant.PortCount; ++n)
            CommPortItem(n)->SetChecked(n == number);
        CommPortName = name;
        StoreCommPort();
        return;
    }
    Application->MessageBox(name + " is invalid.\nPlease check comport status.", TitleBase,
                            MB_OK | MB_ICONWARNING);
    CommPortItem(number)->SetChecked(false);
}

void TMainForm::Com1_MnuClick(TObject*) {
    SelectCommPort(1);
}
void TMainForm::Com2_MnuClick(TObject*) {
    SelectCommPort(2);
}
void TMainForm::Com3_MnuClick(TObject*) {
    SelectCommPort(3);
}
void TMainForm::Com4_MnuClick(TObject*) {
    SelectCommPort(4);
}

void TMainForm::StorePathSetting(const AnsiString& path) {
    const size_t cut = path.find_last_of('/');
    const AnsiString folder = cut == AnsiString::npos ? AnsiString() : path.substr(0, cut + 1);
    OpenDialog1->InitialDir = folder;
    SaveDialog1->InitialDir = folder;
    WriteSettings([&](TRegistry& reg) { reg.WriteString("Path", folder); });
}

void TMainForm::StoreTypeAndLimits() {
    WriteSettings([&](TRegistry& reg) {
        reg.WriteString("Type", GetRadioType());
        for (int i = 0; i < Slots::BandLimitCount; ++i)
            reg.WriteString(LimitName(i), GetBandLimit(i));
    });
}

void TMainForm::StoreCommPort() {
    WriteSettings([&](TRegistry& reg) { reg.WriteString("CommPort", CommPortName); });
}
