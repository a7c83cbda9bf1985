#include "Form1Fixture.h"
#include "exercise/TextWindow.h"
#include <QFrame>
#include <QMenuBar>
#include <QScrollBar>
#include <QWheelEvent>

TEST_F(Form1Test, AnExerciseLocksTheLoadersTakesEveryKeyAndTheKeyboardEchoesThem)
{
    const QStringList lockable{"cmdStart", "cmdEnd", "frmKeySet", "mnuOpen", "mnuB", "mnuC", "mnuCR", "mnuE"};
    const QStringList usable{"mnuEsc", "mnuExit", "frmClass", "cmdSandH", "VScroll1"};
    const auto enabled = [&] {
        QStringList on;
        for (const QString& name : lockable + usable)
            if (QAction* a = form.findChild<QAction*>(name); a ? a->isEnabled() : control(name.toLatin1())->isEnabled())
                on << name;
        return on;
    };
    // The A cap's left edge (84, 96, 41 x 41): pushed, the cap moves a pixel right and down off it.
    const auto at = [&](int x, int y) { return onScreen("picKey", {x, y}); };
    QTest::keyPress(form.windowHandle(), 'A', Qt::ShiftModifier);
    EXPECT_EQ(at(84, 120), QColor(Qt::lightGray));
    QTest::keyRelease(form.windowHandle(), Qt::Key_A);
    EXPECT_EQ(at(84, 120), QColor(Qt::black));
    item("mnuBase_1")->trigger();
    EXPECT_EQ(form.windowTitle(), "Kelmora英打練習_01_a_s_l_;_（中列鍵）");

    click("cmdStart");
    ASSERT_TRUE(form.exercise().running());
    EXPECT_EQ(enabled(), usable);
    EXPECT_EQ(onScreen("picWd", {12, 36}), QColor(255, 128, 0)) << "the cursor cell";
    EXPECT_EQ(at(86, 130), QColor(Qt::red)) << "the outline of the key to type";
    typeKeys("aax\t");
    EXPECT_EQ(text("lblRight") + '/' + text("lblWrong"), "2/2");
    EXPECT_TRUE(control("picWd")->hasFocus()) << "Tab must not move the focus during an exercise";
    EXPECT_EQ(onScreen("picWd", {25, 26}), QColor(192, 255, 255)) << "a typed cell";

    // A locked menu's access key leaves the menu bar as it was: no title waits for a popup that
    // never comes, swallowing the next click on the menu bar.
    QTest::keyClick(form.windowHandle(), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(form.menuBar()->activeAction(), nullptr);
    item("mnuEsc")->trigger();
    EXPECT_EQ(enabled(), lockable + usable);

    // Enter on Start, focused again, begins anew: the cells typed before are gone from the screen.
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(onScreen("picWd", {25, 26}), QColor(128, 128, 128));

    capsLock.on = true;
    QTest::keyClick(form.windowHandle(), Qt::Key_CapsLock);
    EXPECT_EQ(onScreen("shpCapsL", {6, 8}), QColor(Qt::green));
    // Turned off, then on again, while a box had the keys: seen once the window has them back,
    // activated by a window manager or only unblocked as the box closes.
    for (const auto& [back, on, lamp] : {std::tuple(QEvent::ActivationChange, false, QColor(192, 192, 192)),
             std::tuple(QEvent::WindowUnblocked, true, QColor(Qt::green))}) {
        capsLock.on = on;
        QEvent event(back);
        QApplication::sendEvent(&form, &event);
        EXPECT_EQ(onScreen("shpCapsL", {6, 8}), lamp);
    }

    // An input method must never turn practice keys into a composition.
    for (QWidget* widget : form.findChildren<QWidget*>() + QWidgetList{&form})
        EXPECT_FALSE(widget->testAttribute(Qt::WA_InputMethodEnabled)) << widget->objectName().toStdString();
}

TEST_F(Form1Test, EveryExitClosesTheWindowAtOnce)
{
    click("cmdEnd");
    EXPECT_FALSE(form.isVisible());
    for (const bool fromMenu : {true, false}) {
        form.show();
        form.exercise().loadText({"abc"});
        click("cmdStart");
        fromMenu ? item("mnuExit")->trigger() : void(form.close());
        EXPECT_FALSE(form.isVisible() || form.exercise().running());
    }
    EXPECT_TRUE(messages.calls.empty()) << "nothing is asked or reported";
}

TEST_F(Form1Test, TheCursorRowScrollsIntoViewOfEitherWindowHeightAndTheEnterTagAndProgressBarFollow)
{
    auto* bar = control<QScrollBar>("VScroll1");
    const auto keyboard = [&] { return std::pair(control("picKey")->isVisible(), control("picWindow")->height()); };
    form.exercise().loadText(QStringList(20, QStringLiteral("ab cd")));
    EXPECT_EQ(bar->maximum(), 20 * 52 - 52 + 78 - 272);
    click("cmdStart");
    typeKeys("ab cd");
    EXPECT_TRUE(control("lblEtr")->isVisible());
    EXPECT_EQ(control("lblEtr")->pos(), QPoint(4 + 5 * 17, 24));
    typeKeys("\r");
    EXPECT_FALSE(control("lblEtr")->isVisible());
    typeKeys(QByteArray("ab cd\r").repeated(4));
    EXPECT_EQ(std::pair(bar->value(), control("picWd")->y()), std::pair(40, -40)) << "row top 260";

    bar->setValue(0);
    typeKeys("x");
    EXPECT_EQ(bar->value(), 40) << "the next key brings the cursor row back";

    // Over the text the wheel reaches the window (Qt passes a real one on from the canvas).
    QWheelEvent wheel({100, 100}, {}, {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control("picWindow"), &wheel);
    EXPECT_EQ(bar->value(), 40 + 3 * 26);

    click("cmdSandH");
    EXPECT_EQ(keyboard(), std::pair(false, 544));
    EXPECT_EQ(bar->maximum(), 20 * 52 - 52 + 78 - 544);
    EXPECT_EQ(bar->value(), 40 + 3 * 26) << "the scroll position stays; the row is still in view";
    typeKeys(QByteArray("ab cd\r").repeated(14));
    EXPECT_EQ(bar->value(), 19 * 52 + 52 - 544) << "and the cursor row is followed in the taller window";
    click("cmdSandH");
    EXPECT_EQ(keyboard(), std::pair(true, 272));
    EXPECT_EQ(bar->value(), 19 * 52 + 52 - 272);

    typeKeys("ab cd");
    EXPECT_EQ(control("shpPro")->width(), control<QFrame>("Picture1_0")->contentsRect().width()) << "the bar full";
    ASSERT_GT(bar->value(), 0);
    form.exercise().loadText(QStringList(30, QStringLiteral("ab cd")));
    EXPECT_EQ(bar->value(), 0) << "a new text starts at the top";
    EXPECT_TRUE(control("cmdStart")->hasFocus());
    // Nothing of the last run points into a new text: the keyboard button scrolls to a short one's top.
    form.exercise().loadText({"ab"});
    click("cmdSandH");
    EXPECT_EQ(std::pair(form.exercise().state().CurrentIndex, bar->value()), std::pair(0, 0));
    control<TextWindow>("picWindow")->ScrollToChar(999);
    EXPECT_EQ(bar->value(), 0);
}
