#pragma once
#include <QString>
#include <Qt>

// Whether the Caps Lock toggle is on right now.
class CapsLockQuery {
public:
    virtual ~CapsLockQuery() = default;
    virtual bool isOn() const = 0;
    // Every key press the window sees, before it is handled, as the key event carries it.
    // A query that cannot read the toggle, or reads it late, learns from these.
    virtual void keyPressed(int /*qtKey*/, Qt::KeyboardModifiers /*modifiers*/, const QString& /*text*/,
                            quint32 /*nativeModifiers*/)
    {
    }
    virtual void keyReleased(int /*qtKey*/) {}
    // The window lost or regained the keys: whatever happened meanwhile went to another window.
    virtual void keysMissed() {}
    // That key press has been handled: what it told no longer holds.
    virtual void keyHandled() {}
};
