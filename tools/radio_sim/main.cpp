// radio_sim: a simulated radio on a pseudo-terminal for trying the editor without a radio.
// Prints the path of the port to open, then serves until interrupted.
//   radio_sim [--region 0|1|2|3] [--earlier] [--paced] [--transcript] [--late N:S]
// --late N:S answers command line N (0-based) only S seconds after it arrived.
// --earlier serves the earlier model VQ-R2 (for Wyx_r2) in place of the VQ-R2M.
#include "tools/radio_sim/RadioSim.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void OnSignal(int) {
    stopRequested = 1;
}

int Usage() {
    std::cerr << "usage: radio_sim [--region 0|1|2|3] [--earlier] [--paced] [--transcript]"
                 " [--late N:S]\n"
                 "  --region R    the radio type's region digit (default 1)\n"
                 "  --earlier     the earlier radio VQ-R2 (for Wyx_r2) in place of the VQ-R2M\n"
                 "  --paced       9600 bit/s on the line\n"
                 "  --transcript  every command line received, on standard error\n"
                 "  --late N:S    command line N (0-based) answered only S seconds late\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    char region = '1';
    bool earlier = false, transcript = false;
    radiosim::Faults faults;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            Usage();
            return 0;
        }
        if (a == "--region" && i + 1 < argc && std::strlen(argv[i + 1]) == 1 &&
            argv[i + 1][0] >= '0' && argv[i + 1][0] <= '3')
            region = argv[++i][0];
        else if (a == "--earlier")
            earlier = true;
        else if (a == "--paced")
            faults.Paced = true;
        else if (a == "--transcript")
            transcript = true;
        else if (a == "--late" && i + 1 < argc &&
                 std::sscanf(argv[i + 1], "%d:%lf", &faults.LateLine, &faults.LateSeconds) == 2 &&
                 faults.LateLine >= 0 && faults.LateSeconds >= 0)
            ++i;
        else
            return Usage();
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    radiosim::RadioSim sim(radiosim::SampleState(region, earlier), faults);
    std::cout << sim.SlavePath() << std::endl;
    size_t shown = 0;
    while (!stopRequested) {
        sim.WaitForCommands(shown + 1, std::chrono::milliseconds(200));
        auto lines = sim.Transcript();
        for (; shown < lines.size(); ++shown)
            if (transcript) std::cerr << lines[shown] << '\n';
    }
    sim.Stop();
    return 0;
}
