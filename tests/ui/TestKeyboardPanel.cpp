#include "Form1Fixture.h"
#include "doubles/FakeCapsLock.h"
#include "keyboard/KeyCodes.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/KeyboardPanel.h"
#include "keyboard/PanelMarks.h"
#include "platform/BgrColor.h"
#include <cstdlib>
#include <gtest/gtest.h>

// Read on the painted panel, in every arrangement: each cap in the colour of the finger that
// types it, as the finger legend shows that finger, and each cap's shadow below and right of it.
TEST(KeyboardPanel, EachFingersCapsInItsColourAndEachShadowUnderItsCap)
{
    // Touch typing: the keys of each finger, and its swatch in the legend, left to right.
    const struct {
        const char* keys;
        int swatch;
    } fingers[] = {
        {"`1QAZ", 0}, {"2WSX", 1}, {"3EDC", 2}, {"4RFVTGB", 3}, {" ", 4},
        {"67YUHJNM", 5}, {"8IK,", 6}, {"9OL.", 7}, {"0-=P[]\\;'/\b", 8},
    };
    FakeCapsLock caps;
    KeyboardModel model(caps);
    KeyboardPanel panel(model);
    for (const int arrangement : {0, 1, 2}) {
        model.ArrangeKeyboard(arrangement);
        const QImage image = panel.grab().toImage();
        const auto at = [&](qreal x, qreal y) { return image.pixelColor(QPointF(x, y).toPoint()); };
        for (const auto& [keys, swatch] : fingers) {
            const auto& legend = PanelMarks::FingerLegend[swatch];
            const QColor colour = at(legend.left + legend.width / 2, legend.top + legend.height / 2);
            for (const char* key = keys; *key; ++key) {
                const CapState& cap = *model.cap(BaseKeyCode(*key));
                // The 5 key has a lighter shade of the left index finger's colour of its own.
                EXPECT_EQ(at(cap.box.left() + 3, cap.box.center().y()),
                          *key == '5' ? bgrColor(colourOf(Fill::LightCyan)) : colour)
                    << "key " << *key << ", arrangement " << arrangement;
            }
        }
        // A shadow's last column and row are 4 px past its cap's, and nothing of it lies beyond.
        const QColor shadow = bgrColor(PanelColour::Shadow);
        for (const CapState& cap : model.caps()) {
            const QPointF end = cap.box.bottomRight() + QPointF(4, 4), middle = cap.box.center();
            const std::pair<QColor, QColor> right{at(end.x() - 1, middle.y()), at(end.x() + 1, middle.y())};
            const std::pair<QColor, QColor> below{at(middle.x(), end.y() - 1), at(middle.x(), end.y() + 1)};
            EXPECT_TRUE(right.first == shadow && (right.second != shadow || end.x() >= image.width()))
                << "shadow right of cap " << cap.code << ", arrangement " << arrangement;
            EXPECT_TRUE(below.first == shadow && below.second != shadow)
                << "shadow below cap " << cap.code << ", arrangement " << arrangement;
        }
    }
}

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
