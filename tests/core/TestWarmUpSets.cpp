#include "content/WarmUpSets.h"

#include <QRegularExpression>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

namespace {
struct SetShape {
    const char* menuName;
    const char16_t* menuCaption;
    const char16_t* captionSuffix;
    std::vector<int> lengths;
    std::vector<int> headings; // line numbers, from 1
};

const std::vector<SetShape> kShapes{
    {"mnuCR2", u"網址練打", u"_三四年級網址練打熱身",
     {10, 36, 14, 33, 6, 38, 8, 25, 21, 20, 15, 37}, {1, 3, 5, 7, 11}},
    {"mnuCR3", u"三四年級", u"_三四年級大小寫課前熱身",
     {10, 26, 10, 26, 17, 20, 22, 8, 18, 21, 17}, {1, 3, 5, 8}},
    {"mnuCR4", u"Yahoo信箱_練習", u"_yahoo信箱位址練打",
     {11, 27, 23, 26, 28, 23, 26, 27, 27}, {1}},
};

// The layout's own test for a heading: some character takes two bytes in code page 950.
bool IsHeading(const QString& line)
{
    QStringEncoder big5("windows-950");
    return QByteArray(big5(line)).size() != line.size();
}

bool Matches(const char* pattern, const QString& line)
{
    return QRegularExpression(QLatin1String(pattern)).match(line).hasMatch();
}
} // namespace

TEST(WarmUpSets, LinesHaveTheirLengthsAndOnlyHeadingsHoldChinese)
{
    ASSERT_EQ(WarmUpSetCount, int(kShapes.size()));
    for (int set = 0; set < WarmUpSetCount; ++set) {
        SCOPED_TRACE(set);
        const SetShape& shape = kShapes[set];
        EXPECT_EQ(WarmUpMenuName(set), QLatin1String(shape.menuName));
        EXPECT_EQ(WarmUpMenuCaption(set), shape.menuCaption);
        EXPECT_EQ(WarmUpCaptionSuffix(set), shape.captionSuffix);

        const QStringList lines = WarmUpLines(set);
        ASSERT_EQ(lines.size(), qsizetype(shape.lengths.size()));
        for (int i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            SCOPED_TRACE(line.toStdString());
            EXPECT_EQ(line.size(), shape.lengths[i]);
            EXPECT_TRUE(!line.isEmpty() && line == line.trimmed());
            const bool heading = std::count(shape.headings.begin(), shape.headings.end(), i + 1) > 0;
            EXPECT_EQ(IsHeading(line), heading);
            EXPECT_TRUE(heading || Matches("^[ -~]+$", line));
        }
    }
    EXPECT_TRUE(WarmUpLines(3).isEmpty());
}
