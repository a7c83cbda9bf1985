#include "content/LessonCatalogue.h"
#include "content/PassageCatalogue.h"
#include "content/WarmUpSets.h"
#include "exercise/LenMbcs.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

namespace {
// Only characters printed on a key cap.
bool Typeable(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 32 && c.unicode() <= 126; });
}
} // namespace

// The texts themselves are data; what is checked is what the layout and the keyboard rely on.
TEST(BuiltInContent, DrillsAndPassagesAreTypeableAndNumberedWarmUpsHoldChineseOnlyInHeadings)
{
    ASSERT_EQ(LessonCount, 18);
    ASSERT_EQ(PassageCount, 18);
    for (int n = 1; n <= LessonCount; ++n) {
        const QString drill = LessonText(n).chopped(1), passage = PassageText(n).chopped(1);
        EXPECT_TRUE(LessonText(n).endsWith(u' ') && PassageText(n).endsWith(u' ')) << n;
        EXPECT_FALSE(drill.split(u' ').contains(QString())) << n << ": a double or outer space";
        EXPECT_TRUE(Typeable(drill) && drill.size() > 100) << drill.toStdString();
        EXPECT_TRUE(Typeable(passage) && !passage.contains(u'"') && passage.size() > 300) << passage.toStdString();
        EXPECT_TRUE(LessonCaption(n).startsWith(QStringLiteral("%1_").arg(n, 2, 10, QLatin1Char('0'))));
    }
    EXPECT_EQ(PassageCaption(18), u"18_QuorlanGITANJALI_頌歌詩選");
    for (int n : {0, 19})
        EXPECT_TRUE(LessonText(n) == u" " && PassageText(n) == u" " && (LessonCaption(n) + PassageCaption(n)).isEmpty()) << n;

    const std::vector<int> headings[] = {{1, 3, 5, 7, 11}, {1, 3, 5, 8}, {1}}; // line numbers, from 1
    const int lineCounts[] = {12, 11, 9};
    ASSERT_EQ(WarmUpSetCount, 3);
    for (int set = 0; set < WarmUpSetCount; ++set) {
        const QStringList lines = WarmUpLines(set);
        ASSERT_EQ(lines.size(), lineCounts[set]) << set;
        for (int i = 0; i < lines.size(); ++i) {
            const bool heading = std::count(headings[set].begin(), headings[set].end(), i + 1) > 0;
            EXPECT_EQ(LenMbcs(lines[i]) != lines[i].size(), heading) << lines[i].toStdString();
            EXPECT_TRUE(heading || (Typeable(lines[i]) && !lines[i].trimmed().isEmpty())) << lines[i].toStdString();
        }
        EXPECT_TRUE(WarmUpCaptionSuffix(set).startsWith(u'_'));
    }
    EXPECT_TRUE(WarmUpLines(3).isEmpty());
}
