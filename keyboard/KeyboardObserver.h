#pragma once
class QRect;

// Told by the keyboard model what to draw again.
class KeyboardObserver {
public:
    virtual ~KeyboardObserver() = default;
    // Panel pixels whose picture changed: a cap's place before and after a move, or its
    // outline.
    virtual void keyboardAreaChanged(const QRect& area) = 0;
    // The Caps Lock lamp's new fill (lowest byte red).
    virtual void capsLampChanged(unsigned colour) = 0;
};
