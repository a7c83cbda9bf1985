#pragma once
#include "platform/Clock.h"

// Time that moves only when the test says so.
class FakeClock final : public Clock {
public:
    qint64 nowMs() const override { return now; }
    void advanceSeconds(int seconds) { now += qint64(seconds) * 1000; }
    qint64 now = 0;
};
