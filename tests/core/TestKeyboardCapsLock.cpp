#include "keyboard/CapsLockTracker.h"
#include <gtest/gtest.h>

namespace {
constexpr quint32 LockBefore = 0x2;   // X11 key state: Caps Lock was on before this key

struct Key {
    int qtKey;
    const char* text;
    Qt::KeyboardModifiers modifiers;
    quint32 native;
};
const Key CapsLock{Qt::Key_CapsLock, "", {}, 0};
const Key CapsLockOff{Qt::Key_CapsLock, "", {}, LockBefore};
Key Letter(const char* text, Qt::KeyboardModifiers modifiers = {})
{
    return {Qt::Key_A + (QChar(text[0]).toUpper().unicode() - 'A'), text, modifiers, 0};
}

// A key the window sees (or none), what the system's indicator reads after it, and the
// state the tracker should report then.
struct Moment {
    std::optional<Key> key;
    bool reading;
    bool on;
};
} // namespace

TEST(KeyboardCapsLock, TracksTheToggleFromWhatTheWindowSees)
{
    using S = CapsLockTracker::Source;
    const Key shiftedA{Qt::Key_A, "a", Qt::ShiftModifier, 0};
    const struct {
        const char* name;
        S source;
        std::vector<Moment> moments;
    } cases[] = {
        {"follows Caps Lock presses", S::Follow,
         {{{}, true, false}, {CapsLock, false, true}, {CapsLock, false, false}, {CapsLock, false, true}}},
        {"letters correct the followed state", S::Follow,
         {{Letter("A"), false, true}, {shiftedA, false, true}, {Letter("a"), false, false},
          {Letter("A", Qt::ShiftModifier), false, false}, {Letter("b"), true, false}}},
        {"keys that tell nothing", S::Follow,
         {{CapsLock, false, true}, {Letter("a", Qt::ControlModifier), false, true},
          {Key{Qt::Key_1, "1", {}, 0}, false, true}, {Key{Qt::Key_Eacute, "é", {}, 0}, false, true},
          {Key{Qt::Key_Shift, "", Qt::ShiftModifier, 0}, false, true}}},
        {"X11 turning on reads the new state at once", S::X11Indicator,
         {{{}, false, false}, {CapsLock, true, true}, {{}, true, true}}},
        {"X11 turning off shows before the indicator does", S::X11Indicator,
         {{{}, true, true}, {CapsLockOff, true, false}, {{}, true, false}, {{}, false, false}, {{}, true, true}}},
        {"X11 trusts the indicator over letters and after the next key", S::X11Indicator,
         {{CapsLockOff, true, false}, {Letter("a"), true, true}, {Letter("A"), false, false}}},
        {"an indicator already new on the press", S::Indicator,
         {{CapsLockOff, true, true}, {CapsLock, false, false}, {Letter("A"), false, false}}},
    };
    for (const auto& c : cases) {
        bool reading = false;
        CapsLockTracker tracker(c.source, [&reading] { return reading; });
        for (std::size_t i = 0; i < c.moments.size(); ++i) {
            const Moment& m = c.moments[i];
            if (m.key)
                tracker.keyPressed(m.key->qtKey, m.key->modifiers, QString::fromUtf8(m.key->text), m.key->native);
            reading = m.reading;
            EXPECT_EQ(tracker.isOn(), m.on) << c.name << ", moment " << i;
        }
    }
    EXPECT_EQ(CapsLockTracker(S::X11Indicator).source(), S::Follow) << "no reading: follow";
}
