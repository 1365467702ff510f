// Full read and write of a 200-channel radio through the simulated radio paced at 9600 bit/s,
// by each program with its own radio: wall time against the time the bytes need on the line
// with one command outstanding.
#include "earlier/EarlierProgram.h"
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
#include <memory>

namespace {

void Measure(const std::string& what, radiosim::RadioSim& radio, const std::function<void()>& run) {
    radiosim::PointComPortAt(1, radio.SlavePath());
    auto start = std::chrono::steady_clock::now();
    run();
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto bytes = radio.BytesReceived() + radio.BytesSent();
    const double bound = static_cast<double>(bytes) / 960.0;
    std::printf("%-14s commands %5zu  bytes %7llu  wall %8.3f s  wire bound %8.3f s  ratio %.4f"
                "  (editor between commands %.3f s)\n",
                what.c_str(), radio.Transcript().size(), static_cast<unsigned long long>(bytes),
                wall, bound, wall / bound, radio.TurnaroundSeconds());
}

// A full read and a full write by the program, with its main window and transfer forms made
// for it; false when the write did not reach its end.
bool MeasureProgram(const std::string& name, const TProgramVariant& program, bool earlier) {
    auto window = std::make_unique<TMainForm>(nullptr, program);
    MainForm = window.get();
    auto read = std::make_unique<TReadForm>(nullptr, *program.ReadSteps);
    auto write = std::make_unique<TWriteForm>(nullptr, *program.WriteSteps);
    ReadForm = read.get();
    WriteForm = write.get();
    MainForm->CommPortName = "COM1";

    radiosim::Faults paced;
    paced.Paced = true;
    {
        radiosim::RadioSim radio(radiosim::SampleState('1', earlier), paced);
        Measure(name + " read", radio, [] { MainForm->Read1Click(nullptr); });
    }
    bool ended = false;
    {
        radiosim::RadioSim radio(radiosim::SampleState('1', earlier, 2), paced);
        TestSeam().MessageBoxAnswers.push_back(IDYES);
        Measure(name + " write", radio, [] { MainForm->Write1Click(nullptr); });
        ended = !radio.Transcript().empty() && radio.Transcript().back() == "VMC 1,0";
    }
    MainForm = nullptr;
    ReadForm = nullptr;
    WriteForm = nullptr;
    return ended;
}

} // namespace

int main(int argc, char** argv) {
    const std::string settings = radiosim::UsePrivateSettingsFolder();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int rc = 0;
    {
        TApplication app(argc, argv);
        TestSeam().Active = true; // no real dialogs; the write's question is answered Yes
        {
            TRegistry reg;
            reg.OpenKey(MainFormText::SettingsKey, true);
            reg.WriteString("Type", radiosim::SampleState('1').RadioType);
            reg.CloseKey();
        }
        if (!MeasureProgram("Wyx_r2m", LaterProgram(), false)) rc = 1;
        if (!MeasureProgram("Wyx_r2", EarlierProgram(), true)) rc = 1;
        for (const ShownMessageBox& b : TestSeam().MessageBoxes)
            if (b.Text != "Do you want to write the data to the radio?") {
                std::printf("message: %s\n", b.Text.c_str());
                rc = 1;
            }
    }
    std::filesystem::remove_all(settings);
    return rc;
}
