#include "keyboard/FingerGuide.h"

namespace {
constexpr int LowestStep = 110;       // a step to here or beyond would pass the resting place
constexpr int CalloutsBelow = 125;    // the step that reaches the resting place shows them
constexpr qint64 CalloutSeconds = 3;  // shown for more than this many whole seconds
} // namespace

void FingerGuide::start(qint64 nowMs)
{
    GuideStartTime_ = nowMs;
    HandY_ = StartY;
    calloutsVisible_ = false;
    running_ = true;
}

bool FingerGuide::tick(qint64 nowMs)
{
    if (!running_)
        return false;
    if ((nowMs - GuideStartTime_) / 1000 > CalloutSeconds)
        calloutsVisible_ = false;
    const int next = HandY_ - HandStep;
    if (next <= LowestStep)
        return false;
    if (next < CalloutsBelow)
        calloutsVisible_ = true;
    HandY_ = next;
    return true;
}
