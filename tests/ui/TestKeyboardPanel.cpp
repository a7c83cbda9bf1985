#include "doubles/FakeCapsLock.h"
#include "keyboard/CapsLamp.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/KeyboardPanel.h"
#include "platform/BgrColor.h"
#include "platform/QtCapsLock.h"
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QRgb Rgb(unsigned bgr) { return BgrToRgb(bgr) & 0xFFFFFF; }

class KeyboardPanelTest : public testing::Test {
protected:
    KeyboardPanelTest()
    {
        window.resize(800, 700);
        picKey->move(24, 396);
        shpCapsL->move(560, 56);
        QObject::connect(picKey, &KeyboardPanel::lampChanged, shpCapsL, &CapsLamp::setColour);
        window.show();
        QCoreApplication::processEvents();
    }
    // What the backing store holds: only what was really repainted since.
    QRgb onScreen(QWidget* widget, int x, int y)
    {
        QCoreApplication::sendPostedEvents();
        const QPoint p = widget->mapTo(&window, QPoint(x, y));
        return window.screen()->grabWindow(window.winId(), p.x(), p.y(), 1, 1).toImage().pixel(0, 0) & 0xFFFFFF;
    }

    FakeCapsLock caps;
    KeyboardModel model{caps};
    QWidget window;
    KeyboardPanel* picKey = new KeyboardPanel(model, &window);
    CapsLamp* shpCapsL = new CapsLamp(&window);
};
} // namespace

TEST_F(KeyboardPanelTest, RepaintsWhatTheModelChanges)
{
    // Pixels of the A cap (84, 96, 41 x 41): its left edge, inside that edge, the shadow past its right edge.
    const auto capA = [&] { return std::array{onScreen(picKey, 84, 120), onScreen(picKey, 86, 130), onScreen(picKey, 125, 120)}; };
    const auto atRest = std::array{Rgb(0), Rgb(8438015), Rgb(16512)};
    EXPECT_EQ(capA(), atRest);
    model.pushKeyCapFor('a');
    EXPECT_EQ(capA(), (std::array{Rgb(12632256), Rgb(8438015), Rgb(0)})) << "pushed a pixel right";
    model.outlineKeyFor('a');
    EXPECT_EQ(onScreen(picKey, 86, 130), Rgb(255));
    model.keyUp('A', 0);
    model.clearKeyOutlineFor('a');
    EXPECT_EQ(capA(), atRest);

    model.ArrangeKeyboard(1); // leaves the end of the Q row empty
    EXPECT_EQ(onScreen(picKey, 690, 60), Rgb(12632256));
    EXPECT_NE(onScreen(picKey, 306, 82), Rgb(8421631));
    picKey->setBaseKeyCalloutsVisible(true);
    EXPECT_EQ(onScreen(picKey, 306, 82), Rgb(8421631));
}

TEST_F(KeyboardPanelTest, ReportsClicksAndLightsTheLamp)
{
    QSignalSpy clicks(picKey, &KeyboardPanel::clicked);
    QTest::mouseClick(picKey, Qt::LeftButton, {}, QPoint(300, 270));
    QTest::mouseClick(picKey, Qt::RightButton, {}, QPoint(300, 270));
    EXPECT_EQ(clicks.count(), 1);

    EXPECT_EQ(onScreen(shpCapsL, 6, 8), Rgb(8421504));
    caps.on = true;
    model.keyDown(20, 0, {});
    EXPECT_EQ(onScreen(shpCapsL, 6, 8), Rgb(65280));

    // Offscreen there is no Caps Lock to read: it is followed from the keys.
    QtCapsLock followed;
    EXPECT_FALSE(followed.readsSystem());
    followed.keyPressed(Qt::Key_CapsLock, {}, {}, 0);
    EXPECT_TRUE(followed.isOn());
}
