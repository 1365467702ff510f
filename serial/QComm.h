// TQComm: a non-visual serial-port component. It opens one port, programs its line settings and
// flow control, writes and reads byte blocks with a deadline, reports queue counts, and runs a
// read thread that hands each accepted receive event to the GUI thread as OnCommEvent.
#pragma once
#include "platform/SerialDevice.h"
#include "platform/System.h"
#include "serial/CommError.h"
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class TReadThread;

enum class TCommPort { Com1, Com2, Com3, Com4 };
enum class TBaudRate {
    ____600bps,
    ___1200bps,
    ___2400bps,
    ___4800bps,
    ___9600bps,
    __14400bps,
    __19200bps,
    __38400bps,
    __56000bps,
    __57600bps,
    _115200bps,
    _128000bps,
};
enum class TParity { None, Odd, Even, Mark, Space };
enum class TByteSize { _5bit, _6bit, _7bit, _8bit };
enum class TStopBits { _1bit, _1_5bit, _2bit };
enum class TFlowControl { Disable, DtrDsr, XonXoff, RtsCts };
enum class TEventType { RxEvent, CharEvent };

// Sender is the component; size the bytes waiting when the event was decided.
using TCommEvent = std::function<void(TObject* Sender, uint32_t& size)>;

class TQComm : public TComponent {
  public:
    explicit TQComm(TComponent* owner);
    ~TQComm() override;

    // Published properties, in their published order.
    TCommPort CommPort() const { return commPort_; }
    TBaudRate BaudRate() const { return baudRate_; }
    TParity Parity() const { return parity_; }
    TByteSize ByteSize() const { return byteSize_; }
    TStopBits StopBits() const { return stopBits_; }
    TFlowControl FlowControl() const { return flowControl_; }
    TEventType EventType() const { return eventType_; }
    uint32_t InBuffSize() const { return inBuffSize_; }
    uint32_t OutBuffSize() const { return outBuffSize_; }
    uint32_t RxThreshold() const { return rxThreshold_; }
    uint16_t RxStartSize() const { return rxStartSize_; }
    uint16_t RxStopSize() const { return rxStopSize_; }
    uint16_t EventChar() const { return eventChar_; }
    // Runs on the GUI thread, once per accepted receive event, never after the port closed.
    TCommEvent OnCommEvent;

    // Property writers. The line-setting writers also apply the value while the port is open;
    // the others take effect at the next OpenCommport (the two limits at SetFlowControl).
    virtual void SetCommPort(TCommPort v);
    virtual void SetBaudRate(TBaudRate v);
    virtual void SetParity(TParity v);
    virtual void SetByteSize(TByteSize v);
    virtual void SetStopBits(TStopBits v);
    virtual void SetFlowControl(TFlowControl v);
    virtual void SetEventType(TEventType v);
    virtual void SetInBuffSize(uint32_t v);
    virtual void SetOutBuffSize(uint32_t v);
    virtual void SetRxThreshold(uint32_t v);
    virtual void SetXonSendSize(uint16_t v);
    virtual void SetXoffSendSize(uint16_t v);
    virtual void SetEventChar(uint16_t v);

    // Opens the port named by CommPort and starts the read thread; nothing if already open.
    void OpenCommport();
    // Ends the read thread and closes the port; nothing if not open.
    void CloseCommport();
    // True if name is this instance's open port or a port that can be opened right now.
    bool CheckCommportValid(const AnsiString& name);
    bool GetPortStatus() const { return open_; }

    // Reads n bytes; a read ended early by the port time-outs leaves the rest of the buffer.
    void ReadData(void* buffer, uint32_t n);
    AnsiString ReadStringData(uint32_t n);
    void WriteData(const void* data, uint32_t n);
    void WriteStringData(const AnsiString& text);
    void WriteStop();
    void WriteRestart();
    void ClearInBuff();
    void ClearOutBuff();
    int32_t CountInBuff();
    int32_t CountOutBuff();
    // Called by the read thread: decides whether the waiting bytes make an OnCommEvent.
    void CreateCommEvent();

  protected:
    // The open port's line-settings record, for writers of derived components.
    bool HandleSet() const { return device_ != nullptr; }
    SerialLineSettings GetCommState() const;
    void SetCommState(const SerialLineSettings& s);
    // Reads the open port's settings, lets change alter them and writes them back.
    void ChangeLine(const std::function<void(SerialLineSettings&)>& change);
    // For a writer of a derived component that applies its own flow-control rules.
    void StoreFlowControl(TFlowControl v) { flowControl_ = v; }
    const char XonChar = 17;
    const char XoffChar = 19;

  private:
    // Outlives the component in posted events, so a late event finds no component to call.
    struct Gate {
        TQComm* owner;
    };
    void DeliverCommEvent(uint64_t generation, uint32_t count);

    TCommPort commPort_ = TCommPort::Com1;
    TBaudRate baudRate_ = TBaudRate::___9600bps;
    TParity parity_ = TParity::None;
    TByteSize byteSize_ = TByteSize::_8bit;
    TStopBits stopBits_ = TStopBits::_1bit;
    TFlowControl flowControl_ = TFlowControl::Disable;
    std::atomic<TEventType> eventType_{TEventType::RxEvent};
    uint32_t inBuffSize_ = 4096;
    uint32_t outBuffSize_ = 4096;
    std::atomic<uint32_t> rxThreshold_{256};
    uint16_t rxStartSize_ = 1024;
    uint16_t rxStopSize_ = 2048;
    uint16_t eventChar_ = 65;

    AnsiString portName_ = "COM1";
    std::atomic<bool> open_{false};
    // Counts the opens, so an event of an earlier open is never delivered to a later one.
    std::atomic<uint64_t> generation_{0};
    std::unique_ptr<SerialDevice> device_;
    std::unique_ptr<TReadThread> thread_;
    std::shared_ptr<Gate> gate_;
};
