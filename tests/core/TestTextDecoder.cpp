#include "content/TextDecoder.h"
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {
QStringList Lines(const char* text)
{
    return SplitPracticeLines(QString::fromLatin1(text), nullptr);
}
} // namespace

TEST(TextDecoder, EveryLineEndEndsOneLineAndTheLastNeedsNone)
{
    const QStringList expected{"ab c", "d"};
    EXPECT_EQ(Lines("ab c\rd"), expected);
    EXPECT_EQ(Lines("ab c\r\nd\r\n"), expected);
    EXPECT_EQ(Lines("ab c\nd\n"), expected);
    EXPECT_EQ(Lines("ab c\n\rd\r"), expected);
    EXPECT_EQ(Lines("x\ry\r\nz\nw"), (QStringList{"x", "y", "z", "w"}));
}

TEST(TextDecoder, IndentsAndBlankLinesDropOutButTabsStay)
{
    EXPECT_EQ(Lines("  one  two \r\n\r\n   \r\n two\n\n"), (QStringList{"one  two", "two"}));
    EXPECT_EQ(Lines("a\n\t\n \tb\t "), (QStringList{"a", "\t", "\tb\t"}));
    EXPECT_TRUE(Lines("").isEmpty());
    EXPECT_TRUE(Lines(" \r\n  \n\r").isEmpty());
}

TEST(TextDecoder, AtMost2000NonBlankLines)
{
    QString text;
    for (int i = 0; i < kMaxPracticeLines; ++i)
        text += QString::number(i) + "\r\n  \r\n";
    bool tooMany = true;
    EXPECT_EQ(SplitPracticeLines(text, &tooMany).size(), kMaxPracticeLines);
    EXPECT_FALSE(tooMany);
    EXPECT_TRUE(SplitPracticeLines(text + "last", &tooMany).isEmpty());
    EXPECT_TRUE(tooMany);
}

TEST(TextDecoder, Big5Utf8AndUtf16GiveTheSameText)
{
    const QString text = QString::fromUtf8("第一課 英打\r\nasdf jkl;\r\n");
    QStringEncoder big5("windows-950");
    const QByteArray utf8 = text.toUtf8();
    QStringEncoder le(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QStringEncoder be(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    for (const QByteArray& bytes : {QByteArray(big5(text)), utf8, "\xEF\xBB\xBF" + utf8,
                                    QByteArray(le(text)), QByteArray(be(text))})
        EXPECT_EQ(DecodeText(bytes), text) << bytes.left(6).toHex(' ').constData();
}

TEST(TextDecoder, InvalidUtf8ReadsAsBig5)
{
    // A4 40 is a stray continuation byte in UTF-8; E4 B8 at the end is a cut-off sequence.
    EXPECT_EQ(DecodeText("\xA4\x40 a"), QString::fromUtf8("一 a"));
    EXPECT_EQ(DecodeText("ab\xE4\xB8"), QString::fromUtf8("ab銝"));
}
