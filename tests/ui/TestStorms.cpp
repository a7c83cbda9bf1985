#include "Form1Fixture.h"
#include <QRandomGenerator>

TEST_F(Form1Test, KeyStormsAreJudgedOnceEachWhateverArrives)
{
    // Keys that are not characters, and the code each types (0: none).
    constexpr std::pair<Qt::Key, int> Controls[] = {{Qt::Key_Return, 13}, {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},
        {Qt::Key_Shift, 0}, {Qt::Key_CapsLock, 0}, {Qt::Key_Delete, 0}, {Qt::Key_Escape, 27}};
    QRandomGenerator random(20261206);
    const PracticeText* text = nullptr;
    int index = 1, right = 0, wrong = 0, summaries = 0;
    const auto counts = [&] { return std::pair(form.exercise().state().RightCount, form.exercise().state().WrongCount); };
    const auto begin = [&] {
        item(QStringLiteral("mnuBase_%1").arg(1 + random.bounded(18)).toLatin1())->trigger();
        click("cmdStart");
        text = &form.exercise().text();
        index = 1, right = 0, wrong = 0;
    };
    // While the summary is up, keys still arrive: they must count for nothing.
    messages.onShow = [&] {
        ++summaries;
        const auto before = counts();
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(form.windowHandle(), char(' ' + random.bounded(95)));
        EXPECT_EQ(counts(), before);
    };
    begin();
    for (int n = 0; n < 8'000; ++n) {
        // Half the time the key the text wants, so runs reach their end now and then; Esc rarely.
        const int expected = text->lblTitle(index).ch;
        const int pick = random.bounded(200);
        int code = pick < 100 ? expected : ' ' + random.bounded(95);
        if (code == '\r' || pick >= 190) {
            const auto [key, typed] = code == '\r' ? Controls[0] : Controls[pick == 199 ? 6 : random.bounded(6)];
            QTest::keyClick(form.windowHandle(), key);
            code = typed;
        } else {
            QTest::keyClick(form.windowHandle(), char(code));
        }
        if (code == expected)
            ++right, ++index;
        else if (code != 0 && code != 8 && code != 27)
            ++wrong;
        ASSERT_EQ(counts(), std::pair(right, wrong)) << n;
        if (code == 27 || index > text->CharCount()) {
            ASSERT_FALSE(form.exercise().running());
            begin();
        }
    }
    EXPECT_GT(summaries, 3);
}

TEST_F(Form1Test, MenuAndButtonStormsBetweenExercisesLeaveAUsableWindow)
{
    QRandomGenerator random(7);
    const char* actions[] = {"mnuBase_5", "mnuClass_11", "mnuCR2", "mnuCR4", "mnuEsc", "mnuPos_1"};
    const char* buttons[] = {"cmdStart", "cmdSandH", "optKey_1", "optKey_2", "optKey_0", "optClass_0", "optClass_3"};
    for (int n = 0; n < 3000; ++n) {
        // Menu items are triggered even while their menu is locked, as a stray event might.
        if (random.bounded(2))
            item(actions[random.bounded(int(std::size(actions)))])->trigger();
        else
            click(buttons[random.bounded(int(std::size(buttons)))]);
        if (random.bounded(4) == 0)
            QTest::keyClick(form.windowHandle(), char('a' + random.bounded(26)));
        // Whatever happened, a running exercise has the loaders locked and an idle window has them free.
        ASSERT_EQ(item("mnuOpen")->isEnabled(), !form.exercise().running()) << n;
        ASSERT_EQ(control("lblEsc")->isVisible(), form.exercise().running()) << n;
    }
}
