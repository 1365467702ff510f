#include "serial/ReadThread.h"

#include "platform/Forms.h"
#include "platform/GuiPost.h"
#include "platform/SerialDevice.h"
#include "serial/QComm.h"

TReadThread::TReadThread(TQComm* comm, SerialDevice* handle) : comm_(comm), handle_(handle) {
    handle_->SetEventMask(comm_->EventType() == TEventType::CharEvent ? EV_RXFLAG : EV_RXCHAR);
    thread_ = std::thread([this] { Execute(); });
}

TReadThread::~TReadThread() {
    WaitFor();
}

void TReadThread::WaitFor() {
    if (thread_.joinable()) thread_.join();
}

void TReadThread::Execute() {
    while (!Terminated()) {
        unsigned events = 0;
        // A failed wait counts as no event. The wait only fails with a cleared mask, which
        // the component does after asking the thread to end.
        if (!handle_->WaitEvent(events) || Terminated()) continue;
        if (!(events & (EV_RXCHAR | EV_RXFLAG)) || handle_->InQueue() == 0) continue;
        try {
            comm_->CreateCommEvent();
        } catch (const std::exception& e) {
            PostToGuiThread([text = AnsiString(e.what())] {
                if (Application) Application->ShowException(Exception(text));
            });
        }
    }
}
