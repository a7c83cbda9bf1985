#pragma once
#include "exercise/ExerciseState.h"
#include "exercise/PracticeText.h"
#include <QLocale>
#include <QTimer>

class Clock;
class ExerciseView;
class MessageBoxService;

// One run through the laid-out text, from Start to the last character or Esc.
//
// Event-driven: each key press is judged the moment it arrives, in arrival order, so a
// right key followed at once by another key is never lost, and nothing runs while the
// user thinks. The exercise is running exactly while `Timer1` is active.
class TypingExercise {
public:
    TypingExercise(ExerciseView& view, MessageBoxService& messages, const Clock& clock);

    // Clears counters and the previous text and lays the lines out, ready for Start.
    void LayoutText(const QStringList& lines);

    void cmdStart_Click();
    void Form_KeyPress(int charCode);
    void mnuEsc_Click();

    bool running() const { return Timer1.isActive(); }
    // The loaders of built-in texts switch the clock off before they lay a text out.
    void stopClock() { Timer1.stop(); }

    const ExerciseState& state() const { return state_; }
    const PracticeText& text() const { return text_; }
    QTimer& timer() { return Timer1; }
    void setLocale(const QLocale& locale) { locale_ = locale; }

private:
    void clearCounters();
    void ResetAfterLoad();
    void RunExercise();
    void PrepareExercise();
    void EndExercise();
    void beginChar(int index);
    void judge();
    void unmarkCurrent();
    void Timer1_Timer();

    ExerciseView& view_;
    MessageBoxService& messages_;
    const Clock& clock_;
    QLocale locale_;
    ExerciseState state_;
    PracticeText text_;
    QTimer Timer1;
};
