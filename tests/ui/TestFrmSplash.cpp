#include "dialogs/frmPosture.h"
#include "dialogs/frmSplash.h"
#include "doubles/FakeWebOpener.h"
#include "platform/ProgramInfo.h"
#include <gtest/gtest.h>
#include <QLabel>
#include <QRawFont>
#include <QTest>
#include <QWindow>
#include <memory>

TEST(FrmSplash, StandsAQuarterOfTheMainWindowInAndClosesOnAnyKeyOrClickButOne)
{
    QWidget main;
    FakeWebOpener web;
    const auto open = [&](bool posture = false) {
        std::unique_ptr<QDialog> box(posture ? static_cast<QDialog*>(new frmPosture(&main))
                                             : new frmSplash(web, &main));
        box->show();
        return box;
    };
    const auto child = [](QWidget& box, const char* name) { return box.findChild<QWidget*>(QLatin1String(name)); };

    // Outer size and place in twips: a quarter of 15345 is 3836, 255.7 pixels, so 255 to the right
    // of the main window's left edge, wherever that edge stands, even partly off the screen.
    const QRect outer(-400, 900, 1023, 737);
    main.setGeometry(outer); // then the frame, caption bar and edges, made to fill it
    const QRect frame = main.frameGeometry(), client = main.geometry();
    main.setGeometry(outer - QMargins(client.left() - frame.left(), client.top() - frame.top(),
                                      frame.right() - client.right(), frame.bottom() - client.bottom()));
    ASSERT_EQ(main.frameGeometry(), outer);
    EXPECT_EQ(open()->pos(), QPoint(-145, 1084));

    // Any key or click closes the about and posture boxes, but for the home page button.
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Q}) {
        const auto box = open();
        auto* page = child(*box, "cmdPage");
        page->setFocus();
        ASSERT_EQ(box->focusWidget(), page);
        QTest::keyClick(box->windowHandle(), key);
        EXPECT_FALSE(box->isVisible()) << key;
    }
    // A label's click passes through its frame to the box; the rich-text tips must not keep it.
    for (const auto& [posture, clicked] : {std::pair(false, "lblNote"), {false, "Command1"},
                                           {true, "imgPosture"}, {true, "lblTips"}}) {
        const auto box = open(posture);
        QTest::mouseClick(child(*box, clicked), Qt::LeftButton);
        EXPECT_FALSE(box->isVisible()) << clicked;
    }
    EXPECT_TRUE(web.opened.isEmpty());

    const auto box = open();
    // The copyright line in one face, whole: no character left to a fallback face.
    const auto* copyright = static_cast<QLabel*>(child(*box, "lblCopyright"));
    const QRawFont face = QRawFont::fromFont(copyright->font());
    for (const char32_t ch : copyright->text().toUcs4())
        EXPECT_TRUE(face.supportsCharacter(ch)) << "U+" << std::hex << unsigned(ch);
    EXPECT_LE(copyright->fontMetrics().horizontalAdvance(copyright->text()), copyright->width());
    QTest::mouseClick(child(*box, "cmdPage"), Qt::LeftButton);
    EXPECT_TRUE(box->isVisible() && web.opened == QStringList{ProgramInfo::homePage()});

    // Keys that type nothing and a right click are not meant for the box: both stay.
    for (const bool posture : {false, true}) {
        const auto shown = open(posture);
        for (const Qt::Key key : {Qt::Key_Shift, Qt::Key_Down, Qt::Key_Right, Qt::Key_CapsLock, Qt::Key_F1})
            QTest::keyClick(shown->windowHandle(), key);
        QTest::mouseClick(child(*shown, "Frame1"), Qt::RightButton);
        EXPECT_TRUE(shown->isVisible()) << shown->metaObject()->className();
    }
}
