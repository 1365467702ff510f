// Time from program start until the main window is constructed and the splash is shown, as the
// program starts them (settings of a previous run, so no first-run dialog).
#include "editor/MainForm.h"
#include "editor/Startup.h"
#include "editor/Welcome.h"
#include "platform/ExtCtrls.h"
#include "platform/Registry.h"
#include "platform/TestSeam.h"
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    auto ms = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    // A private settings folder holding the radio type, as after a first run.
    const auto dir = std::filesystem::temp_directory_path() /
                     ("wyx-bench-" +
                      std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(dir);
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    {
        TRegistry reg;
        reg.OpenKey(MainFormText::SettingsKey, true);
        reg.WriteString("Type", "1,2,00,1,1,,");
        reg.CloseKey();
    }

    SetCommandLine(argc, argv);
    double constructed = 0, splash = 0;
    {
        TApplication app(argc, argv);
        Application->Guard([&] {
            InitialiseApplication(LaterProgram());
            CreateProgramForms(LaterProgram());
            constructed = ms();
            // The splash's own modal loop ends at once; its first showing is what is measured.
            TestSeam().Active = true;
            TestSeam().OnShowModal = [&](TForm* f) {
                f->ShowForm();
                Application->ProcessMessages();
                splash = ms();
                f->HideForm();
                return mrCancel;
            };
            MainForm->ShowForm();
            Application->ProcessMessages();
        });
    }
    std::filesystem::remove_all(dir);
    std::printf("main window constructed: %8.1f ms after start\n", constructed);
    std::printf("splash shown:            %8.1f ms after start\n", splash);
    return 0;
}
