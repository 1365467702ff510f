// Alt with a caption's "&" letter: one owner per letter in a form, every time. The first
// visible, enabled control in tab order whose caption carries the letter takes it; when none
// does, the key is left to the form's menu bar.
#include "platform/Forms.h"
#include "platform/internal/Bridge.h"
#include <cctype>

namespace wyx {

uint16_t AcceleratorKey(const AnsiString& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i; // "&&" shows a plain "&"
            continue;
        }
        return static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

TWinControl* AcceleratorOwner(TControl* focused, uint16_t key) {
    if (key == 0) return nullptr;
    return FirstShownControl(focused, [key](TWinControl* c) {
        return c->TakesAccelerator() && AcceleratorKey(c->Caption()) == key;
    });
}

} // namespace wyx

using namespace wyx;

void TButton::AcceleratorPressed() {
    Click();
}

void TCheckBox::AcceleratorPressed() {
    SetFocus();
    SetChecked(!Checked());
}

void TRadioButton::AcceleratorPressed() {
    SetFocus();
    SetChecked(true);
}

void TGroupBox::AcceleratorPressed() {
    SelectFirstWithin(this);
}

void TRadioGroup::AcceleratorPressed() {
    SelectFirstWithin(this);
}
