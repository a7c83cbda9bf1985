#include "doubles/FakeClock.h"
#include "doubles/FakeMessageBox.h"
#include "doubles/RecordingView.h"
#include "exercise/TypingExercise.h"
#include <gtest/gtest.h>

namespace {
struct TypingExerciseTest : testing::Test {
    void type(const QString& keys)
    {
        for (QChar key : keys)
            exercise.keyPressed(key.unicode());
    }
    const TypingCell& cell(int i) const { return exercise.text().lblTyping(i); }
    const ExerciseState& state() const { return exercise.state(); }
    QString lastMessage() const { return messages.calls.empty() ? QString() : messages.calls.back().text; }
    // "right/wrong" as counted, then as the two counters show them.
    QString counts() const
    {
        return QStringLiteral("%1/%2 %3/%4").arg(state().RightCount).arg(state().WrongCount).arg(view.lblRight, view.lblWrong);
    }

    RecordingView view;
    FakeMessageBox messages;
    FakeClock clock;
    TypingExercise exercise{view, view, messages, clock};
};
} // namespace

TEST_F(TypingExerciseTest, RightKeysAdvanceAndFillTheProgressBarWrongKeysCountButNeverAdvance)
{
    exercise.loadText({"第一課", "第二課"});
    exercise.start();
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(std::tuple(messages.calls[0].text, messages.calls[0].title, messages.calls[0].style),
              std::tuple(QString("請先開啟檔案或打字課程，再按「開始」鍵。"), QString("Kelmora英打練習"), MessageStyle::Information));
    EXPECT_FALSE(exercise.running() || view.locked) << "nothing to type: Start only explains";

    exercise.loadText({"abc"});
    exercise.start();

    std::pair<bool, bool> lockedAndRunningWhileShown;
    messages.onShow = [&] { lockedAndRunningWhileShown = {view.locked, exercise.running()}; };
    // Typed faster than any screen update: every key is judged, in order.
    type("abc");
    EXPECT_EQ(counts(), "3/0 3/");
    EXPECT_EQ(view.progress, (std::vector<int>{0, 0, 0, 1333, 2666, 4000})) << "cleared by each load and start";
    EXPECT_TRUE(!cell(3).cursor && cell(3).typed == 'c');
    EXPECT_EQ(lastMessage(), "恭喜您打完本段文字!!");
    EXPECT_EQ(lockedAndRunningWhileShown, std::pair(true, false))
        << "the clock stops before the summary, the window unlocks after it";
    EXPECT_TRUE(!view.locked && view.shiftResets == 1);

    exercise.loadText({"A b", "c"});
    exercise.start();
    type("a");

    exercise.keyPressed(8); // Backspace
    EXPECT_EQ(std::pair(state().WrongCount, int(cell(1).typed)), std::pair(1, 8)) << "shown, never wrong";

    type("xA b");
    EXPECT_EQ(view.enterTag, 4);
    type(" ");
    exercise.keyPressed(13);
    EXPECT_EQ(std::pair(view.enterTag, state().CurrentIndex), std::pair(0, 5));
    EXPECT_EQ(counts(), "4/3 4/3") << "a space at a row end is wrong";
}

TEST_F(TypingExerciseTest, EscOrTheMenuItemInterruptsAStartOrANewTextClearsTheRunAndTheClockMeasuresTheSpeed)
{
    exercise.loadText({"abcd"});
    type("zq");
    exercise.keyPressed(27);
    EXPECT_EQ(view.pushed, (std::vector<int>{'z', 'q', 27}));
    EXPECT_TRUE(state().WrongCount == 0 && messages.calls.empty()) << "keys outside an exercise count nothing";

    exercise.start();
    EXPECT_EQ(state().TypedChar, 0) << "an Esc from before Start does not end the exercise";
    type("ax");
    exercise.start();
    EXPECT_EQ(state().CurrentIndex, 2) << "Start during an exercise is ignored";
    exercise.keyPressed(27);
    EXPECT_EQ(counts(), "1/1 1/1") << "Esc is not a wrong key";
    EXPECT_TRUE(cell(2).typed == 'x' && !cell(2).cursor) << "the cell keeps the last key before Esc";
    EXPECT_EQ(lastMessage(), "您中斷了打字練習!!");

    exercise.start();
    EXPECT_TRUE(state().CurrentIndex == 1 && cell(1).visible && !cell(1).typed && !cell(2).visible && !cell(2).typed);
    EXPECT_EQ(counts(), "0/0 /");
    exercise.interrupt();
    EXPECT_TRUE(!exercise.running() && messages.calls.size() == 2u) << "the menu item interrupts as Esc does";

    // A text laid out mid-run (the loaders are locked, but the call exists) ends the run.
    exercise.start();
    type("abc");
    exercise.loadText({"xyz"});
    EXPECT_FALSE(exercise.running() || view.locked);
    EXPECT_EQ(counts(), "0/0 /");
    EXPECT_EQ(std::pair(state().CurrentIndex, state().ExpectedChar), std::pair(0, 0)) << "nothing points into the new text";
    EXPECT_FALSE(cell(1).visible);

    const auto clockAfter = [&](qint64 ms) { return clock.now += ms, exercise.tick(), view.Label1; };
    const auto speedAt = [&](int level) { return exercise.setSpeedLevel(level), view.speed; };
    exercise.loadText({QString(40, u'a')});
    exercise.start();
    EXPECT_EQ(view.Label1, "");
    type(QString(29, u'a'));
    EXPECT_EQ(clockAfter(500), "0:0:0");
    EXPECT_EQ(view.speed, 0) << "no bar before a whole second";
    EXPECT_FALSE(cell(30).cursor) << "the first tick blinks the cursor cell to normal";
    type("a");
    EXPECT_TRUE(cell(31).cursor) << "a new cursor cell starts orange";
    EXPECT_EQ(clockAfter(9500), "0:0:10");
    EXPECT_TRUE(cell(31).cursor) << "the blink phase carries on from cell to cell";
    EXPECT_EQ(view.speed, 4000) << "30 keys in 10 s at level 3";
    EXPECT_EQ(std::pair(speedAt(4), speedAt(1)), std::pair(3000, 12000));

    clock.now -= 3'600'000; // a clock set back by an hour adds no time and takes none away
    EXPECT_EQ(clockAfter(0), "0:0:10");
    EXPECT_EQ(clockAfter(3'713'000), "1:2:3");

    // The summary reads the same seconds; between exercises a new level rescales the bar from them.
    exercise.interrupt();
    EXPECT_EQ(lastMessage().count(u'\n'), 2) << "the speed lines, past 20 s";
    EXPECT_EQ(speedAt(3), 30 * 4000 / 3723 / 3);
}
