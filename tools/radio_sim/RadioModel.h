// The radio's command interpreter: one command line in, one reply line out (without its CR).
// Queries answer with the echo of the command head followed by the value; set commands are
// acknowledged with the echo of the whole line; anything unknown gets "N".
#pragma once
#include "tools/radio_sim/RadioState.h"

namespace radiosim {

class RadioModel {
  public:
    explicit RadioModel(RadioState state) : state_(std::move(state)) {}
    std::string Answer(const std::string& line);
    const RadioState& State() const { return state_; }

  private:
    std::string Memory(const std::string& line);
    std::string MemoryName(const std::string& line);
    std::string Call(const std::string& line);
    std::string Vfo(const std::string& line);
    std::string Power(const std::string& line);
    std::string ProgramVfo(const std::string& line);
    std::string Dtmf(const std::string& line, bool name);
    std::string MenuItem(const std::string& line);
    bool ValidLabel(const std::string& label) const;

    RadioState state_;
};

} // namespace radiosim
