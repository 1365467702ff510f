// Process settings for programs that run the editor against the simulated radio.
#pragma once
#include <string>

namespace radiosim {

// Makes the editor's port COMn (1..4) name the given device.
void PointComPortAt(int n, const std::string& path);
// Points the editor's settings at a fresh private folder, so a run never touches the user's
// own settings. Returns the folder.
std::string UsePrivateSettingsFolder();

} // namespace radiosim
