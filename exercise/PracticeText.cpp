#include "exercise/PracticeText.h"
#include "exercise/LenMbcs.h"
#include "platform/TrimSpaces.h"

using namespace TextGeometry;

namespace {
// No row can take more than 56 letters before its row end, so longer runs are broken every
// 56 letters, whether or not the line has spaces elsewhere.
QString breakLongRuns(const QString& s)
{
    QString out;
    out.reserve(s.size() + s.size() / LongestRun + 1);
    int run = 0;
    for (qsizetype p = 0; p < s.size(); ++p) {
        const QChar ch = s.at(p);
        if (ch == u' ') {
            run = 0;
        } else if (run == LongestRun) {
            out += u' ';
            run = 1;
        } else {
            ++run;
        }
        out += ch;
    }
    return out;
}
} // namespace

int PracticeText::clearTypingRow()
{
    int highest = 0;
    for (int i = 1; i <= CharCount(); ++i) {
        TypingCell& cell = lblTyping(i);
        if (cell.visible)
            highest = i;
        cell = TypingCell{};
    }
    return highest;
}

PracticeText LayoutText(const QStringList& lines)
{
    PracticeText text;
    int rowTop = 0;
    bool afterHeading = true;
    const auto nextTop = [&] { return rowTop + (afterHeading ? AdvanceAfterHeading : AdvanceAfterRow); };

    // Places the rows of one typing line; false once a row would pass the 16-bit limits.
    const auto layTypingLine = [&](const QString& s, bool firstLine) {
        qsizetype end = 0;
        while (end < s.size()) {
            const qsizetype start = end;
            qsizetype rowEnd = s.indexOf(u' ', start);
            for (qsizetype next = s.indexOf(u' ', rowEnd + 1);
                 next != -1 && next - start + 1 <= CellsPerRow; next = s.indexOf(u' ', next + 1))
                rowEnd = next;

            const int top = (firstLine && end == 0) ? 0 : nextTop();
            const auto cells = static_cast<int>(rowEnd - start + 1);
            // The text's final row end is dropped below, hence the one cell of slack.
            if (top > MaxRowTop || text.CharCount() + cells - 1 > MaxCharCount)
                return false;
            for (qsizetype p = start; p <= rowEnd; ++p) {
                const char16_t ch = p == rowEnd ? u'\r' : s.at(p).unicode();
                const auto left = static_cast<qint16>(RowLeft + ColumnPitch * (p - start));
                text.titles_.push_back(TitleCell{ch, left, top});
            }
            rowTop = top;
            afterHeading = false;
            end = rowEnd + 1;
        }
        return true;
    };

    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString& line = lines.at(n);
        const QString trimmed = trimSpaces(line).toString();
        if (trimmed.isEmpty())
            break;

        if (LenMbcs(line) != line.size()) {
            const int top = n > 0 ? nextTop() : 0;
            if (top > MaxRowTop)
                break;
            rowTop = top;
            text.subTitles_.push_back(SubTitle{line, top});
            afterHeading = true;
            continue;
        }

        // The appended space closes the line's last display row.
        if (!layTypingLine(breakLongRuns(trimmed) + u' ', n == 0))
            break;
    }
    // The text never ends with Enter.
    if (!text.titles_.empty())
        text.titles_.pop_back();
    text.typing_.assign(text.titles_.size(), TypingCell{});
    text.height_ = rowTop + BottomMargin;
    return text;
}
