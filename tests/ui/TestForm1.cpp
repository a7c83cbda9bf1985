#include "app/Form1.h"
#include "app/MainWindowLayout.h"
#include "doubles/FakeClock.h"
#include "doubles/FakeMessageBox.h"
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <optional>

namespace {
class Form1Test : public testing::Test {
protected:
    Form1Test()
    {
        form.show();
        QApplication::setActiveWindow(&form);
    }
    template <typename T = QWidget>
    T* control(const char* name) { return form.findChild<T*>(QLatin1String(name)); }
    QString text(const char* name) { return control<QLabel>(name)->text(); }
    void typeKeys(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(form.windowHandle(), *k);
    }
    void trigger(const char* name) { form.action(QLatin1String(name))->trigger(); }

    FakeMessageBox messages;
    FakeClock clock;
    std::optional<QString> choice; // empty: the user cancels the chooser
    Form1 form{{messages, clock, [this](QString& path) {
                    if (choice)
                        path = *choice;
                }}};
};
} // namespace

TEST_F(Form1Test, IdleWindowFollowsTheDesign)
{
    EXPECT_EQ(form.windowTitle(), "Kmora英打練習");
    EXPECT_EQ(form.centralWidget()->size(), QSize(1016, 684));
    for (const auto& row : MainWindowLayout::Controls) {
        const QWidget* widget = control(row.name);
        ASSERT_TRUE(widget) << row.name;
        EXPECT_EQ(widget->pos(), QPoint(row.left, row.top)) << row.name;
        EXPECT_EQ(widget->isVisible(), row.visible) << row.name;
    }
    EXPECT_EQ(control("picWindow")->geometry(), QRect(16, 108, 985, 272));
    EXPECT_FALSE(control("lblEtr")->isVisible());
    EXPECT_EQ(form.action("mnuOpen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(form.menu("mnuB")->actions().size(), 18);
    EXPECT_EQ(form.menu("mnuC")->actions().size(), 18);
    EXPECT_EQ(form.menu("mnuCR")->actions().size(), 3);
}

TEST_F(Form1Test, TypingThroughTheWindowsKeys)
{
    trigger("mnuBase_1");
    EXPECT_EQ(form.windowTitle(), "Kelmora英打練習_01_a_s_l_;_（中列鍵）");
    EXPECT_TRUE(control("cmdStart")->hasFocus());

    QTest::mouseClick(control("cmdStart"), Qt::LeftButton);
    ASSERT_TRUE(form.exercise().running());
    EXPECT_TRUE(control("lblEsc")->isVisible());
    EXPECT_FALSE(control("cmdStart")->isEnabled());
    EXPECT_FALSE(control("cmdEnd")->isEnabled());
    EXPECT_FALSE(form.action("mnuOpen")->isEnabled());
    EXPECT_FALSE(form.action("mnuB")->isEnabled());
    EXPECT_FALSE(form.action("mnuCR")->isEnabled());
    EXPECT_TRUE(form.action("mnuEsc")->isEnabled());
    EXPECT_TRUE(control("picWd")->hasFocus());

    // The cursor cell is painted from its record in the cursor colour.
    const QImage shot = control("picWd")->grab(QRect(4, 24, 17, 24)).toImage();
    EXPECT_EQ(shot.pixelColor(8, 12), QColor(255, 128, 0));

    typeKeys("aax");
    QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
    QTest::keyClick(form.windowHandle(), Qt::Key_Backspace);
    EXPECT_EQ(text("lblRight"), "2");
    EXPECT_EQ(text("lblWrong"), "2");
    EXPECT_TRUE(control("picWd")->hasFocus()) << "Tab must not move the focus during an exercise";

    QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(form.exercise().running());
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, "您中斷了打字練習!!");
    EXPECT_FALSE(control("lblEsc")->isVisible());
    EXPECT_TRUE(control("cmdStart")->isEnabled());
    EXPECT_TRUE(form.action("mnuB")->isEnabled());
    EXPECT_TRUE(control("cmdStart")->hasFocus());
    EXPECT_EQ(text("lblRight"), "2") << "counters keep their final values";

    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(form.exercise().running()) << "Enter on the focused Start begins again";
    trigger("mnuEsc");
    EXPECT_FALSE(form.exercise().running());
}

TEST_F(Form1Test, EveryExitEndsTheProgramAtOnce)
{
    int ended = 0;
    QObject::connect(&form, &Form1::programEnded, [&] { ++ended; });
    form.LayoutText({"abc"});
    QTest::mouseClick(control("cmdStart"), Qt::LeftButton);
    trigger("mnuExit");
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(form.exercise().running());
    form.close();
    EXPECT_EQ(ended, 2);
    EXPECT_TRUE(messages.calls.empty()) << "nothing is asked or reported";
}

TEST_F(Form1Test, BuiltInTextsSetTheCaption)
{
    trigger("mnuClass_3");
    EXPECT_EQ(form.windowTitle(), "Kelmora英打練習_03_QuorlanGITANJALI_頌歌詩選");
    trigger("mnuCR2");
    EXPECT_EQ(form.windowTitle(), "Kelmora英打練習_三四年級網址練打熱身");
    EXPECT_EQ(form.exercise().text().SubTitleCount(), 5);
    EXPECT_GT(form.exercise().state().CharCount, 0);
}

TEST_F(Form1Test, OpeningTextFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lesson1.txt");
    const auto write = [&](const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };

    trigger("mnuOpen"); // cancelled on first use: nothing to practise
    EXPECT_FALSE(control("cmdStart")->isEnabled());

    write("   \r\n\r\n");
    choice = path;
    trigger("mnuOpen");
    EXPECT_EQ(form.windowTitle(), "Kelmora英打練習__");
    EXPECT_EQ(form.exercise().state().CharCount, 0);

    write("  hello world\r\n\r\n第一課\nsecond line\n");
    choice = path;
    trigger("mnuOpen");
    EXPECT_EQ(form.windowTitle(), "Kelmora英打練習__lesson1.txt");
    EXPECT_EQ(form.exercise().text().SubTitleCount(), 1);
    EXPECT_EQ(form.exercise().state().CharCount, 11 + 1 + 11);
    EXPECT_TRUE(control("cmdStart")->isEnabled());

    // Failures leave the earlier text, caption and Start as they were.
    choice = dir.filePath("missing.txt");
    trigger("mnuOpen");
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, "找不到打字用的文字檔…\r\n請將編好的文字檔放置在程式目錄中。");
    EXPECT_EQ(messages.calls[0].title, "英打練習");
    EXPECT_EQ(messages.calls[0].style, MessageStyle::Exclamation);
    choice = dir.path();
    trigger("mnuOpen");
    EXPECT_EQ(messages.calls.size(), 1u) << "other failures are silent";
    EXPECT_EQ(form.windowTitle(), "Kelmora英打練習__lesson1.txt");
    EXPECT_EQ(form.exercise().state().CharCount, 23);
    EXPECT_TRUE(control("cmdStart")->isEnabled());

    // Cancelling the chooser later reloads the last file from disk, changes included.
    choice = path;
    trigger("mnuOpen");
    write("abc\n");
    choice.reset();
    trigger("mnuOpen");
    EXPECT_EQ(form.exercise().state().CharCount, 3);
    EXPECT_TRUE(control("cmdStart")->isEnabled());
}

TEST_F(Form1Test, TheEnterTagAndTheProgressBar)
{
    form.LayoutText({"a", "c"});
    QTest::mouseClick(control("cmdStart"), Qt::LeftButton);
    typeKeys("a");
    EXPECT_TRUE(control("lblEtr")->isVisible());
    EXPECT_EQ(control("lblEtr")->pos(), QPoint(21, 24));
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    EXPECT_FALSE(control("lblEtr")->isVisible());
    const int inner = qobject_cast<QFrame*>(control("Picture1_0"))->contentsRect().width();
    EXPECT_EQ(control("shpPro")->width(), (2666 * inner + 2000) / 4000);
    typeKeys("c");
    EXPECT_EQ(control("shpPro")->width(), inner);
    EXPECT_EQ(messages.calls.back().text, "恭喜您打完本段文字!!");
}
