#pragma once
#include <QtGlobal>

// The key code that asks for the exercise to stop.
inline constexpr int InterruptKey = 27;
inline constexpr int BackspaceKey = 8;
inline constexpr int EnterKey = 13;

// What the typing exercise knows about the current run. Character codes are Unicode code
// points, which agree with the key-press codes for every key on the keyboard.
struct ExerciseState {
    qint32 CharCount = 0;       // characters to type in the laid-out text
    int CurrentIndex = 0;       // 1-based character being typed; keeps the last one reached
    int ExpectedChar = 0;       // code that must be typed now; 13 at a row end
    int TypedChar = 0;          // last key press; 0 = none since the character began
    qint32 RightCount = 0;
    qint32 WrongCount = 0;
    qint64 StartTime = 0;       // monotonic milliseconds when the exercise started
    qint32 ElapsedSeconds = 0;  // whole seconds shown by the exercise clock
};
