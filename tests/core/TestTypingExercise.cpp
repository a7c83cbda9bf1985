#include "doubles/FakeClock.h"
#include "doubles/FakeMessageBox.h"
#include "doubles/RecordingView.h"
#include "exercise/TypingExercise.h"
#include <gtest/gtest.h>

namespace {
class TypingExerciseTest : public testing::Test {
protected:
    void type(const QString& keys)
    {
        for (QChar key : keys)
            exercise.keyPressed(key.unicode());
    }
    const TypingCell& cell(int i) const { return exercise.text().lblTyping(i); }
    const ExerciseState& state() const { return exercise.state(); }
    QString lastMessage() const { return messages.calls.empty() ? QString() : messages.calls.back().text; }

    RecordingView view;
    FakeMessageBox messages;
    FakeClock clock;
    TypingExercise exercise{view, messages, clock};
};
} // namespace

TEST_F(TypingExerciseTest, RightKeysAdvanceCountAndFillTheProgressBar)
{
    exercise.loadText({"第一課", "第二課"});
    exercise.start();
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, "請先開啟檔案或打字課程，再按「開始」鍵。");
    EXPECT_EQ(messages.calls[0].style, MessageStyle::Information);
    EXPECT_FALSE(exercise.running() || view.locked) << "nothing to type: Start only explains";

    exercise.loadText({"abc"});
    exercise.start();
    EXPECT_TRUE(exercise.running() && view.locked);
    EXPECT_EQ(view.lblRight, "");
    EXPECT_TRUE(cell(1).visible && cell(1).cursor);
    EXPECT_EQ(cell(1).typed, 0);
    EXPECT_FALSE(cell(2).visible);
    EXPECT_EQ(view.outlined, 'a');

    bool lockedWhileShown = false, runningWhileShown = true;
    messages.onShow = [&] {
        lockedWhileShown = view.locked;
        runningWhileShown = exercise.running();
    };
    // Typed faster than any screen update: every key is judged, in order.
    type("abc");
    EXPECT_EQ(state().RightCount, 3);
    EXPECT_EQ(state().WrongCount, 0);
    EXPECT_EQ(view.lblRight, "3");
    EXPECT_EQ(view.lblWrong, "");
    EXPECT_EQ(view.progress, (std::vector<int>{0, 0, 0, 1333, 2666, 4000})) << "cleared by each load and start";
    EXPECT_FALSE(cell(3).cursor);
    EXPECT_EQ(cell(3).typed, 'c');
    EXPECT_EQ(lastMessage(), "恭喜您打完本段文字!!");
    EXPECT_TRUE(lockedWhileShown) << "the window is unlocked only once the summary is closed";
    EXPECT_FALSE(runningWhileShown) << "the clock stops before the summary";
    EXPECT_FALSE(view.locked);
    EXPECT_EQ(view.shiftResets, 1);
}

TEST_F(TypingExerciseTest, WrongKeysCountButNeverAdvance)
{
    exercise.loadText({"A b", "c"});
    exercise.start();
    type("a");
    EXPECT_EQ(state().WrongCount, 1) << "case matters";
    EXPECT_EQ(view.lblWrong, "1");
    EXPECT_EQ(cell(1).typed, 'a');

    exercise.keyPressed(8);
    EXPECT_EQ(state().WrongCount, 1) << "Backspace is never wrong";
    EXPECT_EQ(cell(1).typed, 8);
    EXPECT_EQ(state().CurrentIndex, 1) << "and never moves back";

    type("xA b");
    EXPECT_EQ(state().WrongCount, 2);
    EXPECT_EQ(state().ExpectedChar, 13);
    EXPECT_EQ(view.enterTag, 4);
    type(" ");
    EXPECT_EQ(state().WrongCount, 3) << "a space at a row end is wrong";
    exercise.keyPressed(13);
    EXPECT_EQ(view.enterTag, 0);
    EXPECT_EQ(state().CurrentIndex, 5);
    EXPECT_EQ(state().RightCount, 4);
}

TEST_F(TypingExerciseTest, EscAndTheMenuItemInterruptAndKeysOutsideCountNothing)
{
    exercise.loadText({"abcd"});
    type("zq");
    exercise.keyPressed(27);
    EXPECT_EQ(view.pushed, (std::vector<int>{'z', 'q', 27}));
    EXPECT_EQ(state().WrongCount, 0);
    EXPECT_TRUE(messages.calls.empty());

    exercise.start();
    EXPECT_EQ(state().TypedChar, 0) << "an Esc from before Start does not end the exercise";
    type("ax");
    exercise.keyPressed(27);
    EXPECT_FALSE(exercise.running());
    EXPECT_EQ(state().WrongCount, 1) << "Esc is not a wrong key";
    EXPECT_EQ(cell(2).typed, 'x') << "the cell keeps the last key before Esc";
    EXPECT_FALSE(cell(2).cursor);
    EXPECT_EQ(lastMessage(), "您中斷了打字練習!!");

    exercise.start();
    exercise.interrupt();
    EXPECT_FALSE(exercise.running());
    EXPECT_EQ(messages.calls.size(), 2u);
}

TEST_F(TypingExerciseTest, StartingAgainOrANewTextClearsTheLastRun)
{
    exercise.loadText({"abcd"});
    exercise.start();
    type("ab");
    exercise.start();
    EXPECT_EQ(state().CurrentIndex, 3) << "Start during an exercise is ignored";
    type("x");
    exercise.interrupt();
    exercise.start();
    EXPECT_EQ(state().CurrentIndex, 1);
    EXPECT_EQ(state().RightCount, 0);
    EXPECT_EQ(state().WrongCount, 0);
    EXPECT_TRUE(cell(1).visible);
    EXPECT_EQ(cell(1).typed, 0);
    EXPECT_FALSE(cell(3).visible);
    EXPECT_EQ(cell(3).typed, 0);

    // A text laid out mid-run (the loaders are locked, but the call exists) ends the run.
    type("abc");
    exercise.loadText({"xyz"});
    EXPECT_FALSE(exercise.running());
    EXPECT_FALSE(view.locked);
    EXPECT_EQ(view.lblRight, "");
    EXPECT_EQ(view.lblWrong, "");
    EXPECT_EQ(view.Label1, "");
    EXPECT_EQ(view.progress.back(), 0);
    EXPECT_EQ(state().RightCount, 0);
    EXPECT_EQ(state().CharCount, 3);
    EXPECT_EQ(state().CurrentIndex, 4) << "the last index reached is kept";
    EXPECT_FALSE(cell(1).visible);
    EXPECT_TRUE(view.loadButtons);
}

TEST_F(TypingExerciseTest, TheClockMeasuresTheSpeedAgainstTheLevel)
{
    const auto tickAfter = [&](qint64 ms) {
        clock.advanceMs(ms);
        exercise.tick();
    };
    exercise.loadText({QString(40, u'a')});
    exercise.start();
    EXPECT_EQ(view.Label1, "");
    type(QString(29, u'a'));
    tickAfter(500);
    EXPECT_EQ(view.Label1, "0:0:0");
    EXPECT_EQ(view.speed, 0) << "no bar before a whole second";
    EXPECT_FALSE(cell(30).cursor) << "the first tick blinks the cursor cell to normal";
    type("a");
    EXPECT_TRUE(cell(31).cursor) << "a new cursor cell starts orange";
    tickAfter(9500);
    EXPECT_EQ(view.Label1, "0:0:10");
    EXPECT_TRUE(cell(31).cursor) << "the blink phase carries on from cell to cell";
    EXPECT_EQ(view.speed, 4000) << "30 keys in 10 s at level 3";
    exercise.setSpeedLevel(4);
    EXPECT_EQ(view.speed, 3000);
    exercise.setSpeedLevel(1);
    EXPECT_EQ(view.speed, 12000);

    clock.now -= 3'600'000; // a clock set back by an hour adds no time and takes none away
    tickAfter(0);
    EXPECT_EQ(view.Label1, "0:0:10");
    tickAfter(3'713'000);
    EXPECT_EQ(view.Label1, "1:2:3");
    EXPECT_EQ(state().ElapsedSeconds, 3723);

    // Between exercises a new level rescales the bar from the last run's numbers.
    exercise.interrupt();
    exercise.setSpeedLevel(3);
    EXPECT_EQ(view.speed, 30 * 4000 / 3723 / 3);
}

TEST_F(TypingExerciseTest, AnInterruptShowsTheSpeedFrom21SecondsOn)
{
    exercise.loadText({"abcd"});
    for (const qint64 ms : {20'999, 21'000}) {
        exercise.start();
        type("ab");
        for (qint64 t = 500; t <= ms; t += 500)
            clock.advanceMs(500), exercise.tick();
        clock.advanceMs(ms % 500);
        exercise.interrupt();
        EXPECT_EQ(lastMessage().count(u'\n'), ms < 21'000 ? 0 : 2) << ms;
    }
}
