// What the settings pages make of the menu values of a document that was just opened, made new
// or read: a value a page check refuses or corrects is told and replaced as when it is typed,
// and the document then holds what the page shows. After Open and New every other menu value
// stays byte for byte as loaded.
#include "editor/MainForm.h"

#include <vector>

namespace {

enum class Menu { Radio, Aprs, Sstv, Remote };

// The menu values a page checks, each with its check run on what its control shows. Setting a
// control during the refresh runs its check only when the text shown changes; running it once
// more covers a loaded value the control shows as the text it already had ("0015" in a limit
// edit that showed "0010"). On an accepted value the checks store it unchanged and tell nothing.
struct CheckedValue {
    const char* check; // the page check that judges the value
    Menu menu;
    int slot;
    void (*run)(TMainForm& f); // runs the check on what the value's control shows
};

const CheckedValue kCheckedValues[] = {
    {"CallSsidCheck", Menu::Aprs, 0, [](TMainForm& f) { f.Edit4Change(f.Edit4); }},
    {"CallSsidCheck", Menu::Aprs, 11, [](TMainForm& f) { f.Edit13Change(f.Edit13); }},
    {"PacketPathCheck", Menu::Aprs, 13, [](TMainForm& f) { f.Edit7Change(f.Edit7); }},
    {"position field limits", Menu::Aprs, 4, [](TMainForm& f) { f.CheckShownPosition(); }},
    {"group code mask", Menu::Aprs, 7, [](TMainForm& f) { f.MaskEdit11Change(f.MaskEdit11); }},
    {"position limit", Menu::Aprs, 9,
     [](TMainForm& f) {
         if (f.CheckBox8->Checked()) f.MaskEdit12Change(f.MaskEdit12);
     }},
    {"SSTV text check", Menu::Sstv, 0, [](TMainForm& f) { f.Edit14Change(f.Edit14); }},
    {"SSTV text check", Menu::Sstv, 2, [](TMainForm& f) { f.Edit15Change(f.Edit15); }},
    {"SSTV text check", Menu::Sstv, 4, [](TMainForm& f) { f.Edit16Change(f.Edit16); }},
    {"CallSsidCheck", Menu::Remote, 0, [](TMainForm& f) { f.Edit17Change(f.Edit17); }},
    {"CallSsidCheck", Menu::Remote, 1, [](TMainForm& f) { f.Edit18Change(f.Edit18); }},
};

bool Checked(Menu menu, int slot) {
    for (const CheckedValue& v : kCheckedValues)
        if (v.menu == menu && v.slot == slot) return true;
    return false;
}

struct MenuSlots {
    Menu menu;
    int count;
    AnsiString (TMemoryDocument::*get)(int) const;
    void (TMemoryDocument::*set)(int, const AnsiString&);
};

const MenuSlots kMenus[] = {
    {Menu::Radio, Slots::RadioMenuCount, &TMemoryDocument::GetRadioMenuItem,
     &TMemoryDocument::SetRadioMenuItem},
    {Menu::Aprs, Slots::AprsCount, &TMemoryDocument::GetAprsMenuItem,
     &TMemoryDocument::SetAprsMenuItem},
    {Menu::Sstv, Slots::SstvCount, &TMemoryDocument::GetSstvMenuItem,
     &TMemoryDocument::SetSstvMenuItem},
    {Menu::Remote, Slots::RemoteCount, &TMemoryDocument::GetRemoteMenuItem,
     &TMemoryDocument::SetRemoteMenuItem},
};

} // namespace

void TMainForm::RefreshLoadedDocument() {
    // The handlers store what their controls show: a "0," tone alert as "0", a value outside a
    // group's items as the item shown. Put back what was loaded where no check judges it.
    std::vector<AnsiString> loaded;
    for (const MenuSlots& m : kMenus)
        for (int i = 0; i < m.count; ++i)
            loaded.push_back((this->*m.get)(i));
    RefreshAllControls();
    auto value = loaded.begin();
    for (const MenuSlots& m : kMenus)
        for (int i = 0; i < m.count; ++i, ++value)
            if (!Checked(m.menu, i)) (this->*m.set)(i, *value);
    CheckLoadedValues();
}

void TMainForm::CheckLoadedValues() {
    for (const CheckedValue& v : kCheckedValues)
        v.run(*this);
}
