#include "Form1Fixture.h"
#include "keyboard/KeyCodes.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/KeyboardPanel.h"
#include "keyboard/PanelMarks.h"
#include "platform/BgrColor.h"

// Read on the painted panel, in every arrangement: a finger's colour is its swatch in the legend.
TEST(KeyboardPanel, EachFingersCapsInItsColourAndEachShadowUnderItsCap)
{
    // Touch typing: the keys of each finger, in the order of the legend's swatches.
    const char* fingers[] = {"`1QAZ", "2WSX", "3EDC", "45RFVTGB", " ", "67YUHJNM", "8IK,", "9OL.",
                             "0-=P[]\\;'/\b"};
    FakeCapsLock caps;
    KeyboardModel model(caps);
    KeyboardPanel panel(model);
    for (const int arrangement : {0, 1, 2}) {
        model.ArrangeKeyboard(arrangement);
        const QImage image = panel.grab().toImage();
        const auto at = [&](qreal x, qreal y) { return image.pixelColor(QPointF(x, y).toPoint()); };
        for (int swatch = 0; swatch < int(std::size(fingers)); ++swatch) {
            const auto& legend = PanelMarks::FingerLegend[swatch];
            const QColor colour = at(legend.left + legend.width / 2, legend.top + legend.height / 2);
            for (const char* key = fingers[swatch]; *key; ++key) {
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
            const qreal right = cap.box.right() + 4, bottom = cap.box.bottom() + 4;
            const QPointF mid = cap.box.center();
            const bool rightEnds = right >= image.width() || at(right, mid.y()) != shadow;
            EXPECT_TRUE(at(right - 1, mid.y()) == shadow && rightEnds)
                << "right of cap " << cap.code << ", arrangement " << arrangement;
            EXPECT_TRUE(at(mid.x(), bottom - 1) == shadow && at(mid.x(), bottom) != shadow)
                << "below cap " << cap.code << ", arrangement " << arrangement;
        }
    }
}

// Each look of a cell or cap is painted once, then copied: every change must match a fresh paint.
TEST_F(Form1Test, EveryCellAndCapChangeShowsWhatTextAndPanelPaintedAfreshShow)
{
    auto* panel = control<KeyboardPanel>("picKey");
    QWidget* canvas = control("picWd");
    const auto matches = [&](const QString& step, int slack = 0) {
        EXPECT_EQ(offFresh("picWd", {0, -canvas->y(), canvas->width(), control("picWindow")->height()}), 0)
            << "text, " << step.toStdString();
        EXPECT_LE(offFresh("picKey", panel->rect()), slack) << "panel, " << step.toStdString();
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

    form.exercise().loadText({"ab cd", "Ab cd"});
    click("cmdStart");
    matches("the cursor on the first cell, its key outlined");
    for (int round = 0; round < 2; ++round) { // again, copied
        typeKeys("aa");
        matches("a right key, then a wrong one in the cursor colour");
        typeKeys("xb");
        matches("another wrong key, the right one, the next cursor");
        QTest::keyClick(form.windowHandle(), Qt::Key_Backspace);
        typeKeys(" c\t");
        matches("Backspace and Tab, which show nothing");
        typeKeys("d\rA");
        matches("the row end, the next row, the Shift guide come and gone");
        item("mnuEsc")->trigger();
        QTest::keyClick(form.windowHandle(), Qt::Key_Return);
        matches("started again: the typed cells gone");
    }
    item("mnuEsc")->trigger();

    // Backspace narrows with the backslash up, the right Shift with it down.
    click("optKey_1");
    press(Qt::Key_Backspace, "Backspace beside the backslash up");
    click("optKey_2");
    press(Qt::Key_Q, "Shift+Q beside the backslash down", Qt::ShiftModifier);
    press(Qt::Key_Backslash, "the backslash down");
    click("optKey_0");
    press(Qt::Key_Backspace, "Backspace back in the first arrangement");

    // Shift goes down and up under the rising hands; T, held from before, comes up under a callout.
    press(Qt::Key_T, "T without the guide");
    QTest::keyPress(form.windowHandle(), Qt::Key_T);
    item("mnuPos_1")->trigger();
    for (int step = 0; step < 30; ++step) {
        clock.now += 16, form.tmrHand_Timer();
        QTest::keyPress(form.windowHandle(), Qt::Key_Shift);
        matches(QStringLiteral("Shift pushed under the hands, step %1").arg(step));
        QTest::keyRelease(form.windowHandle(), Qt::Key_Shift);
    }
    ASSERT_TRUE(panel->baseKeyCalloutsVisible());
    QTest::keyRelease(form.windowHandle(), Qt::Key_T);
    // A callout's antialiased line, painted over part of the panel, can come out a shade off.
    matches("T released under a callout", 1);
}
