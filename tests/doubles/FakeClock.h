#pragma once
#include "platform/Clock.h"

struct FakeClock final : Clock {
    qint64 nowMs() const override { return now; }
    qint64 now = 0;
};
