// Any lines, of any length and characters, lay out within the window's limits: rows of at most
// 57 cells in their columns, tops going down, every row but the last closed by its Enter cell,
// the headings and the letters of the typing lines in order, cut only at the end.
#include "exercise/LenMbcs.h"
#include "exercise/PracticeText.h"
#include "platform/TrimSpaces.h"
#include <cstdint>
#include <cstdlib>

using namespace TextGeometry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto require = [](bool holds) { if (!holds) std::abort(); };
    if (size == 0)
        return 0;
    // The first byte repeats the lines, up to 64 times, to reach the largest texts; the rest is
    // UTF-16, any code unit, lines ending at CR or LF as they do in a file.
    const int repeats = data[0] % 64 + 1;
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data + 1), qsizetype(size - 1) / 2);
    const QStringList all = (text.replace(u'\r', u'\n') + u'\n').repeated(repeats).split(u'\n');

    const PracticeText laid = LayoutText(all);
    const auto& cells = laid.titles();
    require(laid.CharCount() <= MaxCharCount);
    require(cells.empty() || !cells.back().isRowEnd());
    int bottom = 0;
    QString typed;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool newRow = i == 0 || cells[i].top != cells[i - 1].top;
        require(newRow ? i == 0 || (cells[i].top > cells[i - 1].top && cells[i - 1].isRowEnd())
                       : !cells[i - 1].isRowEnd());
        const int column = newRow ? 0 : (cells[i - 1].left - RowLeft) / ColumnPitch + 1;
        require(column < CellsPerRow && cells[i].left == RowLeft + ColumnPitch * column);
        require(cells[i].top <= MaxRowTop);
        bottom = std::max(bottom, int(cells[i].top));
        if (!cells[i].isRowEnd())
            typed += QChar(cells[i].ch);
    }
    QStringList headings;
    for (const SubTitle& heading : laid.subTitles()) {
        require(heading.top <= MaxRowTop);
        bottom = std::max(bottom, int(heading.top));
        headings.append(heading.caption);
    }
    require(laid.height() == bottom + BottomMargin);

    // What was laid out is the start of what the lines hold, up to the first blank line.
    QString letters;
    QStringList headingLines;
    for (const QString& line : all) {
        if (trimSpaces(line).isEmpty())
            break;
        if (LenMbcs(line) != line.size())
            headingLines.append(line);
        else
            letters += line;
    }
    require(letters.remove(u' ').startsWith(typed.remove(u' ')));
    require(headingLines.mid(0, headings.size()) == headings);
    return 0;
}
