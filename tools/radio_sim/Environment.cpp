#include "tools/radio_sim/Environment.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace radiosim {

void PointComPortAt(int n, const std::string& path) {
    setenv(("WYX_COM" + std::to_string(n)).c_str(), path.c_str(), 1);
}

std::string UsePrivateSettingsFolder() {
    std::string dir = (std::filesystem::temp_directory_path() / "wyx-sim-XXXXXX").string();
    if (!mkdtemp(dir.data())) throw std::runtime_error("cannot create a settings folder");
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    return dir;
}

} // namespace radiosim
