// TReadThread: waits for the receive events of an open TQComm's port and lets the component
// decide whether each wake raises OnCommEvent. It never runs the owner's handler itself and
// never waits for the GUI thread, so the component can always end it promptly.
#pragma once
#include <atomic>
#include <thread>

class TQComm;
class SerialDevice;

class TReadThread {
  public:
    // Sets the port's event mask from the component's EventType, then starts waiting.
    TReadThread(TQComm* comm, SerialDevice* handle);
    // Ends the thread if the owner has not already: asks it to terminate, releases its wait
    // and waits for it.
    ~TReadThread();
    TReadThread(const TReadThread&) = delete;
    TReadThread& operator=(const TReadThread&) = delete;

    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    // Returns when the loop has ended.
    void WaitFor();

  private:
    void Execute();

    TQComm* const comm_;
    SerialDevice* const handle_;
    std::atomic<bool> terminated_{false};
    std::thread thread_;
};
