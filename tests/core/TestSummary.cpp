#include "exercise/Summary.h"
#include <gtest/gtest.h>

TEST(Summary, ChoosesTheMessageByHowTheExerciseEndedAndRoundsItsNumbersAsTheyRead)
{
    constexpr MessageStyle Info = MessageStyle::Information;
    const struct {
        int charCount, typedChar, right, wrong, elapsed;
        const char16_t* text;
        MessageStyle style;
    } cases[] = {
        {0, 27, 5, 5, 100, u"文字檔中沒有打字字元!!\r\n請編輯kmora.txt。", MessageStyle::Exclamation},
        {10, 27, 50, 3, 20, u"您中斷了打字練習!!", Info},
        {10, 27, 0, 0, 500, u"您中斷了打字練習!!", Info},
        {10, 27, 0, 3, 30, u"您中斷了打字練習!!\r\n您中斷時的速度是每秒0.00個字元\r\n按鍵的正確率為0.00%", Info},
        {10, 27, 42, 0, 21, u"您中斷了打字練習!!\r\n您中斷時的速度是每秒2.00個字元\r\n按鍵的正確率為100.00%", Info},
        {10, 'x', 1, 0, 0, u"恭喜您打完本段文字!!", Info},
        {10, 'x', 120, 5, 75, u"恭喜您打完本段文字!!\r\n您的速度是每秒1.60個字元\r\n按鍵的正確率為96.00%", Info},
        {10, 'x', 1, 2, 1, u"恭喜您打完本段文字!!\r\n您的速度是每秒1.00個字元\r\n按鍵的正確率為33.33%", Info},
    };
    for (const auto& c : cases) {
        const MessageBoxText m = summaryFor({.CharCount = c.charCount, .TypedChar = c.typedChar, .RightCount = c.right,
                                             .WrongCount = c.wrong, .ElapsedSeconds = c.elapsed}, QLocale::c());
        EXPECT_EQ(std::pair(m.text, m.style), std::pair(QString::fromUtf16(c.text), c.style));
    }

    // Its numbers round as they read and take the locale's separator.
    const QLocale c(QLocale::C);
    for (const auto& [value, shown] : {std::pair(0.125, "0.13"), {1.005, "1.01"}, {2.994999, "2.99"}})
        EXPECT_EQ(formatFixed2(value, c), shown) << value;
    EXPECT_EQ(formatPercent2(2.0 / 3.0, c), "66.67%");
    EXPECT_EQ(formatFixed2(1.6, QLocale(QLocale::German)), "1,60");
    EXPECT_EQ(formatFixed2(12345.678, QLocale(QLocale::English)), "12345.68") << "no digit grouping";
}
