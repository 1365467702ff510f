#include "serial/QComm.h"

#include "platform/Forms.h"
#include "platform/GuiPost.h"
#include "serial/ReadThread.h"
#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

const uint32_t kBaudRates[] = {600,   1200,  2400,  4800,  9600,   14400,
                               19200, 38400, 56000, 57600, 115200, 128000};

// Port time-outs: a transfer ends at the latest 1000 ms plus 5 ms per byte after it began,
// a read also 1000 ms after its last byte.
const SerialTimeouts kPortTimeouts{1000, 5, 1000, 5, 1000};

// A pending transfer that fails after n * 100 ms counts as timed out.
bool PastDeadline(std::chrono::steady_clock::time_point start, uint32_t n) {
    return std::chrono::steady_clock::now() > start + std::chrono::milliseconds(uint64_t(n) * 100);
}

} // namespace

TQComm::TQComm(TComponent* owner) : TComponent(owner), gate_(std::make_shared<Gate>(Gate{this})) {}

TQComm::~TQComm() {
    if (open_) CloseCommport();
    gate_->owner = nullptr;
}

void TQComm::SetCommPort(TCommPort v) {
    if (v == commPort_) return;
    commPort_ = v;
    portName_ = "COM" + std::to_string(static_cast<int>(v) + 1);
}

void TQComm::SetBaudRate(TBaudRate v) {
    baudRate_ = v;
    auto i = static_cast<size_t>(v);
    if (i < std::size(kBaudRates))
        ChangeLine([&](SerialLineSettings& s) { s.BaudRate = kBaudRates[i]; });
}

void TQComm::SetParity(TParity v) {
    parity_ = v;
    ChangeLine([&](SerialLineSettings& s) { s.Parity = static_cast<uint8_t>(v); });
}

void TQComm::SetByteSize(TByteSize v) {
    byteSize_ = v;
    ChangeLine(
        [&](SerialLineSettings& s) { s.ByteSize = static_cast<uint8_t>(5 + static_cast<int>(v)); });
}

void TQComm::SetStopBits(TStopBits v) {
    stopBits_ = v;
    ChangeLine([&](SerialLineSettings& s) { s.StopBits = static_cast<uint8_t>(v); });
}

void TQComm::SetFlowControl(TFlowControl v) {
    flowControl_ = v;
    if (!HandleSet()) return;
    SerialLineSettings s = GetCommState();
    s.OutxCtsFlow = false;
    s.OutxDsrFlow = false;
    s.DsrSensitivity = false;
    s.OutX = false;
    s.InX = false;
    if (v == TFlowControl::RtsCts) {
        s.RtsControl = SerialLineControl::Handshake;
        s.OutxCtsFlow = true;
    } else {
        s.RtsControl = SerialLineControl::Enable;
    }
    if (v == TFlowControl::DtrDsr) {
        s.OutxDsrFlow = true;
        s.DtrControl = SerialLineControl::Handshake;
        s.DsrSensitivity = true;
    } else {
        s.DtrControl = SerialLineControl::Enable;
    }
    if (v == TFlowControl::XonXoff) {
        s.OutX = true;
        s.InX = true;
    }
    s.XonChar = XonChar;
    s.XoffChar = XoffChar;
    s.XonLim = rxStartSize_;
    s.XoffLim = static_cast<uint16_t>(inBuffSize_ - rxStopSize_);
    SetCommState(s);
}

void TQComm::SetEventType(TEventType v) {
    eventType_ = v;
}
void TQComm::SetInBuffSize(uint32_t v) {
    inBuffSize_ = v;
}
void TQComm::SetOutBuffSize(uint32_t v) {
    outBuffSize_ = v;
}
void TQComm::SetRxThreshold(uint32_t v) {
    rxThreshold_ = v;
}
void TQComm::SetXonSendSize(uint16_t v) {
    rxStartSize_ = v;
}
void TQComm::SetXoffSendSize(uint16_t v) {
    rxStopSize_ = v;
}

void TQComm::SetEventChar(uint16_t v) {
    eventChar_ = v;
    ChangeLine([&](SerialLineSettings& s) { s.EventChar = static_cast<char>(v & 0xFF); });
}

SerialLineSettings TQComm::GetCommState() const {
    return device_ ? device_->LineSettings() : SerialLineSettings{};
}

void TQComm::ChangeLine(const std::function<void(SerialLineSettings&)>& change) {
    if (!HandleSet()) return;
    SerialLineSettings s = GetCommState();
    change(s);
    SetCommState(s);
}

void TQComm::SetCommState(const SerialLineSettings& s) {
    // As with the Windows call, a setting the driver refuses leaves the port as it was.
    if (device_) (void)device_->SetLineSettings(s);
}

void TQComm::OpenCommport() {
    if (device_) return;
    device_ = SerialDevice::Open(SerialDevicePath(portName_));
    if (!device_) throw ECommError("CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    device_->SetQueueSizes(inBuffSize_, outBuffSize_);
    SetBaudRate(baudRate_);
    SetParity(parity_);
    SetByteSize(byteSize_);
    SetStopBits(stopBits_);
    SetFlowControl(flowControl_);
    SetEventChar(eventChar_);
    device_->SetTimeouts(kPortTimeouts);
    device_->Purge(true, true);
    ++generation_;
    try {
        thread_ = std::make_unique<TReadThread>(this, device_.get());
    } catch (...) {
        device_.reset(); // no thread, no open port
        throw;
    }
    open_ = true;
}

void TQComm::CloseCommport() {
    if (!device_) return;
    thread_->Terminate();
    device_->SetEventMask(0); // releases the thread's pending wait
    thread_->WaitFor();
    thread_.reset();
    device_->Purge(true, true);
    device_.reset();
    open_ = false;
}

bool TQComm::CheckCommportValid(const AnsiString& name) {
    if (open_ && name == portName_) return true;
    return SerialDevice::CanOpen(SerialDevicePath(name));
}

void TQComm::ReadData(void* buffer, uint32_t n) {
    if (!open_) throw ECommError("Have not started communications");
    const auto start = std::chrono::steady_clock::now();
    SerialTransfer r = device_->Read(buffer, n);
    if (r.Completed) return;
    if (r.WasPending && PastDeadline(start, n)) throw ECommError("Read data Timeout");
    throw ECommError("Communication Read Error  ErrorMask=%d",
                     static_cast<int>(device_->TakeErrors()));
}

AnsiString TQComm::ReadStringData(uint32_t n) {
    // Read in pieces of the staging size; bytes the time-outs left unread are zero bytes.
    AnsiString text;
    text.reserve(n);
    char staging[4096];
    while (text.size() < n) {
        uint32_t part = std::min<uint32_t>(n - static_cast<uint32_t>(text.size()), 4096);
        std::memset(staging, 0, part);
        ReadData(staging, part);
        text.append(staging, part);
    }
    return text;
}

void TQComm::WriteData(const void* data, uint32_t n) {
    if (!open_) throw ECommError("Have not started communications");
    int64_t space = int64_t(outBuffSize_) - int64_t(device_->OutQueue());
    if (int64_t(n) >= space) throw ECommError("Too much write data");
    const auto start = std::chrono::steady_clock::now();
    SerialTransfer r = device_->Write(data, n);
    if (r.Completed) return;
    if (r.WasPending && PastDeadline(start, n)) throw ECommError("Write data Timeout");
    throw ECommError("Communication Write Error  ErrorMask=%d",
                     static_cast<int>(device_->TakeErrors()));
}

void TQComm::WriteStringData(const AnsiString& text) {
    WriteData(text.data(), static_cast<uint32_t>(text.size()));
}

void TQComm::WriteStop() {
    if (open_) device_->SetBreak(true);
}

void TQComm::WriteRestart() {
    if (open_) device_->SetBreak(false);
}

void TQComm::ClearInBuff() {
    if (open_) device_->Purge(true, false);
}

void TQComm::ClearOutBuff() {
    if (open_) device_->Purge(false, true);
}

int32_t TQComm::CountInBuff() {
    return open_ ? static_cast<int32_t>(device_->InQueue()) : -1;
}

int32_t TQComm::CountOutBuff() {
    return open_ ? static_cast<int32_t>(device_->OutQueue()) : -1;
}

void TQComm::CreateCommEvent() {
    if (!open_) return;
    auto count = static_cast<uint32_t>(device_->InQueue());
    switch (eventType_.load()) {
    case TEventType::RxEvent:
        if (count < rxThreshold_) return;
        break;
    case TEventType::CharEvent:
        break;
    default:
        return;
    }
    PostToGuiThread([gate = gate_, generation = generation_.load(), count] {
        if (gate->owner) gate->owner->DeliverCommEvent(generation, count);
    });
}

void TQComm::DeliverCommEvent(uint64_t generation, uint32_t count) {
    if (!open_ || generation != generation_ || !OnCommEvent) return;
    TCommEvent handler = OnCommEvent; // the handler may reassign the event
    uint32_t size = count;
    auto call = [&] { handler(this, size); };
    if (Application)
        Application->Guard(call);
    else
        call();
}
