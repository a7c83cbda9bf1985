#pragma once

// What the typing exercise asks of the on-screen keyboard and of the finger guide shown over
// it. The empty bodies serve a window without them, such as the test doubles.
class KeyGuide {
public:
    virtual ~KeyGuide() = default;

    virtual void outlineKeyFor(int /*charCode*/) {}     // guide outline on the key carrying it
    virtual void clearKeyOutlineFor(int /*charCode*/) {}
    virtual void pushKeyCapFor(int /*charCode*/) {}      // draws the typed key as pressed
    // The Shift the expected character needs, outlined; and both outlines back to normal.
    virtual void showShiftGuide() {}
    virtual void resetShiftOutlines() {}
    virtual bool fingerGuideRunning() const { return false; }
    virtual void stopFingerGuide() {}
};
