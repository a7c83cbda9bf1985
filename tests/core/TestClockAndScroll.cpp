#include "exercise/ClockGauge.h"
#include "exercise/TextScroll.h"
#include <gtest/gtest.h>

// The exercise tests read the clock and the bar through a run, truncation included; these are the far cases.
TEST(ClockGauge, CaptionsAndBars)
{
    EXPECT_EQ(ClockCaption(36'000 + 59 * 60 + 59), "10:59:59");
    EXPECT_EQ(SpeedBarTwips(32767, 1, 1), 131'068'000) << "the largest text typed in one second";
}

// The window's tests scroll a real text; the scroll bar's maximum is theirs.
TEST(TextScroll, RowsComeIntoView)
{
    struct Case {
        int value, maximum, textTop, rowTop, window, expected;
    };
    constexpr Case Cases[] = {
        {0, 500, 0, 208, 272, 0},     // 208 + 52 = 260 is still inside
        {0, 500, 0, 220, 272, 0},     // and so is a row ending on the edge
        {0, 500, 0, 260, 272, 40},    // just inside the bottom edge
        {0, 30, 0, 260, 272, 30},     // no further than the maximum
        {100, 500, -100, 52, 272, 52},  // a row above the window comes to its top edge
        {100, 500, -100, 104, 272, 100}, // a visible row moves nothing
        {40, 500, -40, 572, 544, 80},    // taller window without the keyboard
    };
    for (const Case& c : Cases)
        EXPECT_EQ(TextScroll::ValueShowingRow(c.value, c.maximum, c.textTop, c.rowTop, c.window), c.expected) << c.rowTop;
}
