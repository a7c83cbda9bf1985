#pragma once
#include <QtGlobal>

// The finger guide: two hand pictures rise from below onto the keyboard panel, a step per
// tick, and rest over its lower rows; the callouts naming the index fingers' base keys show
// on the last step and go after more than three seconds. Times are monotonic milliseconds.
class FingerGuide {
public:
    static constexpr int HandStep = 10;
    static constexpr int LeftHandX = 64;
    static constexpr int RightHandX = 372;
    static constexpr int HandWidth = 228;
    static constexpr int HandHeight = 178;
    static constexpr int StartY = 400;   // wholly below the panel's visible area
    static constexpr int RestY = 120;

    void start(qint64 nowMs);
    void stop() { running_ = false; calloutsVisible_ = false; }
    // One step. Returns true when the hands moved.
    bool tick(qint64 nowMs);

    bool running() const { return running_; }
    int HandY() const { return HandY_; }
    bool calloutsVisible() const { return calloutsVisible_; }

private:
    bool running_ = false;
    bool calloutsVisible_ = false;
    int HandY_ = StartY;
    qint64 GuideStartTime_ = 0;
};
