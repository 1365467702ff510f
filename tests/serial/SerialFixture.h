// Shared set-up of the serial tests: a pseudo-terminal peer reached as COM1, missing devices
// behind COM2..COM4, and waiting helpers that keep the GUI thread's events flowing.
#pragma once
#include "platform/GuiPost.h"
#include "platform/SerialPty.h"
#include "serial/QComm.h"
#include <chrono>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>

inline const char* kMissingDevice = "/nonexistent/wyx-serial-test";

// Runs GUI events until cond holds or ms passed; returns cond.
inline bool WaitUntil(const std::function<bool()>& cond, int ms = 10000) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!cond()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        ProcessPendingEvents(5);
    }
    return true;
}

inline long long MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

// The message of the ECommError that f raises, or "" when it raises none.
inline std::string CommErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ECommError& e) {
        return e.Message;
    }
    return "";
}

class SerialTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("WYX_COM1", peer.DevicePath().c_str(), 1);
        for (const char* n : {"WYX_COM2", "WYX_COM3", "WYX_COM4"})
            setenv(n, kMissingDevice, 1);
    }
    void TearDown() override {
        for (const char* n : {"WYX_COM1", "WYX_COM2", "WYX_COM3", "WYX_COM4"})
            unsetenv(n);
        ProcessPendingEvents(0);
    }

    // The line the transfer forms use with the radio.
    static void ConfigureForRadio(TQComm& c) {
        c.SetFlowControl(TFlowControl::XonXoff);
        c.SetEventType(TEventType::CharEvent);
        c.SetInBuffSize(1024);
        c.SetOutBuffSize(1024);
        c.SetXonSendSize(256);
        c.SetXoffSendSize(768);
        c.SetEventChar(13);
    }

    PseudoTerminal peer;
};
