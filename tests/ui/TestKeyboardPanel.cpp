#include "Form1Fixture.h"
#include "keyboard/KeyboardPanel.h"
#include <cstdlib>

// Caps pushed in, released and outlined one by one (each state kept and copied from then on)
// look on screen exactly as the whole panel painted afresh: with and without the Shift guide,
// in each arrangement, and under the finger guide's hands and callouts.
TEST_F(Form1Test, EveryCapChangeShowsWhatTheWholePanelPaintedAfreshShows)
{
    auto* panel = control<KeyboardPanel>("picKey");
    // Every colour channel of every pixel within `slack` of the fresh picture.
    const auto matches = [&](const QString& step, int slack = 0) {
        const QImage shown = onScreen("picKey", panel->rect()).convertToFormat(QImage::Format_RGB32);
        const QImage fresh = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), fresh.size());
        int worst = 0;
        for (int y = 0; y < fresh.height(); ++y)
            for (int x = 0; x < fresh.width(); ++x) {
                const QRgb a = shown.pixel(x, y), b = fresh.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))});
            }
        EXPECT_LE(worst, slack) << step.toStdString();
    };
    const auto press = [&](Qt::Key key, const QString& name, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyPress(form.windowHandle(), key, modifiers);
        matches(name + " pushed");
        QTest::keyRelease(form.windowHandle(), key, modifiers);
        matches(name + " released");
    };
    for (int round = 0; round < 2; ++round) // the second round copies what the first painted
        for (const auto key : {Qt::Key_A, Qt::Key_T, Qt::Key_Semicolon, Qt::Key_Return, Qt::Key_Backspace})
            press(key, QKeySequence(key).toString());
    press(Qt::Key_Q, "Shift+Q", Qt::ShiftModifier);

    item("mnuBase_1")->trigger();
    click("cmdStart");
    matches("the first key outlined");
    typeKeys("aa;x;");
    matches("the outline moved on, a wrong key shown");
    form.exercise().loadText({"AbC"});
    click("cmdStart");
    typeKeys("A");
    matches("the Shift guide moved with the letters");
    item("mnuEsc")->trigger();

    // Backspace narrows in the arrangement with the backslash up, the right Shift in the one
    // with it down.
    click("optKey_1");
    press(Qt::Key_Backspace, "Backspace beside the backslash up");
    click("optKey_2");
    press(Qt::Key_Q, "Shift+Q beside the backslash down", Qt::ShiftModifier);
    press(Qt::Key_Backslash, "the backslash down");
    click("optKey_0");
    press(Qt::Key_Backspace, "Backspace back in the first arrangement");

    // Shift goes down and up under the rising hands; T, held since before the guide began,
    // comes up under a callout.
    press(Qt::Key_T, "T without the guide");
    QTest::keyPress(form.windowHandle(), Qt::Key_T);
    item("mnuPos_1")->trigger();
    for (int step = 0; step < 30; ++step) {
        clock.advanceMs(16), form.tmrHand_Timer();
        QTest::keyPress(form.windowHandle(), Qt::Key_Shift);
        matches(QStringLiteral("Shift pushed under the hands, step %1").arg(step));
        QTest::keyRelease(form.windowHandle(), Qt::Key_Shift);
    }
    ASSERT_TRUE(panel->baseKeyCalloutsVisible());
    QTest::keyRelease(form.windowHandle(), Qt::Key_T);
    // A callout's antialiased line, painted over a part of the panel, can come out a shade off
    // from the line painted whole.
    matches("T released under a callout", 1);
}
