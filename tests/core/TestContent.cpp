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
        EXPECT_TRUE(Typeable(drill)) << drill.toStdString();
        EXPECT_TRUE(LessonCaption(n).startsWith(QStringLiteral("%1_").arg(n, 2, 10, QLatin1Char('0'))));
    }
    for (int n : {0, 19})
        EXPECT_TRUE(LessonText(n) == u" " && LessonCaption(n).isEmpty()) << n;
}

TEST(PassageCatalogue, EveryPassageOpensRightIsNearItsLengthAndTypeable)
{
    struct Shape {
        int length;
        const char* opening;
    };
    constexpr Shape Shapes[] = {
        {508, "Thou hast made me endless,"},      {568, "When thou commandest me to sing"},
        {472, "I know not how thou singest,"},    {508, "Life of my life, I shall"},
        {508, "I ask for a moment's indulgence"}, {389, "Pluck this little flower and take"},
        {375, "My song has put off her"},         {455, "The child who is decked with"},
        {362, "O Fool, try to carry thyself"},    {478, "Here is thy footstool and there"},
        {782, "Leave this chanting and singing and"}, {737, "The time that my journey takes"},
        {623, "The song that I came to"},         {645, "My desires are many and my"},
        {386, "I am here to sing thee"},          {322, "I have had my invitation to"},
        {562, "I am only waiting for love"},      {449, "Clouds heap upon clouds and it"},
    };
    ASSERT_EQ(PassageCount, 18);
    for (int n = 1; n <= PassageCount; ++n) {
        const QString passage = PassageText(n).chopped(1);
        EXPECT_TRUE(passage.startsWith(QLatin1String(Shapes[n - 1].opening))) << n;
        EXPECT_LE(qAbs(passage.size() - Shapes[n - 1].length) * 50, Shapes[n - 1].length) << n << ": " << passage.size();
        EXPECT_TRUE(Typeable(passage) && !passage.contains(u'"')) << passage.toStdString();
    }
    EXPECT_EQ(PassageCaption(18), u"18_QuorlanGITANJALI_頌歌詩選");
    for (int n : {0, 19})
        EXPECT_TRUE(PassageText(n) == u" " && PassageCaption(n).isEmpty()) << n;
}

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
            EXPECT_TRUE(heading || Typeable(line)) << line.toStdString();
        }
        EXPECT_TRUE(WarmUpCaptionSuffix(set).startsWith(u'_'));
    }
    EXPECT_TRUE(WarmUpLines(3).isEmpty());
}
