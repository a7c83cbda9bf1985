#include "content/LessonCatalogue.h"
#include "content/PassageCatalogue.h"
#include "content/WarmUpSets.h"
#include "exercise/LenMbcs.h"
#include <gtest/gtest.h>
#include <algorithm>

// The texts themselves are data; what is checked is what the layout and the keyboard rely on.
TEST(BuiltInContent, DrillsAndPassagesAreTypeableAndWarmUpsHoldChineseOnlyInHeadings)
{
    const auto Typeable = [](QStringView text) { // only characters printed on a key cap
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 32 && c.unicode() <= 126; });
    };
    for (int n = 1; n <= LessonCount; ++n) {
        const QString drill = LessonText(n).chopped(1), passage = PassageText(n).chopped(1);
        const QString number = QStringLiteral("%1_").arg(n, 2, 10, QLatin1Char('0'));
        EXPECT_TRUE(LessonText(n).endsWith(u' ') && PassageText(n).endsWith(u' ')) << n;
        EXPECT_FALSE(drill.split(u' ').contains(QString())) << n << ": a double or outer space";
        EXPECT_TRUE(Typeable(drill) && drill.size() > 100) << drill.toStdString();
        EXPECT_TRUE(Typeable(passage) && !passage.contains(u'"') && passage.size() > 300) << passage.toStdString();
        EXPECT_TRUE(LessonCaption(n).startsWith(number) && PassageCaption(n).startsWith(number)) << n;
    }
    for (int n : {0, LessonCount + 1})
        EXPECT_TRUE(LessonText(n) == u" " && PassageText(n) == u" " && (LessonCaption(n) + PassageCaption(n)).isEmpty()) << n;

    // A heading is a line holding a double-byte character; every other line is typed.
    for (int set = 0; set <= WarmUpSetCount; ++set) {
        const QStringList lines = WarmUpLines(set);
        EXPECT_EQ(lines.isEmpty(), set == WarmUpSetCount) << set;
        for (const QString& line : lines)
            EXPECT_TRUE(LenMbcs(line) != line.size() || (Typeable(line) && !line.trimmed().isEmpty())) << qPrintable(line);
        EXPECT_EQ(WarmUpCaptionSuffix(set).startsWith(u'_'), set < WarmUpSetCount) << set;
    }
}
