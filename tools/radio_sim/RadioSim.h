// A simulated radio on a pseudo-terminal: serves the master side in its own thread, answers
// each command line (ended by CR) with one reply line ended by CR, and keeps a transcript.
// Open SlavePath() as the serial port. Faults can be asked for at construction.
#pragma once
#include "tools/radio_sim/RadioModel.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace radiosim {

struct Faults {
    // Answer only the first n command lines, then stay silent (-1: never).
    int SilentAfter = -1;
    // Close the line after answering the first n command lines (-1: never).
    int HangUpAfter = -1;
    // The first n answers to "BCN" and "BCN 0" are "BCN 1" (the beacon seems on).
    int BadBeaconReplies = 0;
    // 9600 bit/s in both directions: each byte takes 1/960 s on the line.
    bool Paced = false;
    // Answers command line LateLine (0-based) only LateSeconds after it arrived, as a radio
    // that answers late. With LateRepeat it answers at once as well, so the same line comes
    // twice.
    int LateLine = -1;
    double LateSeconds = 0;
    bool LateRepeat = false;
    // Replaces the answer to command line n (0-based): the bytes sent, CR included or not.
    // Returning nullopt keeps the normal answer.
    std::function<std::optional<std::string>(int n, const std::string& line,
                                             const std::string& answer)>
        Override;
};

// Answers from command line `from` on are replaced, with probability percent/100, by random
// lines (bytes 1..255 except CR, XON and XOFF, up to 200 long, CR-ended) drawn from `seed`.
std::function<std::optional<std::string>(int, const std::string&, const std::string&)>
RandomReplies(unsigned seed, int from, int percent);

class RadioSim {
  public:
    explicit RadioSim(RadioState state, Faults faults = {});
    ~RadioSim();
    RadioSim(const RadioSim&) = delete;
    RadioSim& operator=(const RadioSim&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    // Ends the serving thread and closes the line. Called by the destructor.
    void Stop();

    std::vector<std::string> Transcript() const;
    RadioState State() const;
    uint64_t BytesReceived() const;
    uint64_t BytesSent() const;
    // Summed time from the end of each answer to the first byte of the next command line: what
    // the other side spent between two commands.
    double TurnaroundSeconds() const;
    // Waits until at least n command lines have arrived; false on time-out.
    bool WaitForCommands(size_t n, std::chrono::milliseconds timeout) const;

  private:
    void Serve();
    void HandleLine(const std::string& line, std::chrono::steady_clock::time_point lineStart);
    void Send(const std::string& bytes);
    // Waits, or returns false at once when Stop is asked for meanwhile.
    bool Wait(std::chrono::duration<double> time);
    void HangUp();

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    RadioModel model_;
    Faults faults_;
    std::vector<std::string> transcript_;
    uint64_t received_ = 0, sent_ = 0;
    int beaconAnswers_ = 0;
    int master_ = -1;
    int wake_[2] = {-1, -1};
    std::string slavePath_;
    std::thread thread_;
    std::chrono::steady_clock::time_point answered_{}; // when the last answer went out
    std::chrono::steady_clock::duration turnaround_{};
};

} // namespace radiosim
