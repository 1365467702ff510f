// Timer on the GUI thread.
#pragma once
#include "platform/System.h"

class TTimer : public TComponent {
  public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    TNotifyEvent OnTimer;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int interval_ = 1000;
    bool enabled_ = true;
};
