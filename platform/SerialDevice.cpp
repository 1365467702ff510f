#include "platform/SerialDevice.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int OpenExclusive(const std::string& path) {
    if (path.empty()) return -1;
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    termios t{};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::tcgetattr(fd, &t) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

speed_t StandardSpeed(uint32_t baud) {
    switch (baud) {
    case 600:
        return B600;
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}

// Milliseconds to wait for poll(2) until the deadline, rounded up so the deadline is reached.
int PollTimeout(Clock::time_point deadline) {
    auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) return 0;
    auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return static_cast<int>(std::min<long long>(ms, 1 << 30));
}

Clock::time_point After(Clock::time_point start, uint64_t ms) {
    return ms ? start + std::chrono::milliseconds(ms) : Clock::time_point::max();
}

void SetModemLine(int fd, int line, bool on) {
    // Pseudo-terminals have no modem lines; the request is refused there and that is fine.
    (void)::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

} // namespace

std::string SerialDevicePath(const std::string& portName) {
    if (portName.size() < 4 || portName.compare(0, 3, "COM") != 0) return {};
    int n = 0;
    for (size_t i = 3; i < portName.size(); ++i) {
        char c = portName[i];
        if (c < '0' || c > '9' || n > 999) return {};
        n = n * 10 + (c - '0');
    }
    if (n < 1 || portName[3] == '0') return {};
    if (const char* env = std::getenv(("WYX_COM" + std::to_string(n)).c_str()); env && *env)
        return env;
    return "/dev/ttyS" + std::to_string(n - 1);
}

std::unique_ptr<SerialDevice> SerialDevice::Open(const std::string& path) {
    int fd = OpenExclusive(path);
    if (fd < 0) return nullptr;
    int wake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wake < 0) {
        ::close(fd);
        return nullptr;
    }
    // Other openers are refused by the driver too (root is exempt; the lock still holds).
    (void)::ioctl(fd, TIOCEXCL);
    std::unique_ptr<SerialDevice> dev(new SerialDevice(fd, wake));
    {
        std::lock_guard lock(dev->m_);
        if (!dev->ApplyLocked(dev->settings_)) return nullptr;
        serial_icounter_struct ic{};
        if (::ioctl(fd, TIOCGICOUNT, &ic) == 0)
            dev->counters_ = {ic.frame, ic.overrun, ic.parity, ic.brk};
    }
    ::tcflush(fd, TCIOFLUSH);
    dev->pump_ = std::thread([d = dev.get()] { d->Pump(); });
    return dev;
}

bool SerialDevice::CanOpen(const std::string& path) {
    int fd = OpenExclusive(path);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

SerialDevice::SerialDevice(int fd, int wakeFd) : fd_(fd), wakeFd_(wakeFd) {}

SerialDevice::~SerialDevice() {
    {
        std::lock_guard lock(m_);
        stop_ = true;
    }
    cv_.notify_all();
    Kick();
    if (pump_.joinable()) pump_.join();
    (void)::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    ::close(wakeFd_);
}

void SerialDevice::Kick() const {
    uint64_t one = 1;
    ssize_t r = ::write(wakeFd_, &one, sizeof one);
    (void)r; // a full counter already wakes the pump
}

void SerialDevice::Pump() {
    for (;;) {
        pollfd p[2] = {{fd_, 0, 0}, {wakeFd_, POLLIN, 0}};
        {
            std::lock_guard lock(m_);
            if (stop_) return;
            if (failed_)
                p[0].fd = -1; // a gone device is not polled again: no busy loop
            else if (rx_.size() < rxCapacity_)
                p[0].events = POLLIN;
        }
        int r = ::poll(p, 2, -1);
        if (r < 0) {
            if (errno == EINTR) continue;
            std::lock_guard lock(m_);
            failed_ = true;
            cv_.notify_all();
            return;
        }
        if (p[1].revents & POLLIN) {
            uint64_t v;
            ssize_t n = ::read(wakeFd_, &v, sizeof v);
            (void)n;
        }
        if (p[0].revents) {
            std::lock_guard lock(m_);
            DrainLocked();
            if (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) failed_ = true;
            cv_.notify_all();
        }
    }
}

void SerialDevice::DrainLocked() {
    if (failed_) return;
    unsigned char chunk[1024];
    while (rx_.size() < rxCapacity_) {
        size_t want = std::min(sizeof chunk, rxCapacity_ - rx_.size());
        ssize_t n = ::read(fd_, chunk, want);
        if (n > 0) {
            rx_.insert(rx_.end(), chunk, chunk + n);
            history_ |= mask_ & EV_RXCHAR;
            if ((mask_ & EV_RXFLAG) && std::memchr(chunk, settings_.EventChar, n))
                history_ |= EV_RXFLAG;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) break;
        failed_ = true; // end of file (hung up) or an I/O error
        break;
    }
    if (history_ & mask_) cv_.notify_all();
}

void SerialDevice::SetQueueSizes(uint32_t in, uint32_t out) {
    std::lock_guard lock(m_);
    bool wasFull = rx_.size() >= rxCapacity_;
    rxCapacity_ = std::max<uint32_t>(in, 1);
    txCapacity_ = out;
    if (wasFull) Kick();
}

SerialLineSettings SerialDevice::LineSettings() const {
    std::lock_guard lock(m_);
    return settings_;
}

bool SerialDevice::SetLineSettings(const SerialLineSettings& s) {
    std::lock_guard lock(m_);
    return ApplyLocked(s);
}

bool SerialDevice::ApplyLocked(const SerialLineSettings& s) {
    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return false;
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= sizes[std::clamp<int>(s.ByteSize, 5, 8) - 5];
    switch (s.Parity) {
    case 1:
        t.c_cflag |= PARENB | PARODD;
        break;
    case 2:
        t.c_cflag |= PARENB;
        break;
    case 3:
        t.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case 4:
        t.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    if (s.StopBits != 0) t.c_cflag |= CSTOPB; // 1.5 stop bits come out as 2 where unsupported
    if (s.OutxCtsFlow || s.RtsControl == SerialLineControl::Handshake) t.c_cflag |= CRTSCTS;
    // cfmakeraw clears the software flow control, so it is set after it.
    t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    if (s.OutX) t.c_iflag |= IXON;
    if (s.InX) t.c_iflag |= IXOFF;
    if (s.ParityCheck) t.c_iflag |= INPCK;
    t.c_cc[VSTART] = static_cast<cc_t>(s.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(s.XoffChar);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    speed_t speed = StandardSpeed(s.BaudRate);
    if (speed == B0 && s.BaudRate == 0) return false;
    ::cfsetispeed(&t, speed == B0 ? B38400 : speed);
    ::cfsetospeed(&t, speed == B0 ? B38400 : speed);
    if (::tcsetattr(fd_, TCSANOW, &t) != 0) return false;
    if (speed == B0 && !SetTerminalCustomSpeed(fd_, s.BaudRate)) return false;
    // DSR handshake has no termios equivalent: DTR is then held on, DSR is not watched.
    SetModemLine(fd_, TIOCM_DTR, s.DtrControl != SerialLineControl::Disable);
    if (s.RtsControl != SerialLineControl::Handshake)
        SetModemLine(fd_, TIOCM_RTS, s.RtsControl == SerialLineControl::Enable);
    settings_ = s;
    return true;
}

void SerialDevice::SetTimeouts(const SerialTimeouts& t) {
    std::lock_guard lock(m_);
    timeouts_ = t;
}

void SerialDevice::Purge(bool receive, bool transmit) {
    std::lock_guard lock(m_);
    if (receive && transmit)
        ::tcflush(fd_, TCIOFLUSH);
    else if (receive)
        ::tcflush(fd_, TCIFLUSH);
    else if (transmit)
        ::tcflush(fd_, TCOFLUSH);
    if (receive) {
        bool wasFull = rx_.size() >= rxCapacity_;
        rx_.clear();
        if (wasFull) Kick();
    }
}

void SerialDevice::SetBreak(bool on) {
    (void)::ioctl(fd_, on ? TIOCSBRK : TIOCCBRK);
}

unsigned SerialDevice::TakeErrors() {
    std::lock_guard lock(m_);
    unsigned mask = failed_ ? unsigned(CE_IOE) : 0u;
    serial_icounter_struct ic{};
    if (!failed_ && ::ioctl(fd_, TIOCGICOUNT, &ic) == 0) {
        if (ic.frame != counters_.frame) mask |= CE_FRAME;
        if (ic.overrun != counters_.overrun) mask |= CE_OVERRUN;
        if (ic.parity != counters_.parity) mask |= CE_RXPARITY;
        if (ic.brk != counters_.brk) mask |= CE_BREAK;
        counters_ = {ic.frame, ic.overrun, ic.parity, ic.brk};
    }
    return mask;
}

size_t SerialDevice::InQueue() {
    std::lock_guard lock(m_);
    DrainLocked();
    return rx_.size();
}

size_t SerialDevice::OutQueue() const {
    int n = 0;
    if (::ioctl(fd_, TIOCOUTQ, &n) != 0 || n < 0) return 0;
    return static_cast<size_t>(n);
}

SerialTransfer SerialDevice::Read(void* buffer, size_t n) {
    auto* out = static_cast<unsigned char*>(buffer);
    SerialTransfer r;
    const auto start = Clock::now();
    std::unique_lock lock(m_);
    const auto total =
        After(start, uint64_t(timeouts_.ReadTotalMultiplier) * n + timeouts_.ReadTotalConstant);
    auto interval = Clock::time_point::max();
    for (;;) {
        DrainLocked();
        bool wasFull = rx_.size() >= rxCapacity_;
        size_t take = std::min(n - r.Bytes, rx_.size());
        if (take) {
            std::copy_n(rx_.begin(), take, out + r.Bytes);
            rx_.erase(rx_.begin(), rx_.begin() + take);
            r.Bytes += take;
            interval = After(Clock::now(), timeouts_.ReadInterval);
            if (wasFull) Kick();
        }
        if (r.Bytes == n) break;
        if (failed_) return r;
        auto deadline = std::min(total, interval);
        if (Clock::now() >= deadline) break;
        r.WasPending = true;
        if (deadline == Clock::time_point::max())
            cv_.wait(lock);
        else
            cv_.wait_until(lock, deadline);
    }
    r.Completed = true;
    return r;
}

SerialTransfer SerialDevice::Write(const void* data, size_t n) {
    const auto* in = static_cast<const unsigned char*>(data);
    SerialTransfer r;
    const auto start = Clock::now();
    Clock::time_point deadline;
    {
        std::lock_guard lock(m_);
        if (failed_) return r;
        deadline = After(start, uint64_t(timeouts_.WriteTotalMultiplier) * n +
                                    timeouts_.WriteTotalConstant);
    }
    auto fail = [this, &r] {
        std::lock_guard lock(m_);
        failed_ = true;
        cv_.notify_all();
        return r;
    };
    while (r.Bytes < n) {
        ssize_t w = ::write(fd_, in + r.Bytes, n - r.Bytes);
        if (w > 0) {
            r.Bytes += static_cast<size_t>(w);
            continue;
        }
        if (w < 0 && errno == EINTR) continue;
        if (w < 0 && errno != EAGAIN) return fail();
        if (Clock::now() >= deadline) break;
        r.WasPending = true;
        pollfd p{fd_, POLLOUT, 0};
        int timeout = deadline == Clock::time_point::max() ? -1 : PollTimeout(deadline);
        if (::poll(&p, 1, timeout) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
            return fail();
    }
    r.Completed = true;
    return r;
}

void SerialDevice::SetEventMask(unsigned mask) {
    {
        std::lock_guard lock(m_);
        mask_ = mask;
        history_ = 0;
        ++maskChanges_;
    }
    cv_.notify_all();
}

bool SerialDevice::WaitEvent(unsigned& events) {
    std::unique_lock lock(m_);
    events = 0;
    if (mask_ == 0) return false;
    const unsigned changes = maskChanges_;
    cv_.wait(lock, [&] { return (history_ & mask_) || maskChanges_ != changes || stop_; });
    if (maskChanges_ != changes || stop_) return true;
    events = history_ & mask_;
    history_ = 0;
    return true;
}
