#include "platform/SerialPty.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

unsigned BaudOf(speed_t s) {
    switch (s) {
    case B600:
        return 600;
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    default:
        return 0;
    }
}

} // namespace

PseudoTerminal::PseudoTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        if (master_ >= 0) ::close(master_);
        throw std::runtime_error("no pseudo-terminal available");
    }
    char name[128];
    if (::ptsname_r(master_, name, sizeof name) != 0) {
        ::close(master_);
        throw std::runtime_error("no pseudo-terminal name");
    }
    path_ = name;
    device_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (device_ < 0) {
        ::close(master_);
        throw std::runtime_error("cannot open the pseudo-terminal's device end");
    }
    // Raw from the start, so bytes the peer sends before the device is opened are not echoed.
    termios t{};
    if (::tcgetattr(device_, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(device_, TCSANOW, &t);
    }
}

PseudoTerminal::~PseudoTerminal() {
    HangUp();
    ::close(device_);
}

bool PseudoTerminal::Send(const std::string& bytes, int timeoutMs) {
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    size_t done = 0;
    while (done < bytes.size()) {
        if (master_ < 0) return false;
        ssize_t w = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (w > 0) {
            done += static_cast<size_t>(w);
            continue;
        }
        if (w < 0 && errno != EAGAIN && errno != EINTR) return false;
        if (Clock::now() >= deadline) return false;
        pollfd p{master_, POLLOUT, 0};
        ::poll(&p, 1, MsLeft(deadline));
    }
    return true;
}

std::string PseudoTerminal::Receive(size_t n, int timeoutMs) {
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string got;
    while (got.size() < n && master_ >= 0) {
        char buf[4096];
        ssize_t r = ::read(master_, buf, std::min(sizeof buf, n - got.size()));
        if (r > 0) {
            got.append(buf, static_cast<size_t>(r));
            continue;
        }
        if (r < 0 && errno == EINTR) continue;
        if ((r < 0 && errno != EAGAIN) || Clock::now() >= deadline) break;
        pollfd p{master_, POLLIN, 0};
        ::poll(&p, 1, MsLeft(deadline));
    }
    return got;
}

void PseudoTerminal::HangUp() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

PseudoTerminal::LineState PseudoTerminal::DeviceLineState() const {
    LineState s;
    termios t{};
    if (::tcgetattr(device_, &t) != 0) return s;
    s.SoftwareFlowOut = t.c_iflag & IXON;
    s.SoftwareFlowIn = t.c_iflag & IXOFF;
    s.HardwareFlow = t.c_cflag & CRTSCTS;
    s.Raw = !(t.c_lflag & (ECHO | ICANON | ISIG | IEXTEN)) && !(t.c_oflag & OPOST) &&
            !(t.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP));
    switch (t.c_cflag & CSIZE) {
    case CS5:
        s.DataBits = 5;
        break;
    case CS6:
        s.DataBits = 6;
        break;
    case CS7:
        s.DataBits = 7;
        break;
    default:
        s.DataBits = 8;
        break;
    }
    s.Parity = t.c_cflag & PARENB;
    s.TwoStopBits = t.c_cflag & CSTOPB;
    s.XonChar = t.c_cc[VSTART];
    s.XoffChar = t.c_cc[VSTOP];
    s.Baud = BaudOf(::cfgetospeed(&t));
    return s;
}
