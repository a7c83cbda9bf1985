#include "dialogs/frmPosture.h"
#include "dialogs/frmSplash.h"
#include "doubles/FakeWebOpener.h"
#include "platform/ProgramInfo.h"
#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>

namespace {

class FrmSplashTest : public testing::Test {
protected:
    std::unique_ptr<frmSplash> open()
    {
        auto box = std::make_unique<frmSplash>(web, &main);
        box->show();
        return box;
    }
    template <class T = QWidget> static T* child(QWidget& box, const char* name)
    {
        return box.findChild<T*>(QLatin1String(name));
    }

    // Sets the main window's outer frame, caption bar and edges included.
    void placeMain(const QRect& outer)
    {
        main.setGeometry(outer);
        const QRect frame = main.frameGeometry(), client = main.geometry();
        main.setGeometry(outer - QMargins(client.left() - frame.left(), client.top() - frame.top(),
                                          frame.right() - client.right(), frame.bottom() - client.bottom()));
        ASSERT_EQ(main.frameGeometry(), outer);
    }

    QWidget main;
    FakeWebOpener web;
};

TEST_F(FrmSplashTest, ShowsTheProgramsOwnTextsAndStandsAQuarterOfTheMainWindowIn)
{
    const auto box = open();
    EXPECT_EQ(child<QLabel>(*box, "lblVersion")->text(), QStringLiteral("版本 %1.%2.%3")
              .arg(ProgramInfo::VersionMajor).arg(ProgramInfo::VersionMinor).arg(ProgramInfo::VersionRevision));
    EXPECT_EQ(child<QLabel>(*box, "lblCopyright")->text(), ProgramInfo::Copyright());
    EXPECT_EQ(child<QPushButton>(*box, "cmdPage")->text(), ProgramInfo::HomePage());

    // Outer size and place in twips: a quarter of 15345 is 3836, 255.7 pixels, so 255 to the right
    // of the main window's left edge, wherever that edge stands.
    const struct { QRect outer; QPoint box; } places[]{
        {{100, 50, 1024, 738}, {356, 234}},
        {{-400, 900, 1023, 737}, {-145, 1084}},  // partly off the screen, and left there
    };
    for (const auto& place : places) {
        placeMain(place.outer);
        EXPECT_EQ(open()->pos(), place.box) << place.outer.x();
    }
}

TEST_F(FrmSplashTest, AnyKeyOrClickClosesTheAboutAndPostureBoxesButTheHomePageButton)
{
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Q}) {
        const auto box = open();
        auto* page = child(*box, "cmdPage");
        page->setFocus();
        ASSERT_EQ(box->focusWidget(), page);
        QTest::keyClick(box->windowHandle(), key);
        EXPECT_FALSE(box->isVisible()) << key;
    }
    for (const char* clicked : {"lblNote", "imgLogo", "Frame1", "Command1"}) {
        const auto box = open();
        QTest::mouseClick(child(*box, clicked), Qt::LeftButton);
        EXPECT_FALSE(box->isVisible()) << clicked;
    }
    EXPECT_TRUE(web.opened.isEmpty());

    const auto box = open();
    QTest::mouseClick(child(*box, "cmdPage"), Qt::LeftButton);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(web.opened, QStringList{ProgramInfo::HomePage()});

    frmPosture keyed(&main), clicked(&main);
    keyed.show();
    QTest::keyClick(keyed.windowHandle(), 'a');
    clicked.show();
    QTest::mouseClick(child(clicked, "imgPosture"), Qt::LeftButton);
    EXPECT_FALSE(keyed.isVisible() || clicked.isVisible()) << "the posture box closes the same ways";
}

} // namespace
