#pragma once
#include "platform/Clock.h"
#include <QElapsedTimer>

class SteadyClock final : public Clock {
public:
    SteadyClock() { timer_.start(); }
    qint64 nowMs() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};
