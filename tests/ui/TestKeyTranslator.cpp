#include "platform/CapsLockTracker.h"
#include "platform/KeySink.h"
#include "platform/KeyTranslator.h"
#include "platform/QtCapsLock.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
struct KeyTranslatorTest : testing::Test, KeySink {
    QString on() const { return lock->isOn() ? " on" : ""; }
    void keyDown(int vk, int shift) override { log << QString("down %1/%2").arg(vk).arg(shift) + on(); }
    void keyPress(int code) override
    {
        log << QStringLiteral("press %1").arg(code) + on();
        captured = captured && !finishOnPress; // the exercise ended on this key
    }
    void keyUp(int vk, int shift) override { log << QStringLiteral("up %1/%2").arg(vk).arg(shift); }
    bool keysCaptured() const override { return captured; }

    // True when the key went on past the translator: a bare window's handler then ignores it.
    bool send(int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}, QEvent::Type type = QEvent::KeyPress)
    {
        QKeyEvent event(type, key, modifiers, text);
        QCoreApplication::sendEvent(&window, &event);
        return !event.isAccepted();
    }
    QStringList take() { return std::exchange(log, {}); }

    QStringList log;
    bool captured = false, finishOnPress = false;
    QWindow window;
    QtCapsLock caps; // offscreen it follows the keys
    const CapsLockQuery* lock = &caps;
    KeyTranslator translator{&window, *this, caps};
};
} // namespace

TEST_F(KeyTranslatorTest, KeysArriveAsWindowsCodesAndCharactersAndStopAtTheWindowDuringAnExercise)
{
    ASSERT_FALSE(caps.readsSystem());
    send(Qt::Key_CapsLock);
    send(Qt::Key_CapsLock);
    EXPECT_EQ(take(), QStringList({"down 20/0 on", "down 20/0"})) << "a Caps Lock key-down sees the new state";

    send(Qt::Key_Colon, Qt::ShiftModifier, ":");
    // Shift is often released first: the release carries the unshifted key, same code.
    send(Qt::Key_Semicolon, {}, ";", QEvent::KeyRelease);
    send(Qt::Key_A, Qt::ShiftModifier, "A");
    EXPECT_EQ(take(), QStringList({"down 186/1", "press 58", "up 186/0", "down 65/1", "press 65"}));

    send(Qt::Key_Backspace, {}, "\b");
    send(Qt::Key_Backtab, Qt::ShiftModifier);
    send(Qt::Key_Backspace, Qt::ControlModifier, "\x7f");
    EXPECT_EQ(take(), QStringList({"down 8/0", "press 8", "down 9/1", "press 9", "down 8/0", "press 127"}));

    // Shift's own press already counts as Shift held; Alt combinations type nothing.
    send(Qt::Key_Shift);
    send(Qt::Key_Shift, Qt::ShiftModifier, {}, QEvent::KeyRelease);
    send(Qt::Key_F, Qt::AltModifier, "f");
    EXPECT_EQ(take(), QStringList({"down 16/1", "up 16/0", "down 70/0"}));

    // During an exercise keys stop at the window, but for menu access keys.
    captured = true;
    EXPECT_FALSE(send(Qt::Key_Space, {}, " "));
    EXPECT_TRUE(send(Qt::Key_F, Qt::AltModifier, "f"));
    finishOnPress = true;
    EXPECT_FALSE(send(Qt::Key_Z, {}, "z")) << "the key that ends the exercise belongs to it";
    EXPECT_TRUE(send(Qt::Key_Space, {}, " "));
}

// The handlers of a key see the Caps Lock toggle that key carries, not a reading of X11's
// indicator; the next reading comes after them.
TEST_F(KeyTranslatorTest, HandlersSeeTheToggleTheKeyCarries)
{
    int readings = 0;
    bool reading = false;
    CapsLockTracker x11(CapsLockTracker::Source::X11Indicator, [&] { return ++readings, reading; });
    QWindow other;
    KeyTranslator x11Translator(&other, *this, x11);
    lock = &x11;
    // What the handlers logged; the X11 state 0x2: Caps Lock was on before the key.
    const auto press = [&](Qt::Key key, quint32 state, const QString& text) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, 0, 0, state, text);
        QCoreApplication::sendEvent(&other, &event);
        return take();
    };
    EXPECT_EQ(press(Qt::Key_A, 0x2, "A"), QStringList({"down 65/0 on", "press 65 on"}));
    EXPECT_TRUE(readings == 0 && !x11.isOn() && readings == 1) << "read once, after the handlers";
    reading = true;
    EXPECT_EQ(press(Qt::Key_A, 0, "a"), QStringList({"down 65/0", "press 97"}));
    EXPECT_TRUE(x11.isOn());
    EXPECT_EQ(press(Qt::Key_CapsLock, 0x2, ""), QStringList{"down 20/0"}) << "Caps Lock: the state it turns to";
}
