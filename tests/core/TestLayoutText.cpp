#include "exercise/LenMbcs.h"
#include "exercise/PracticeText.h"
#include <gtest/gtest.h>

namespace {
QString Cells(const PracticeText& text)
{
    QString out;
    for (int i = 1; i <= text.CharCount(); ++i)
        out += text.lblTitle(i).isRowEnd() ? QChar(u'|') : QChar(text.lblTitle(i).ch);
    return out;
}

// Row tops of the cells, one entry per display row.
std::vector<int> RowTops(const PracticeText& text)
{
    std::vector<int> tops;
    for (const TitleCell& cell : text.titles())
        if (tops.empty() || tops.back() != cell.top)
            tops.push_back(cell.top);
    return tops;
}
} // namespace

TEST(LayoutText, WorkedExample)
{
    const PracticeText text = LayoutText({"ab cd", "ef"});
    EXPECT_EQ(Cells(text), "ab cd|ef");
    EXPECT_EQ(text.CharCount(), 8);
    EXPECT_EQ(text.height(), 130);
    EXPECT_EQ(text.lblTitle(6).caption(), "\r\n");
    EXPECT_EQ(text.lblTitle(6).ch, 13);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(text.lblTitle(i).top, 0);
        EXPECT_EQ(text.lblTitle(i).left, 4 + 17 * (i - 1));
    }
    EXPECT_EQ(text.lblTitle(7).top, 52);
    EXPECT_EQ(text.lblTitle(7).left, 4);
    EXPECT_EQ(text.lblTitle(8).left, 21);
    EXPECT_FALSE(text.lblTyping(1).visible);
    EXPECT_EQ(text.lblTyping(1).typed, 0);
}

TEST(LayoutText, LinesWithoutSpacesBreakEvery56Letters)
{
    const QString letters = QString(60, u'x');
    const PracticeText sixty = LayoutText({letters});
    EXPECT_EQ(sixty.CharCount(), 61);
    EXPECT_EQ(Cells(sixty), QString(56, u'x') + u'|' + QString(4, u'x'));
    EXPECT_EQ(RowTops(sixty), (std::vector<int>{0, 52}));

    EXPECT_EQ(LayoutText({QString(56, u'x')}).CharCount(), 56);
    EXPECT_EQ(Cells(LayoutText({QString(56, u'x'), "y"})), QString(56, u'x') + "|y");
    EXPECT_EQ(Cells(LayoutText({QString(57, u'x')})), QString(56, u'x') + "|x");
}

TEST(LayoutText, WordsBreakAtTheLastSpaceThatFits)
{
    // Twenty words of "ab": nineteen fill a row of exactly 57 cells, the last space being Enter.
    const PracticeText text = LayoutText({QStringList(20, QStringLiteral("ab")).join(u' ')});
    ASSERT_EQ(text.CharCount(), 59);
    EXPECT_TRUE(text.lblTitle(57).isRowEnd());
    EXPECT_EQ(text.lblTitle(57).left, 4 + 17 * 56);
    EXPECT_EQ(text.lblTitle(58).top, 52);
    EXPECT_EQ(text.lblTitle(58).left, 4);
    for (int i = 1; i < text.CharCount(); ++i) {
        if (text.lblTitle(i).ch == u' ') {
            EXPECT_EQ(text.lblTitle(i + 1).top, text.lblTitle(i).top) << "a space is never typed at a row end";
        }
    }
}

TEST(LayoutText, OuterSpacesVanishInnerRunsStay)
{
    EXPECT_EQ(Cells(LayoutText({"   a   b  ", "c"})), "a   b|c");
}

TEST(LayoutText, LongRunInsideASpacedLineIsBrokenToo)
{
    const PracticeText text = LayoutText({"ab " + QString(60, u'x') + " cd"});
    EXPECT_EQ(Cells(text), "ab|" + QString(56, u'x') + u'|' + "xxxx cd");
    EXPECT_EQ(RowTops(text), (std::vector<int>{0, 52, 104}));
}

TEST(LayoutText, HeadingsAreShownWholeAndNotTyped)
{
    const PracticeText text = LayoutText({"  第一課 Home row ", "as df", "第二課", "第三課", "jk"});
    ASSERT_EQ(text.SubTitleCount(), 3);
    EXPECT_EQ(text.lblSubTit(1).caption, "  第一課 Home row ") << "headings keep their spaces";
    EXPECT_EQ(text.lblSubTit(1).top, 0);
    EXPECT_EQ(text.lblTitle(1).top, 26) << "a typing row 26 below a heading";
    EXPECT_EQ(text.lblSubTit(2).top, 26 + 52) << "a heading 52 below a typing row";
    EXPECT_EQ(text.lblSubTit(3).top, 78 + 26);
    EXPECT_EQ(text.lblTitle(7).top, 104 + 26);
    EXPECT_EQ(Cells(text), "as df|jk");
    EXPECT_EQ(text.height(), 130 + 78);

    // A heading is any line holding a double-byte character, even one that starts in ASCII.
    EXPECT_EQ(LayoutText({"1.Google網址"}).SubTitleCount(), 1);
    EXPECT_EQ(LayoutText({"1.Google網址", "x"}).lblTitle(1).top, 26);
}

TEST(LayoutText, BlankLineEndsTheText)
{
    EXPECT_EQ(Cells(LayoutText({"ab", "   ", "cd"})), "ab");
    EXPECT_EQ(Cells(LayoutText({"ab", "", "第一課"})), "ab");

    const PracticeText none = LayoutText({"", "ab"});
    EXPECT_EQ(none.CharCount(), 0);
    EXPECT_EQ(none.height(), 78);
    const PracticeText headingsOnly = LayoutText({"第一課", "第二課"});
    EXPECT_EQ(headingsOnly.CharCount(), 0);
    EXPECT_EQ(headingsOnly.SubTitleCount(), 2);
    EXPECT_EQ(LayoutText({}).CharCount(), 0);
}

TEST(LayoutText, TextsBeyondTheSixteenBitLimitsAreCutAfterAWholeRow)
{
    // 574 full rows of 57 cells, then a row of 49 letters: exactly 32,767 characters to type
    // once the text's last Enter goes. One letter more and that whole row is cut.
    QStringList lines(574, QString(56, u'x'));
    for (int letters : {49, 50}) {
        const PracticeText text = LayoutText(lines + QStringList{QString(letters, u'y'), "z"});
        const int expected = letters == 49 ? TextGeometry::MaxCharCount : 574 * 57 - 1;
        ASSERT_EQ(text.CharCount(), expected) << letters;
        EXPECT_FALSE(text.lblTitle(expected).isRowEnd());
        EXPECT_EQ(text.lblTitle(expected).ch, letters == 49 ? u'y' : u'x');
    }

    // Short rows: the last one that fits starts at 630 * 52 = 32,760 px.
    const PracticeText byTop = LayoutText(QStringList(700, QStringLiteral("ab")));
    EXPECT_EQ(byTop.CharCount(), 631 * 3 - 1);
    EXPECT_EQ(byTop.lblTitle(byTop.CharCount()).top, 32760);
    EXPECT_EQ(byTop.height(), 32760 + 78);
}

TEST(LenMbcs, CountsBytesInCodePage950)
{
    EXPECT_EQ(LenMbcs("abc def"), 7);
    EXPECT_EQ(LenMbcs("英打練習 abc"), 12);
    EXPECT_EQ(LenMbcs("€"), 2);
    EXPECT_EQ(LenMbcs(""), 0);
}
