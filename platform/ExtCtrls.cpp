#include "platform/ExtCtrls.h"

#include "platform/internal/Bridge.h"
#include <QTimer>
#include <chrono>

namespace {
using Clock = std::chrono::steady_clock;
}

// Each period is one precise single shot; a shot that the event loop delivers before the
// period is over waits out the rest, so an interval is never cut short.
struct TTimer::Impl {
    QTimer timer;
    Clock::time_point due;
    void Arm(int ms) {
        due = Clock::now() + std::chrono::milliseconds(ms);
        timer.start(ms);
    }
};

TTimer::TTimer(TComponent* owner) : TComponent(owner), impl_(std::make_unique<Impl>()) {
    impl_->timer.setSingleShot(true);
    impl_->timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&impl_->timer, &QTimer::timeout, &impl_->timer, [this] {
        const auto left = impl_->due - Clock::now();
        if (left > Clock::duration::zero()) {
            impl_->timer.start(
                static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count()));
            return;
        }
        impl_->Arm(interval_); // the next period; the handler may stop it
        wyx::Guarded([this] {
            if (OnTimer) OnTimer(this);
        });
    });
    SetEnabled(enabled_);
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int ms) {
    interval_ = std::max(0, ms);
    SetEnabled(enabled_);
}

void TTimer::SetEnabled(bool v) {
    enabled_ = v;
    if (enabled_ && interval_ > 0)
        impl_->Arm(interval_); // restarts the interval
    else
        impl_->timer.stop();
}
