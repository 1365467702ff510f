#include "tools/radio_sim/RadioSim.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <random>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace radiosim {

namespace {

constexpr char kCr = '\r', kXon = 0x11, kXoff = 0x13;
constexpr std::chrono::nanoseconds kByteTime{1'000'000'000 / 960}; // 10 bits at 9600 bit/s

bool IsBeaconCommand(const std::string& line) {
    return line.rfind("BCN", 0) == 0;
}

} // namespace

std::function<std::optional<std::string>(int, const std::string&, const std::string&)>
RandomReplies(unsigned seed, int from, int percent) {
    auto gen = std::make_shared<std::mt19937>(seed);
    return [gen, from, percent](int n, const std::string&,
                                const std::string&) -> std::optional<std::string> {
        if (n < from || static_cast<int>((*gen)() % 100) >= percent) return std::nullopt;
        std::string line((*gen)() % 201, ' ');
        for (char& c : line) {
            do {
                c = static_cast<char>(1 + (*gen)() % 255);
            } while (c == kCr || c == kXon || c == kXoff);
        }
        return line + kCr;
    };
}

RadioSim::RadioSim(RadioState state, Faults faults)
    : model_(std::move(state)), faults_(std::move(faults)) {
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    int slave = -1;
    char name[256] = {};
    if (openpty(&master_, &slave, name, &raw, nullptr) != 0)
        throw std::runtime_error(std::string("openpty: ") + std::strerror(errno));
    slavePath_ = name;
    // The line stays raw after the slave side is closed; only clients keep it open, so their
    // exclusive-use flag ends with their last close as it would on a real port.
    close(slave);
    if (pipe(wake_) != 0) {
        close(master_);
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    thread_ = std::thread([this] { Serve(); });
}

RadioSim::~RadioSim() {
    Stop();
}

void RadioSim::Stop() {
    if (thread_.joinable()) {
        char c = 0;
        while (write(wake_[1], &c, 1) < 0 && errno == EINTR) {
        }
        thread_.join();
    }
    std::lock_guard lock(mutex_);
    for (int* fd : {&master_, &wake_[0], &wake_[1]}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
}

void RadioSim::Serve() {
    std::string line;
    auto lineStart = std::chrono::steady_clock::now();
    char buf[4096];
    for (;;) {
        int master;
        {
            std::lock_guard lock(mutex_);
            master = master_;
        }
        pollfd fds[2] = {{wake_[0], POLLIN, 0}, {master, POLLIN, 0}};
        // With no client on the slave side the master reports a hang-up at once; look again
        // shortly instead of spinning.
        int n = poll(fds, master >= 0 ? 2 : 1, -1);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || (fds[0].revents & POLLIN)) return;
        if (!(fds[1].revents & POLLIN)) {
            pollfd wake{wake_[0], POLLIN, 0};
            if (poll(&wake, 1, 2) > 0) return;
            continue;
        }
        ssize_t got = read(master, buf, sizeof buf);
        if (got <= 0) continue;
        for (ssize_t i = 0; i < got; ++i) {
            char c = buf[i];
            if (c == kXon || c == kXoff || c == '\n') continue;
            if (line.empty()) {
                lineStart = std::chrono::steady_clock::now();
                std::lock_guard lock(mutex_);
                if (answered_ != std::chrono::steady_clock::time_point{})
                    turnaround_ += lineStart - answered_;
                answered_ = {};
            }
            if (c != kCr) {
                line += c;
                continue;
            }
            {
                std::lock_guard lock(mutex_);
                received_ += line.size() + 1;
            }
            HandleLine(line, lineStart);
            line.clear();
        }
    }
}

void RadioSim::HandleLine(const std::string& line,
                          std::chrono::steady_clock::time_point lineStart) {
    int index;
    std::string answer;
    {
        std::lock_guard lock(mutex_);
        index = static_cast<int>(transcript_.size());
        transcript_.push_back(line);
        answer = model_.Answer(line);
        if (IsBeaconCommand(line) && beaconAnswers_++ < faults_.BadBeaconReplies) answer = "BCN 1";
    }
    changed_.notify_all();
    if (faults_.SilentAfter >= 0 && index >= faults_.SilentAfter) return;
    if (faults_.HangUpAfter >= 0 && index >= faults_.HangUpAfter) {
        HangUp();
        return;
    }
    std::string bytes = answer + kCr;
    if (faults_.Override) {
        if (auto o = faults_.Override(index, line, answer)) bytes = *o;
    }
    if (faults_.Paced) {
        // The command took its bytes' time to arrive and the answer takes its own to go out;
        // one wait for both, ended by a short spin so a late wake-up does not count.
        auto due = lineStart + kByteTime * static_cast<long>(line.size() + 1 + bytes.size());
        std::this_thread::sleep_until(due - std::chrono::milliseconds(2));
        while (std::chrono::steady_clock::now() < due)
            std::this_thread::yield();
    }
    if (index == faults_.LateLine) {
        if (faults_.LateRepeat) Send(bytes);
        if (!Wait(std::chrono::duration<double>(faults_.LateSeconds))) return;
    }
    Send(bytes);
}

bool RadioSim::Wait(std::chrono::duration<double> time) {
    auto due = std::chrono::steady_clock::now() +
               std::chrono::duration_cast<std::chrono::steady_clock::duration>(time);
    for (;;) {
        auto left =
            std::chrono::ceil<std::chrono::milliseconds>(due - std::chrono::steady_clock::now());
        if (left.count() <= 0) return true;
        pollfd wake{wake_[0], POLLIN, 0};
        int n = poll(&wake, 1, static_cast<int>(left.count()));
        if (n > 0) return false;
        if (n < 0 && errno != EINTR) return false;
    }
}

void RadioSim::Send(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
    std::lock_guard lock(mutex_);
    sent_ += bytes.size();
    answered_ = std::chrono::steady_clock::now();
}

void RadioSim::HangUp() {
    std::lock_guard lock(mutex_);
    if (master_ >= 0) close(master_);
    master_ = -1;
}

double RadioSim::TurnaroundSeconds() const {
    std::lock_guard lock(mutex_);
    return std::chrono::duration<double>(turnaround_).count();
}

std::vector<std::string> RadioSim::Transcript() const {
    std::lock_guard lock(mutex_);
    return transcript_;
}

RadioState RadioSim::State() const {
    std::lock_guard lock(mutex_);
    return model_.State();
}

uint64_t RadioSim::BytesReceived() const {
    std::lock_guard lock(mutex_);
    return received_;
}

uint64_t RadioSim::BytesSent() const {
    std::lock_guard lock(mutex_);
    return sent_;
}

bool RadioSim::WaitForCommands(size_t n, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return transcript_.size() >= n; });
}

} // namespace radiosim
