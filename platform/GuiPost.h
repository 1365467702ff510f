// Hands a call from any thread to the GUI thread without waiting for it.
#pragma once
#include <functional>

void PostToGuiThread(std::function<void()> call);

// Runs the GUI thread's event loop for about ms milliseconds, so posted calls, timers and other
// pending events are handled (for tests and other callers without a running loop).
void ProcessPendingEvents(int ms);
