#pragma once
#include <QtGlobal>

// Monotonic time for measuring an exercise; never jumps with the wall clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
};
