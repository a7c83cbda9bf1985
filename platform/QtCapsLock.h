#pragma once
#include "platform/CapsLockTracker.h"

// The Caps Lock toggle on the platform Qt runs on: XKB's indicator on X11, GetKeyState on
// Windows, the modifier flags on macOS. Where no query exists (Wayland, the offscreen
// platform) it follows the Caps Lock presses and the case of the letters the window sees.
// Create it after the application object.
class QtCapsLock final : public CapsLockQuery {
public:
    QtCapsLock();

    bool isOn() const override { return tracker_.isOn(); }
    void keyPressed(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text,
                    quint32 nativeModifiers) override
    {
        tracker_.keyPressed(qtKey, modifiers, text, nativeModifiers);
    }
    void keyReleased(int qtKey) override { tracker_.keyReleased(qtKey); }
    void keysMissed() override { tracker_.keysMissed(); }
    void keyHandled() override { tracker_.keyHandled(); }
    // False where the toggle is followed from the keys rather than read.
    bool readsSystem() const { return tracker_.source() != CapsLockTracker::Source::Follow; }

private:
    CapsLockTracker tracker_;
};
