// A plain serial client for the simulated radio: sends command lines and reads reply lines.
// Used by the simulator's own tests, which must not depend on the editor's serial component.
#pragma once
#include <chrono>
#include <optional>
#include <string>

namespace radiosim {

class SimClient {
  public:
    explicit SimClient(const std::string& path); // throws std::runtime_error when it fails
    ~SimClient();
    SimClient(const SimClient&) = delete;
    SimClient& operator=(const SimClient&) = delete;

    void Send(const std::string& line); // appends the CR
    // The next reply line without its CR; nullopt when none is complete within the time or
    // the line was hung up. Bytes of an incomplete line stay for the next call.
    std::optional<std::string> Receive(std::chrono::milliseconds timeout);
    std::optional<std::string> Ask(const std::string& line,
                                   std::chrono::milliseconds timeout = std::chrono::seconds(2));
    bool HungUp() const { return hungUp_; }
    const std::string& Pending() const { return pending_; }

  private:
    int fd_ = -1;
    std::string pending_;
    bool hungUp_ = false;
};

} // namespace radiosim
