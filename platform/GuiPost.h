// Hands a call from any thread to the GUI thread without waiting for it.
#pragma once
#include <functional>

void PostToGuiThread(std::function<void()> call);
