#include "exercise/PracticeText.h"
#include "exercise/TextScroll.h"
#include <gtest/gtest.h>

namespace {
// The characters to type, "|" for a row end, and the top of each display row.
std::pair<QString, std::vector<int>> rows(const PracticeText& text)
{
    QString cells;
    std::vector<int> tops;
    for (const TitleCell& cell : text.titles()) {
        cells += cell.isRowEnd() ? QChar(u'|') : QChar(cell.ch);
        if (tops.empty() || tops.back() != cell.top)
            tops.push_back(cell.top);
    }
    return {cells, tops};
}
} // namespace

TEST(LayoutText, WhereRowsBreakWhereCellsAndHeadingsStandAndWhereTheTextEnds)
{
    const QString x56(56, u'x');
    // Nineteen words of "ab" fill a row of exactly 57 cells, the space after them being its Enter.
    const QString ab19 = QStringList(19, QStringLiteral("ab")).join(u' ');
    const struct {
        QStringList lines;
        QString cells;
        std::vector<int> tops;
    } cases[] = {
        {{"ab cd", "ef"}, "ab cd|ef", {0, 52}},
        {{"   a   b  ", "c"}, "a   b|c", {0, 52}}, // outer spaces vanish, inner runs stay
        {{QString(114, u'x')}, x56 + '|' + x56 + "|xx", {0, 52, 104}}, // no spaces: broken every 56
        {{x56, "y"}, x56 + "|y", {0, 52}},
        {{QString(55, u'x') + " y"}, QString(55, u'x') + "|y", {0, 52}}, // "y" and its row end would make 58
        {{"ab " + QString(60, u'x') + " cd"}, "ab|" + x56 + "|xxxx cd", {0, 52, 104}},
        {{ab19 + " ab"}, ab19 + "|ab", {0, 52}},
        {{"ab", "   ", "cd"}, "ab", {0}}, // a blank line ends the text
        {{"", "ab"}, "", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows(LayoutText(c.lines)), std::pair(c.cells, c.tops)) << c.lines.join(u'/').toStdString();

    const PracticeText text = LayoutText({"ab cd", "ef"});
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(text.lblTitle(i).left, 4 + 17 * ((i - 1) % 6)) << i;
    EXPECT_EQ(LayoutText({"", "ab"}).height(), 78);

    // Headings are shown whole and not typed.
    const PracticeText headed = LayoutText({"  第一課 Home row ", "as df", "第二課", "第三課", "jk"});
    ASSERT_EQ(headed.subTitleCount(), 3);
    EXPECT_EQ(headed.lblSubTit(1).caption, "  第一課 Home row ") << "headings keep their spaces";
    const std::vector tops{headed.lblSubTit(1).top, headed.lblSubTit(2).top, headed.lblSubTit(3).top};
    EXPECT_EQ(tops, (std::vector{0, 26 + 52, 78 + 26})) << "52 below a typing row, 26 below a heading";
    EXPECT_EQ(rows(headed), std::pair(QString("as df|jk"), std::vector{26, 104 + 26}))
        << "a typing row 26 below a heading";
    EXPECT_EQ(headed.height(), 130 + 78);

    // A heading is any line holding a double-byte character, even one that starts in ASCII.
    EXPECT_EQ(LayoutText({"1.Google網址", "x"}).lblTitle(1).top, 26);
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
        EXPECT_EQ(text.lblTitle(expected).ch, letters == 49 ? u'y' : u'x');
    }

    // Short rows: the last one that fits starts at 630 * 52 = 32,760 px.
    const PracticeText byTop = LayoutText(QStringList(700, QStringLiteral("ab")));
    EXPECT_EQ(std::pair(byTop.CharCount(), byTop.height()), std::pair(631 * 3 - 1, 32760 + 78));
    EXPECT_EQ(byTop.lblTitle(byTop.CharCount()).top, 32760);
}

// The window's tests scroll a real text; the scroll bar's maximum is theirs.
TEST(TextScroll, RowsComeIntoView)
{
    constexpr struct { int value, maximum, textTop, rowTop, window, expected; } Cases[] = {
        {0, 500, 0, 220, 272, 0},     // a row ending on the edge is still inside
        {0, 500, 0, 260, 272, 40},    // just inside the bottom edge
        {0, 30, 0, 260, 272, 30},     // no further than the maximum
        {100, 500, -100, 52, 272, 52},  // a row above the window comes to its top edge
        {100, 500, -100, 104, 272, 100}, // a visible row moves nothing
    };
    for (const auto& c : Cases)
        EXPECT_EQ(TextScroll::valueShowingRow(c.value, c.maximum, c.textTop, c.rowTop, c.window), c.expected) << c.rowTop;
}
