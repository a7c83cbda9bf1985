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
    for (int n = 0; n < 100'000; ++n) {
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
