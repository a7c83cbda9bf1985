#include "Form1Fixture.h"
#include "keyboard/CapsLamp.h"
#include "keyboard/KeyboardPanel.h"
#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <functional>

TEST_F(Form1Test, StartsIdleAsDesignedTheHelpMenuOpensItsBoxesAndTheFingerGuideRisesAndStops)
{
    EXPECT_EQ(form.windowTitle(), "Kmora英打練習");
    EXPECT_EQ(QStringList({text("lblRight"), text("lblWrong"), text("Label1"), text("lblEsc")}),
              QStringList({"0", "0", "0:0:0", "按Esc鍵中斷"}));
    EXPECT_EQ(std::pair(control("shpPro")->width(), control("shpSpeed")->width()), std::pair(0, 0));
    EXPECT_TRUE(control<QRadioButton>("optClass_2")->isChecked() && control<QRadioButton>("optKey_0")->isChecked());
    EXPECT_FALSE(control<KeyboardPanel>("picKey")->baseKeyCalloutsVisible());
    EXPECT_EQ(control<CapsLamp>("shpCapsL")->colour(), 8421504u) << "grey while Caps Lock is off";
    for (const char* menu : {"mnuB", "mnuC"})
        EXPECT_EQ(control<QMenu>(menu)->actions().size(), 18) << menu;
    EXPECT_FALSE(form.windowIcon().isNull() || control<QLabel>("Image1")->pixmap().isNull());
    QWidget* first = form.centralWidget()->nextInFocusChain();
    while (!(first->focusPolicy() & Qt::TabFocus))
        first = first->nextInFocusChain();
    EXPECT_EQ(first->objectName(), "cmdStart") << "Start comes first in the tab order";

    for (const auto& [name, box] : {std::pair("mnuAbout", "frmSplash"), {"mnuPos_2", "frmPosture"}}) {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->metaObject()->className();
                QTest::keyClick(modal->windowHandle(), Qt::Key_Space);
            }
        });
        item(name)->trigger();
        EXPECT_EQ(shown, box);
    }

    const auto* panel = control<KeyboardPanel>("picKey");
    const QRect restingHands(64, 120, 536, 161);
    const QImage bare = onScreen("picKey", restingHands);
    const auto rise = [&] {
        item("mnuPos_1")->trigger();
        for (int step = 0; step < 30; ++step)
            clock.now += 16, form.tmrHand_Timer();
    };
    rise();
    EXPECT_EQ(onScreen("picKey", QPoint(306, 82)), QColor(255, 128, 128)) << "a callout";
    EXPECT_NE(onScreen("picKey", restingHands), bare);
    QTest::mouseClick(control("picKey"), Qt::RightButton);
    EXPECT_TRUE(form.fingerGuide().running()) << "a right click is no click";
    item("mnuPos_1")->trigger(); // stopped, so that each trigger below starts from rest

    form.exercise().loadText({"abc"});
    const std::function<void()> stops[] = {
        [&] { item("mnuPos_1")->trigger(); }, [&] { click("picKey"); }, [&] { typeKeys("q"); },
        [&] { click("cmdStart"); }, [&] { click("cmdSandH"); },
    };
    for (const auto& stop : stops) {
        rise();
        stop();
        EXPECT_FALSE(form.fingerGuide().running() || panel->handsY() || panel->baseKeyCalloutsVisible());
        EXPECT_EQ(panel->isVisible() ? offFresh("picKey", restingHands) : 0, 0) << "repainted without hands";
        item("mnuEsc")->trigger();
    }
}
