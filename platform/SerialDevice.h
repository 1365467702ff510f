// A serial device opened for exclusive use, with the line settings, queues, time-outs, break
// control and event wait of the Windows serial interface, on POSIX termios and poll(2).
//
// The device keeps its own receive queue: a pump thread moves received bytes from the
// descriptor into it, so queue counts, reads and the event-character wake do not depend on who
// is reading. The pump stops taking bytes while the queue holds its size, which leaves the
// driver's flow control to hold the sender back; nothing is dropped.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// Line-error bits of TakeErrors, with the Windows values.
enum : unsigned {
    CE_RXOVER = 0x0001,
    CE_OVERRUN = 0x0002,
    CE_RXPARITY = 0x0004,
    CE_FRAME = 0x0008,
    CE_BREAK = 0x0010,
    CE_IOE = 0x0400, // the device failed or disappeared (I/O error, hang-up)
};

// Event bits of SetEventMask and WaitEvent, with the Windows values.
enum : unsigned {
    EV_RXCHAR = 0x0001, // any byte received
    EV_RXFLAG = 0x0002, // the event character received
};

enum class SerialLineControl { Disable, Enable, Handshake };

// The line-settings record: read it, change fields, write it back.
struct SerialLineSettings {
    uint32_t BaudRate = 9600;
    uint8_t Parity = 0; // 0 none, 1 odd, 2 even, 3 mark, 4 space
    bool ParityCheck = false;
    uint8_t ByteSize = 8;
    uint8_t StopBits = 0; // 0 one, 1 one and a half, 2 two
    bool OutxCtsFlow = false;
    bool OutxDsrFlow = false;
    bool DsrSensitivity = false;
    SerialLineControl DtrControl = SerialLineControl::Enable;
    SerialLineControl RtsControl = SerialLineControl::Enable;
    bool OutX = false; // obey Xoff/Xon from the far end
    bool InX = false;  // send Xoff/Xon to the far end
    bool TxContinueOnXoff = false;
    uint16_t XonLim = 0;
    uint16_t XoffLim = 0;
    char XonChar = 17;
    char XoffChar = 19;
    char EventChar = 0;
};

// Time-outs in milliseconds; a read ends when its bytes are in, when the gap after a received
// byte exceeds ReadInterval, or at ReadTotalMultiplier * n + ReadTotalConstant after it began.
// A write ends when its bytes are handed to the driver or at its total time. Zero disables.
struct SerialTimeouts {
    uint32_t ReadInterval = 0;
    uint32_t ReadTotalMultiplier = 0;
    uint32_t ReadTotalConstant = 0;
    uint32_t WriteTotalMultiplier = 0;
    uint32_t WriteTotalConstant = 0;
};

// Result of a read or write. A transfer ended by its time-outs is Completed with fewer bytes.
// WasPending tells whether the call had to wait before it ended.
struct SerialTransfer {
    bool Completed = false;
    bool WasPending = false;
    size_t Bytes = 0;
};

// The device path of a port name: "COM1".."COM4" (and further numbers) are the environment
// variable WYX_COMn when set, else /dev/ttyS(n-1). Empty for any other name.
std::string SerialDevicePath(const std::string& portName);

// Sets a speed termios has no constant for; false when the driver refuses it.
bool SetTerminalCustomSpeed(int fd, uint32_t baud);

class SerialDevice {
  public:
    // Opens the device for exclusive use (no other program, nor another SerialDevice, may hold
    // it) with raw 9600 8N1 settings; null when it is missing, held or not a terminal.
    static std::unique_ptr<SerialDevice> Open(const std::string& path);
    // Whether Open would succeed right now; the probe is closed again at once.
    static bool CanOpen(const std::string& path);

    ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // Receive queue size (the pump stops taking bytes at it) and the transmit queue size kept
    // as a setting.
    void SetQueueSizes(uint32_t in, uint32_t out);
    SerialLineSettings LineSettings() const;
    // Applies the settings; false (and nothing stored) when the driver refuses them.
    bool SetLineSettings(const SerialLineSettings& s);
    void SetTimeouts(const SerialTimeouts& t);
    void Purge(bool receive, bool transmit);
    void SetBreak(bool on);

    // Line errors since the last call (CE_ bits; CE_IOE stays while the device is gone).
    unsigned TakeErrors();
    size_t InQueue();
    size_t OutQueue() const;

    SerialTransfer Read(void* buffer, size_t n);
    SerialTransfer Write(const void* data, size_t n);

    // Sets the events WaitEvent waits for; a pending wait returns at once with no events.
    void SetEventMask(unsigned mask);
    // Waits for an event of the mask and yields the events that occurred (events that came
    // while nobody waited count too). False at once when the mask is 0.
    bool WaitEvent(unsigned& events);

  private:
    SerialDevice(int fd, int wakeFd);
    void Pump();
    void DrainLocked();
    void Kick() const;
    bool ApplyLocked(const SerialLineSettings& s);

    const int fd_;
    const int wakeFd_;
    mutable std::mutex m_;
    std::condition_variable cv_;
    std::deque<unsigned char> rx_;
    size_t rxCapacity_ = 4096;
    uint32_t txCapacity_ = 4096;
    SerialLineSettings settings_;
    SerialTimeouts timeouts_;
    unsigned mask_ = 0;
    unsigned history_ = 0;
    unsigned maskChanges_ = 0;
    bool failed_ = false;
    bool stop_ = false;
    struct Counters {
        int frame = 0, overrun = 0, parity = 0, brk = 0;
    } counters_;
    std::thread pump_;
};
