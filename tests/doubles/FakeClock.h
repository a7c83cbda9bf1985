#pragma once
#include "platform/Clock.h"

// Time that moves only when the test says so.
struct FakeClock final : Clock {
    qint64 nowMs() const override { return now; }
    void advanceMs(qint64 ms) { now += ms; }
    qint64 now = 0;
};
