#include "platform/ExtCtrls.h"

#include "platform/internal/Bridge.h"
#include <QTimer>

struct TTimer::Impl {
    QTimer timer;
};

TTimer::TTimer(TComponent* owner) : TComponent(owner), impl_(std::make_unique<Impl>()) {
    impl_->timer.setInterval(interval_);
    QObject::connect(&impl_->timer, &QTimer::timeout, &impl_->timer, [this] {
        wyx::Guarded([this] {
            if (OnTimer) OnTimer(this);
        });
    });
    SetEnabled(enabled_);
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int ms) {
    interval_ = std::max(0, ms);
    impl_->timer.setInterval(interval_);
    SetEnabled(enabled_);
}

void TTimer::SetEnabled(bool v) {
    enabled_ = v;
    if (enabled_ && interval_ > 0)
        impl_->timer.start(); // restarts the interval
    else
        impl_->timer.stop();
}
