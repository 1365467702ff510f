// Simulated user input for the editor's widget tests, which do not see the widget toolkit:
// mouse presses, double-clicks and keys sent to a control's real widget.
#pragma once
#include "platform/Controls.h"

namespace widgetinput {

// Presses and releases a mouse button at a point of the control's client area. Any pop-up
// menu the press opened is closed again.
void Click(TWinControl* control, TMouseButton button, int x, int y);
void DoubleClick(TWinControl* control, int x, int y);
// Types one character (Enter is '\r') into the control.
void Type(TWinControl* control, char key);
// Shows the control's form and makes it the active window; false when that fails.
bool ShowActive(TWinControl* form);

} // namespace widgetinput
