// Full read and write of a 200-channel radio through the simulated radio paced at 9600 bit/s:
// wall time against the time the bytes need on the line with one command outstanding.
#include "editor/MainForm.h"
#include "platform/Registry.h"
#include "platform/TestSeam.h"
#include "tools/radio_sim/Environment.h"
#include "tools/radio_sim/RadioSim.h"
#include "transfer/ReadForm.h"
#include "transfer/WriteForm.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

void Measure(const char* what, radiosim::RadioSim& radio, const std::function<void()>& run) {
    radiosim::PointComPortAt(1, radio.SlavePath());
    auto start = std::chrono::steady_clock::now();
    run();
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto bytes = radio.BytesReceived() + radio.BytesSent();
    const double bound = static_cast<double>(bytes) / 960.0;
    std::printf("%-5s commands %5zu  bytes %7llu  wall %8.3f s  wire bound %8.3f s  ratio %.4f"
                "  (editor between commands %.3f s)\n",
                what, radio.Transcript().size(), static_cast<unsigned long long>(bytes), wall,
                bound, wall / bound, radio.TurnaroundSeconds());
}

} // namespace

int main(int argc, char** argv) {
    const std::string settings = radiosim::UsePrivateSettingsFolder();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int rc = 0;
    {
        TApplication app(argc, argv);
        TestSeam().Active = true; // no real dialogs; the write's question is answered Yes
        radiosim::RadioState state = radiosim::SampleState('1');
        {
            TRegistry reg;
            reg.OpenKey(MainFormText::SettingsKey, true);
            reg.WriteString("Type", state.RadioType);
            reg.CloseKey();
        }
        Application->CreateForm(MainForm, LaterProgram());
        Application->CreateForm(ReadForm);
        Application->CreateForm(WriteForm);
        MainForm->CommPortName = "COM1";

        radiosim::Faults paced;
        paced.Paced = true;
        {
            radiosim::RadioSim radio(state, paced);
            Measure("read", radio, [] { MainForm->Read1Click(nullptr); });
        }
        {
            radiosim::RadioSim radio(radiosim::SampleState('1', false, 2), paced);
            TestSeam().MessageBoxAnswers.push_back(IDYES);
            Measure("write", radio, [] { MainForm->Write1Click(nullptr); });
            if (radio.Transcript().empty() || radio.Transcript().back() != "VMC 1,0") rc = 1;
        }
        for (const ShownMessageBox& b : TestSeam().MessageBoxes)
            if (b.Text != "Do you want to write the data to the radio?") {
                std::printf("message: %s\n", b.Text.c_str());
                rc = 1;
            }
    }
    std::filesystem::remove_all(settings);
    return rc;
}
