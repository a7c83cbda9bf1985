#pragma once
#include "exercise/ClockGauge.h"
#include "exercise/ExerciseState.h"
#include "exercise/PracticeText.h"
#include <QTimer>
#include <memory>

class Clock;
class ExerciseView;
class KeyGuide;
class MessageBoxService;

// One run through the laid-out text, from Start to the last character or Esc.
//
// Event-driven: each key press is judged the moment it arrives, in arrival order, so a
// right key followed at once by another key is never lost, and nothing runs while the
// user thinks. The exercise is running exactly while its clock timer is active.
class TypingExercise {
public:
    TypingExercise(ExerciseView& view, KeyGuide& keys, MessageBoxService& messages, const Clock& clock);

    // Clears the counters and the previous text and lays the lines out, ready for a start.
    void loadText(const QStringList& lines);
    void start();
    void keyPressed(int charCode);
    // Asks the exercise to stop, as Esc does; outside an exercise it is only remembered.
    void interrupt();
    void stopClock() { Timer1_.stop(); }
    // The exercise clock's tick, every 500 ms while running: clock, speed gauge, cursor blink.
    void tick();
    // Target speed in right keys a second, 1..4; rescales the speed bar at once.
    void setSpeedLevel(int level);

    bool running() const { return Timer1_.isActive(); }
    const ExerciseState& state() const { return state_; }
    const PracticeText& text() const { return *text_; }

private:
    void clearCounters();
    void prepare();
    void end();
    void beginChar(int index);
    void judge();
    void unmarkCurrent();
    void updateSpeedGauge();

    ExerciseView& view_;
    KeyGuide& keys_;
    MessageBoxService& messages_;
    const Clock& clock_;
    ExerciseState state_;
    std::shared_ptr<PracticeText> text_ = std::make_shared<PracticeText>();
    QTimer Timer1_;   // the exercise clock: ticks while an exercise runs
    int SpeedLevel_ = StartSpeedLevel;
    bool CursorBlink_ = false;   // phase of the cursor blink, carried from run to run
    qint64 elapsedMs_ = 0;
    qint64 lastTickMs_ = 0;
};
