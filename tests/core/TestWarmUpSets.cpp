#include "content/WarmUpSets.h"
#include "exercise/LenMbcs.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

TEST(WarmUpSets, LinesHaveTheirLengthsAndOnlyHeadingsHoldChinese)
{
    struct Shape {
        std::vector<int> lengths;
        std::vector<int> headings; // line numbers, from 1
    };
    const Shape Shapes[] = {
        {{10, 36, 14, 33, 6, 38, 8, 25, 21, 20, 15, 37}, {1, 3, 5, 7, 11}},
        {{10, 26, 10, 26, 17, 20, 22, 8, 18, 21, 17}, {1, 3, 5, 8}},
        {{11, 27, 23, 26, 28, 23, 26, 27, 27}, {1}},
    };
    ASSERT_EQ(WarmUpSetCount, 3);
    for (int set = 0; set < WarmUpSetCount; ++set) {
        const QStringList lines = WarmUpLines(set);
        ASSERT_EQ(lines.size(), qsizetype(Shapes[set].lengths.size())) << set;
        for (int i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            EXPECT_EQ(line.size(), Shapes[set].lengths[i]) << line.toStdString();
            const bool heading = std::count(Shapes[set].headings.begin(), Shapes[set].headings.end(), i + 1) > 0;
            EXPECT_EQ(LenMbcs(line) != line.size(), heading) << line.toStdString();
            for (QChar c : line)
                EXPECT_TRUE(heading || (c.unicode() >= 32 && c.unicode() <= 126)) << line.toStdString();
        }
        EXPECT_TRUE(WarmUpCaptionSuffix(set).startsWith(u'_'));
    }
    EXPECT_TRUE(WarmUpLines(3).isEmpty());
}
