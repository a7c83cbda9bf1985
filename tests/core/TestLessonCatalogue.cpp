#include "content/LessonCatalogue.h"
#include <QStringList>
#include <gtest/gtest.h>

TEST(LessonCatalogue, EveryDrillHasItsLengthAndGroupsInPrintableAscii)
{
    constexpr int Lengths[] = {119, 119, 119, 191, 119, 119, 119, 191, 119, 119, 119, 191, 215, 280, 137, 143, 183, 287};
    constexpr int Groups[] = {24, 24, 24, 32, 24, 24, 24, 32, 24, 24, 24, 32, 36, 47, 24, 20, 31, 48};
    ASSERT_EQ(LessonCount, 18);
    for (int n = 1; n <= LessonCount; ++n) {
        const QString drill = LessonText(n).chopped(1);
        EXPECT_EQ(LessonText(n).back(), u' ') << n;
        EXPECT_EQ(drill.size(), Lengths[n - 1]) << n;
        EXPECT_EQ(drill.split(u' ').size(), Groups[n - 1]) << n << " (a double or outer space adds a group)";
        for (QChar c : drill)
            EXPECT_TRUE(c.unicode() >= 32 && c.unicode() <= 126) << n << ": " << int(c.unicode());
        EXPECT_TRUE(LessonCaption(n).startsWith(QStringLiteral("%1_").arg(n, 2, 10, QLatin1Char('0'))));
    }
    for (int n : {0, 19}) {
        EXPECT_EQ(LessonText(n), u" ");
        EXPECT_TRUE(LessonCaption(n).isEmpty());
    }
}
