#include "app/WindowPlace.h"
#include <gtest/gtest.h>

TEST(WindowPlace, CentredALittleAboveTheMiddleUnlessLargerThanTheRoomOnTheScreen)
{
    constexpr double px = 15;
    const struct {
        const char* what;
        QRectF screen, available;
        QPointF topLeft;
    } cases[] = {
        {"1024 x 768, just above the top", {0, 0, 1024 * px, 768 * px}, {0, 0, 1024 * px, 768 * px}, {0, -25}},
        {"1280 x 1024 beside another screen", {1920 * px, 0, 1280 * px, 1024 * px}, {1920 * px, 30 * px, 1280 * px, 994 * px},
         {(1920 + 128) * px, 1895}},
        // At a scale factor of 2 a 1280 x 1024 screen holds 640 x 512 of the window's pixels.
        {"larger in both directions", {0, 0, 640 * px, 512 * px}, {0, 24 * px, 640 * px, 488 * px}, {0, 24 * px}},
        {"taller than the room below a panel", {0, 0, 1280 * px, 760 * px}, {0, 40 * px, 1280 * px, 720 * px},
         {128 * px, 40 * px}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowPlace::topLeft(c.screen, c.available), c.topLeft) << c.what;
}
