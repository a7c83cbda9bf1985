#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Most non-blank lines a practice text may hold.
inline constexpr qsizetype kMaxPracticeLines = 2000;

// Qt's name of code page 950 (Big5), the encoding the practice files were written in. ICU's
// Windows table: "cp950" is an IBM variant that disagrees on several characters.
inline constexpr char kBig5Codec[] = "windows-950";

// Text of a practice file, without NUL characters (no key types them):
// - a byte-order mark selects UTF-8, UTF-16LE or UTF-16BE and is dropped;
// - without one, taking the bytes in pairs, NULs in at least half of the second bytes and under
//   a quarter of the first mark UTF-16LE (the other way round, BE): English text in UTF-16 has
//   a NUL beside each letter;
// - bytes that are valid UTF-8 read as UTF-8, unless every non-ASCII character they give is a
//   2-byte one (U+0080 to U+07FF) and they are also valid Big5: Chinese in UTF-8 takes 3 bytes
//   a character, while many Big5 characters happen to form 2-byte UTF-8 sequences;
// - anything else reads as Big5.
// Nothing when the bytes would read as Big5 (or could) and this build has no codec named
// big5Codec.
std::optional<QString> DecodeText(const QByteArray& bytes, const char* big5Codec = kBig5Codec);

// The non-blank lines of a text, trimmed of spaces (not tabs), in order. CR, LF and CR LF each
// end a line. A text with more than kMaxPracticeLines such lines gives an empty list and sets
// *tooMany; tooMany may be null.
QStringList SplitPracticeLines(const QString& text, bool* tooMany);
