// Time of one RefreshAllControls on a document with all 200 memory channels, the 20 scan edges
// and the ten DTMF memories in use: alternating two such documents (every data cell changes)
// and refreshing an unchanged one. Prints best, median and worst of many runs.
#include "editor/MainForm.h"
#include "platform/Registry.h"
#include "platform/TestSeam.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void Load(TMainForm& f, int variant) {
    for (int k = 0; k <= f.LastChannel + 20; ++k) {
        char record[100];
        std::snprintf(record, sizeof record,
                      "%03d,%011d,3,1,0,1,0,,08,,09,000600000,%d,,,,,N%d-%03d", k,
                      144000000 + 12500 * k + variant * 5000, (k + variant) % 2, variant, k);
        f.SetMemoryRecord(k, record);
    }
    for (int m = 0; m < 10; ++m)
        f.SetDtmfRecord(m, "0" + std::to_string(m) + "," + std::to_string(variant) +
                               "123456789ABCD*#,NAME");
}

void Report(const char* what, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    std::printf("%-34s best %7.1f us  median %7.1f us  worst %7.1f us  (goal < 2000 us)\n", what,
                us.front(), us[us.size() / 2], us.back());
}

} // namespace

int main(int argc, char** argv) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("wyx-bench-refresh-" +
                      std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(dir);
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    {
        TRegistry reg;
        reg.OpenKey(MainFormText::SettingsKey, true);
        reg.WriteString("Type", "1,1,00,,,,");
        reg.CloseKey();
    }
    {
        TApplication app(argc, argv);
        TestSeam().Active = true;
        Application->Guard([&] {
            TMainForm form(nullptr, LaterProgram());
            MainForm = &form;
            using Clock = std::chrono::steady_clock;
            auto time = [&] {
                auto t0 = Clock::now();
                form.RefreshAllControls();
                return std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
            };
            std::vector<double> changed, unchanged;
            for (int run = 0; run < 200; ++run) {
                Load(form, run % 2);
                changed.push_back(time());
                unchanged.push_back(time());
            }
            std::printf("%d memory rows, 10 DTMF rows, every settings control\n",
                        form.LastChannel + 21);
            Report("refresh, every data cell changed:", changed);
            Report("refresh, nothing changed:", unchanged);
            MainForm = nullptr;
        });
    }
    std::filesystem::remove_all(dir);
    return 0;
}
