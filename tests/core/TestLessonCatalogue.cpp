#include "content/LessonCatalogue.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <array>

namespace {
struct LessonShape {
    int length;
    int groups;
};

constexpr std::array<LessonShape, 18> kShapes{{
    {119, 24}, {119, 24}, {119, 24}, {191, 32}, {119, 24}, {119, 24}, {119, 24}, {191, 32}, {119, 24},
    {119, 24}, {119, 24}, {191, 32}, {215, 36}, {280, 47}, {137, 24}, {143, 20}, {183, 31}, {287, 48},
}};
} // namespace

TEST(LessonCatalogue, EveryDrillHasItsLengthGroupsAndGroupSizes)
{
    ASSERT_EQ(LessonCount, int(kShapes.size()));
    for (int n = 1; n <= LessonCount; ++n) {
        SCOPED_TRACE(n);
        const QString line = LessonText(n);
        ASSERT_TRUE(line.endsWith(u' '));
        const QString drill = line.chopped(1);
        EXPECT_EQ(drill.size(), kShapes[n - 1].length);
        for (QChar c : drill)
            EXPECT_TRUE(c.unicode() >= 32 && c.unicode() <= 126) << int(c.unicode());

        // Empty parts are kept, so a double space or an end space shows up as a short group.
        const QStringList groups = drill.split(u' ');
        EXPECT_EQ(groups.size(), kShapes[n - 1].groups);
        const int longest = n <= 14 ? 5 : 8;
        for (const QString& group : groups)
            EXPECT_TRUE(group.size() >= 4 && group.size() <= longest) << group.toStdString();

        EXPECT_TRUE(LessonCaption(n).startsWith(QStringLiteral("%1_").arg(n, 2, 10, QLatin1Char('0'))));
    }
}

TEST(LessonCatalogue, SpotChecksAndNumbersOutside)
{
    EXPECT_EQ(LessonCaption(1), u"01_a_s_l_;_（中列鍵）");
    EXPECT_EQ(LessonCaption(9), u"09_z_x_．_／_（下列鍵）");
    EXPECT_TRUE(LessonText(16).startsWith(u"`-=[] \\;',./ ~!@#$% ^*()_+ {}|:\"<>? "));
    EXPECT_TRUE(LessonText(18).endsWith(u"s#oDG} "));

    // These lessons type their first half twice.
    for (int n : {3, 7, 11, 16}) {
        const QString drill = LessonText(n).chopped(1);
        const int half = (drill.size() - 1) / 2;
        EXPECT_EQ(drill.left(half), drill.mid(half + 1)) << n;
    }

    for (int n : {0, 19}) {
        EXPECT_EQ(LessonText(n), u" ");
        EXPECT_TRUE(LessonCaption(n).isEmpty());
    }
}
