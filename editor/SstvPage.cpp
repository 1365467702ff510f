// The SSTV page and its remote-control (HALCYRA) group: each control stores its slot the
// moment it changes.
#include "editor/MainForm.h"
#include "editor/PageTextChecks.h"

namespace {
// Capacities of the three SSTV text slots.
constexpr size_t kSstvCallsignLength = 9, kSstvMessageLength = 9, kSstvRsvLength = 10;

void StoreSstv(TMainForm& f, int slot, const AnsiString& text) {
    f.SetSstvMenuItem(slot, text);
    f.ModifiedFlag = 1;
}

void StoreRemote(TMainForm& f, int slot, const AnsiString& text) {
    f.SetRemoteMenuItem(slot, text);
    f.ModifiedFlag = 1;
}

void CheckSstvText(TMainForm& f, TEdit* edit, TLastValid buffer, size_t capacity, int slot) {
    StoreSstv(f, slot, CheckEditText(edit, f, buffer, [&f, capacity](const AnsiString& t) {
                  return f.Variant.SstvTextWalk(t, capacity);
              }));
}

void StoreColour(TMainForm& f, int slot, const TComboBox* list) {
    if (list->ItemIndex() >= 0) StoreSstv(f, slot, std::to_string(list->ItemIndex()));
}

void CheckRemoteCall(TMainForm& f, TEdit* edit, TLastValid buffer, int slot) {
    const AnsiString call = f.CallSsidCheck(edit, buffer, true);
    StoreRemote(f, slot, call.empty() ? "NOCALL" : call);
}
} // namespace

void TMainForm::Edit14Change(TObject*) {
    CheckSstvText(*this, Edit14, lvEdit14, kSstvCallsignLength, 0);
}
void TMainForm::Edit15Change(TObject*) {
    CheckSstvText(*this, Edit15, lvEdit15, kSstvMessageLength, 2);
}
void TMainForm::Edit16Change(TObject*) {
    CheckSstvText(*this, Edit16, lvEdit16, kSstvRsvLength, 4);
}

void TMainForm::Edit14KeyPress(TObject*, char& Key) {
    if (FilterSstvKey(Key)) return;
    ShowPageRefusal(PageText::InvalidCharacter);
    Key = 0;
}

void TMainForm::ComboBox9Change(TObject*) {
    StoreColour(*this, 1, ComboBox9);
}
void TMainForm::ComboBox10Change(TObject*) {
    StoreColour(*this, 3, ComboBox10);
}
void TMainForm::ComboBox11Change(TObject*) {
    StoreColour(*this, 5, ComboBox11);
}

void TMainForm::Edit17Change(TObject*) {
    CheckRemoteCall(*this, Edit17, lvEdit17, 0);
}
void TMainForm::Edit18Change(TObject*) {
    CheckRemoteCall(*this, Edit18, lvEdit18, 1);
}

// The list leaves out tone code 02: index 0 is code 01, index k is code k + 2.
void TMainForm::ComboBox12Change(TObject*) {
    const int index = ComboBox12->ItemIndex();
    if (index < 0) return;
    StoreRemote(*this, 2, ZeroPadded(index == 0 ? 1 : index + 2, 2));
}
