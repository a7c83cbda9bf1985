#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Most non-blank lines a practice text may hold.
inline constexpr qsizetype kMaxPracticeLines = 2000;

// Text of a practice file. A byte-order mark selects UTF-8 or UTF-16 and is dropped; without
// one, bytes that are entirely valid UTF-8 read as UTF-8 and anything else as code page 950
// (Big5), the encoding the practice files were written in.
QString DecodeText(const QByteArray& bytes);

// The non-blank lines of a text, trimmed of spaces (not tabs), in order. CR, LF and CR LF each
// end a line. A text with more than kMaxPracticeLines such lines gives an empty list and sets
// *tooMany; tooMany may be null.
QStringList SplitPracticeLines(const QString& text, bool* tooMany);
