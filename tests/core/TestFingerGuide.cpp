#include "keyboard/FingerGuide.h"
#include <gtest/gtest.h>

TEST(FingerGuide, HandsRiseToTheirRestAndTheCalloutsComeAndGo)
{
    FingerGuide guide;
    guide.start(5000);
    EXPECT_EQ(guide.HandY(), 400);
    int moves = 0;
    qint64 now = 5000;
    while (guide.tick(now += 16)) {
        ++moves;
        EXPECT_EQ(guide.calloutsVisible(), guide.HandY() == 120) << "the callouts come with the last step";
    }
    EXPECT_EQ(std::pair(moves, guide.HandY()), std::pair(28, 120));
    EXPECT_FALSE(guide.tick(8999));
    EXPECT_TRUE(guide.calloutsVisible()) << "3.999 s is not more than 3 seconds";
    EXPECT_FALSE(guide.tick(9000) || guide.calloutsVisible());

    guide.start(20'000); // started again: from the bottom, callouts hidden
    EXPECT_TRUE(guide.HandY() == 400 && !guide.calloutsVisible());
    guide.stop();
    EXPECT_TRUE(!guide.tick(20'016) && guide.HandY() == 400);
}
