#include "platform/CapsLockTracker.h"
#include <gtest/gtest.h>

namespace {
struct Key {
    int qtKey;
    const char* text = "";
    Qt::KeyboardModifiers modifiers = {};
    quint32 native = 0; // X11 key state: 0x2 when Caps Lock was on before this key
    bool up = false;
};
const Key CapsLock{Qt::Key_CapsLock}, CapsLockOff{Qt::Key_CapsLock, "", {}, 0x2};
const Key Away{0}; // the window loses the keys to another
const Key A{Qt::Key_A, "A"}, a{Qt::Key_A, "a"};

// A key the window handles (or none), the indicator's reading after it, and the state to report.
using Moment = std::tuple<std::optional<Key>, bool, bool>;
} // namespace

TEST(CapsLockTracker, TracksTheToggleFromWhatTheWindowSees)
{
    using S = CapsLockTracker::Source;
    const struct {
        const char* name;
        S source;
        std::vector<Moment> moments;
    } cases[] = {
        {"follows Caps Lock presses", S::Follow,
         {{{}, true, false}, {CapsLock, false, true}, {CapsLock, false, false}, {CapsLock, false, true}}},
        {"letters correct the followed state", S::Follow,
         {{A, false, true}, {Key{Qt::Key_A, "a", Qt::ShiftModifier}, false, true}, {a, false, false},
          {Key{Qt::Key_A, "A", Qt::ShiftModifier}, false, false}, {Key{Qt::Key_B, "b"}, true, false}}},
        {"keys that tell nothing", S::Follow,
         {{CapsLock, false, true}, {Key{Qt::Key_A, "a", Qt::ControlModifier}, false, true},
          {Key{Qt::Key_Eacute, "é"}, false, true}, {Key{Qt::Key_Shift, "", Qt::ShiftModifier}, false, true}}},
        {"X11 turning on reads the new state at once", S::X11Indicator,
         {{{}, false, false}, {CapsLock, true, true}, {{}, true, true}}},
        {"X11 turning off shows before the indicator does", S::X11Indicator,
         {{{}, true, true}, {CapsLockOff, true, false}, {{}, true, false}, {{}, false, false}, {{}, true, true}}},
        {"X11 trusts the indicator over letters and after the next key", S::X11Indicator,
         {{CapsLockOff, true, false}, {a, true, true}, {A, false, false}}},
        // Between these a box had the keys, and Caps Lock went on again there.
        {"X11's expectation ends with the key's release", S::X11Indicator,
         {{CapsLockOff, true, false}, {Key{Qt::Key_CapsLock, "", {}, 0, true}, true, true}}},
        {"X11's expectation ends when the window loses the keys", S::X11Indicator,
         {{CapsLockOff, true, false}, {Away, true, true}}},
        {"an indicator already new on the press", S::Indicator,
         {{CapsLockOff, true, true}, {CapsLock, false, false}, {A, false, false}}},
    };
    for (const auto& c : cases) {
        bool reading = false;
        CapsLockTracker tracker(c.source, [&reading] { return reading; });
        for (std::size_t i = 0; i < c.moments.size(); ++i) {
            const auto& [key, readingAfter, on] = c.moments[i];
            if (key && key->qtKey == 0)
                tracker.keysMissed();
            else if (key && key->up)
                tracker.keyReleased(key->qtKey);
            else if (key)
                tracker.keyPressed(key->qtKey, key->modifiers, key->text, key->native), tracker.keyHandled();
            reading = readingAfter;
            EXPECT_EQ(tracker.isOn(), on) << c.name << ", moment " << i;
        }
    }
    EXPECT_EQ(CapsLockTracker(S::X11Indicator).source(), S::Follow) << "no reading: follow";
}
