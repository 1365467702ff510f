// A pseudo-terminal pair that stands in for a serial cable: the device end has a path that
// SerialDevice opens like a port, the peer end is driven by the caller (a test or a simulated
// radio).
#pragma once
#include <cstddef>
#include <string>

class PseudoTerminal {
  public:
    // Throws std::runtime_error when the system has no pseudo-terminal to give.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& DevicePath() const { return path_; }

    // Peer side: false when the bytes could not all be written within timeoutMs.
    bool Send(const std::string& bytes, int timeoutMs = 1000);
    // Peer side: waits up to timeoutMs until n bytes came, returns what came.
    std::string Receive(size_t n, int timeoutMs);
    // Closes the peer end: the device end sees a hang-up.
    void HangUp();

    // The device end's line settings as the driver holds them.
    struct LineState {
        bool SoftwareFlowOut = false; // obeys Xoff/Xon
        bool SoftwareFlowIn = false;  // sends Xoff/Xon
        bool HardwareFlow = false;
        bool Raw = false; // no echo, no line editing, no character translation
        int DataBits = 0;
        bool Parity = false;
        bool TwoStopBits = false;
        unsigned char XonChar = 0;
        unsigned char XoffChar = 0;
        unsigned Baud = 0;
    };
    LineState DeviceLineState() const;

  private:
    int master_ = -1;
    int device_ = -1; // kept open so the peer end never sees the device end vanish
    std::string path_;
};
