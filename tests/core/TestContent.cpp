#include "content/LessonCatalogue.h"
#include "content/PassageCatalogue.h"
#include "content/TextFileReader.h"
#include "content/WarmUpSets.h"
#include "exercise/LenMbcs.h"
#include "exercise/PracticeText.h"
#include "platform/TrimSpaces.h"
#include <QDir>
#include <gtest/gtest.h>
#include <algorithm>

// The texts themselves are data; what is checked is what the layout and the keyboard rely on.
TEST(BuiltInContent, DrillsAndPassagesAreTypeableAndWarmUpsHoldChineseOnlyInHeadings)
{
    const auto typeable = [](QStringView text) { // only characters printed on a key cap
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 32 && c.unicode() <= 126; });
    };
    for (int n = 1; n <= LessonCount; ++n) {
        const QString drill = LessonText(n).chopped(1), passage = PassageText(n).chopped(1);
        const QString number = QStringLiteral("%1_").arg(n, 2, 10, QLatin1Char('0'));
        EXPECT_TRUE(LessonText(n).endsWith(u' ') && PassageText(n).endsWith(u' ')) << n;
        EXPECT_FALSE(drill.split(u' ').contains(QString())) << n << ": a double or outer space";
        EXPECT_TRUE(typeable(drill) && drill.size() > 100) << drill.toStdString();
        EXPECT_TRUE(typeable(passage) && !passage.contains(u'"') && passage.size() > 300) << passage.toStdString();
        EXPECT_TRUE(lessonCaption(n).startsWith(number) && passageCaption(n).startsWith(number)) << n;
    }
    for (int n : {0, LessonCount + 1})
        EXPECT_TRUE(LessonText(n) == u" " && PassageText(n) == u" " && (lessonCaption(n) + passageCaption(n)).isEmpty()) << n;

    // A heading is a line holding a double-byte character; every other line is typed.
    for (int set = 0; set <= WarmUpSetCount; ++set) {
        const QStringList lines = warmUpLines(set);
        EXPECT_EQ(lines.isEmpty(), set == WarmUpSetCount) << set;
        for (const QString& line : lines)
            EXPECT_TRUE(LenMbcs(line) != line.size() || (typeable(line) && !line.trimmed().isEmpty())) << qPrintable(line);
        EXPECT_EQ(warmUpCaptionSuffix(set).startsWith(u'_'), set < WarmUpSetCount) << set;
    }
}

// The example files installed with the guide: each reads as its UTF-8 source (the build writes the
// *-big5.txt ones in Big5) and lays out whole; the guide's worked example as the guide shows it.
TEST(ExampleFiles, ReadAsWrittenAndLaidOutAsTheGuideShows)
{
    const QDir sources(QStringLiteral(KELMORA_EXAMPLE_SOURCES_DIR)), built(QStringLiteral(KELMORA_EXAMPLES_DIR));
    const QStringList names = sources.entryList({QStringLiteral("*.txt")}, QDir::Files);
    EXPECT_TRUE(names.contains(QStringLiteral("kmora.txt")) && !names.filter(QStringLiteral("-big5.txt")).isEmpty());
    for (const QString& name : names) {
        QFile source(sources.filePath(name)), file(built.filePath(name));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly) && file.open(QIODevice::ReadOnly)) << qPrintable(name);
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8() != bytes, name.endsWith(QStringLiteral("-big5.txt"))) << qPrintable(name);

        QStringList lines;
        for (const QString& line : QString::fromUtf8(source.readAll()).split(u'\n'))
            if (const QString trimmed = trimSpaces(line).toString(); !trimmed.isEmpty())
                lines += trimmed;
        EXPECT_EQ(readTextFile(built.filePath(name)).lines, lines) << qPrintable(name);

        // Laid out whole: each Chinese line a heading, every letter of the others typed in order,
        // a row's Enter standing for a space or a line's end.
        const PracticeText laid = LayoutText(lines);
        QStringList headings, texts, shown;
        for (const QString& line : lines)
            (LenMbcs(line) != line.size() ? headings : texts) += line;
        for (const SubTitle& heading : laid.subTitles())
            shown += heading.caption;
        QString typed;
        for (const TitleCell& cell : laid.titles())
            typed += cell.isRowEnd() ? QChar(u'|') : QChar(cell.ch);
        EXPECT_EQ(shown, headings) << qPrintable(name);
        EXPECT_EQ(QString(typed).replace(u'|', u' '), texts.join(u' ')) << qPrintable(name);
        // The guide shows where this one's rows end.
        if (name == u"guide-example.txt") {
            EXPECT_EQ(typed, "My dog Pip runs in the park every day and digs holes|beside the old oak tree.|"
                             "He comes home with mud on his nose.|Then he sleeps by the door.|"
                             "I have 2 cats, 3 fish and 10 toy cars.");
        }
    }
}
