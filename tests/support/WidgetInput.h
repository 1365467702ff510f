// Simulated user input for the editor's widget tests, which do not see the widget toolkit:
// mouse presses, double-clicks and keys sent to a control's real widget.
#pragma once
#include "platform/Forms.h"

#include <functional>
#include <memory>
#include <vector>

namespace widgetinput {

// Presses and releases a mouse button at a point of the control's client area. Any pop-up
// menu the press opened is closed again.
void Click(TWinControl* control, TMouseButton button, int x, int y);
void DoubleClick(TWinControl* control, int x, int y);
// Types one character (Enter is '\r') into the control.
void Type(TWinControl* control, char key);
// Presses a key (a virtual key code, with Shift and Ctrl) on the control's focus widget.
void PressKey(TWinControl* control, uint16_t key, TShiftState shift = 0);
// The control that holds its form's focus, active window or not; null when none does.
TWinControl* FocusedControl(TForm* form);
// Shows the control's form and makes it the active window; false when that fails.
bool ShowActive(TWinControl* form);
// The window manager's close request (close box, Alt+F4) to the form's window.
void RequestClose(TForm* form);

// Shows message boxes for real while it lives (the test seam answers none of them) and
// answers each with its default button once ready(its text) holds and graceMs more have
// passed, so that what happens while a box is up can be seen. Keeps the texts answered.
class RealMessageBoxes {
  public:
    RealMessageBoxes(std::function<bool(const AnsiString& text)> ready, int graceMs);
    ~RealMessageBoxes();
    std::vector<AnsiString> Texts() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace widgetinput
