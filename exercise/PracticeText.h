#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// Row geometry of a laid-out text, in pixels of the text picture `picWd`.
namespace TextGeometry {
inline constexpr int RowLeft = 4;
inline constexpr int ColumnPitch = 17;
inline constexpr int CellWidth = 17;
inline constexpr int CellHeight = 24;
inline constexpr int TypingCellOffset = 24;   // typing cell top below its model cell
inline constexpr int CellsPerRow = 57;        // the last one closes the row
inline constexpr int LongestRun = 56;         // letters a row can hold besides its row end
inline constexpr int AdvanceAfterHeading = 26;
inline constexpr int AdvanceAfterRow = 52;
inline constexpr int BottomMargin = 78;
// The largest text: cell indices and row tops stay within 16 bits. Longer texts are cut
// after the last whole row that fits.
inline constexpr int MaxCharCount = 32767;
inline constexpr int MaxRowTop = 32767;
} // namespace TextGeometry

// lblTitle(i): one character to type. At a display row's end it stands for CR LF, so its
// code is 13 and Enter is the key to type there.
struct TitleCell {
    char16_t ch;
    qint16 left;
    qint32 top;

    bool isRowEnd() const { return ch == u'\r'; }
};

// lblTyping(i): the typing cell under character i.
struct TypingCell {
    char16_t typed = 0;   // last key typed here; 0 shows nothing
    bool visible = false;
    bool cursor = false;  // cursor colour instead of the normal one
};

// lblSubTit(k): a heading row, shown whole and never typed.
struct SubTitle {
    QString caption;
    qint32 top;
};

// The laid-out text: light records instead of two widgets per character, so the largest
// text lays out in milliseconds. Indices are 1-based like the cells they name.
class PracticeText {
public:
    int CharCount() const { return static_cast<int>(titles_.size()); }
    int subTitleCount() const { return static_cast<int>(subTitles_.size()); }
    int height() const { return height_; }   // height of `picWd`
    // Indices kept in state (the cursor, the Enter tag) are checked against the text before use,
    // in every build: a stale one must never reach the records.
    bool contains(int i) const { return i >= 1 && i <= CharCount(); }

    const TitleCell& lblTitle(int i) const
    {
        Q_ASSERT(i >= 1 && i <= CharCount());
        return titles_[i - 1];
    }
    const TypingCell& lblTyping(int i) const
    {
        Q_ASSERT(i >= 1 && i <= CharCount());
        return typing_[i - 1];
    }
    TypingCell& lblTyping(int i)
    {
        Q_ASSERT(i >= 1 && i <= CharCount());
        return typing_[i - 1];
    }
    const SubTitle& lblSubTit(int k) const
    {
        Q_ASSERT(k >= 1 && k <= subTitleCount());
        return subTitles_[k - 1];
    }

    const std::vector<TitleCell>& titles() const { return titles_; }
    const std::vector<SubTitle>& subTitles() const { return subTitles_; }

    // Hides every typing cell and empties it; returns the highest index that was shown.
    int clearTypingRow();

private:
    friend PracticeText LayoutText(const QStringList& lines);
    std::vector<TitleCell> titles_;
    std::vector<TypingCell> typing_;
    std::vector<SubTitle> subTitles_;
    int height_ = TextGeometry::BottomMargin;
};

// Lays the lines out: a line holding a double-byte character becomes a heading row, every
// other line is broken into display rows of at most 57 cells. A blank line ends the text.
PracticeText LayoutText(const QStringList& lines);
