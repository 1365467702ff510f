#include "tools/radio_sim/SimClient.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace radiosim {

SimClient::SimClient(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd_ < 0) throw std::runtime_error("open " + path + ": " + std::strerror(errno));
}

SimClient::~SimClient() {
    if (fd_ >= 0) close(fd_);
}

void SimClient::Send(const std::string& line) {
    std::string bytes = line + '\r';
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw std::runtime_error(std::string("write: ") + std::strerror(errno));
        done += static_cast<size_t>(n);
    }
}

std::optional<std::string> SimClient::Receive(std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        size_t cr = pending_.find('\r');
        if (cr != std::string::npos) {
            std::string line = pending_.substr(0, cr);
            pending_.erase(0, cr + 1);
            return line;
        }
        if (hungUp_) return std::nullopt;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return std::nullopt;
        pollfd p{fd_, POLLIN, 0};
        int r = poll(&p, 1, static_cast<int>(left.count()));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return std::nullopt;
        char buf[4096];
        ssize_t n = read(fd_, buf, sizeof buf);
        if (n > 0)
            pending_.append(buf, static_cast<size_t>(n));
        else if (n == 0 || errno != EINTR)
            hungUp_ = true;
    }
}

std::optional<std::string> SimClient::Ask(const std::string& line,
                                          std::chrono::milliseconds timeout) {
    Send(line);
    return Receive(timeout);
}

} // namespace radiosim
