#pragma once

// Where the main window's keys go, in the form the rules understand: Windows virtual-key
// codes with the Shift state (bit 0) for key-down and key-up, and the character code for
// key-press (13 Enter, 8 Backspace, 27 Esc, 9 Tab, the character's code otherwise).
class KeySink {
public:
    virtual ~KeySink() = default;
    virtual void keyDown(int virtualKey, int shift) = 0;
    virtual void keyPress(int charCode) = 0;
    virtual void keyUp(int virtualKey, int shift) = 0;
    // True while typing keys belong to the exercise alone and must not reach the focused control.
    virtual bool keysCaptured() const = 0;
};
