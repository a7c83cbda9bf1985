#pragma once
#include "content/TextDecoder.h"
#include <QString>
#include <QStringList>

struct TextFileLoad {
    // Loaded, or why not: nothing at the path; a folder, device or pipe; a file that cannot be
    // opened or read; or the decoder's reasons (see PracticeLines).
    enum class Status { Loaded, NotFound, NotAFile, Unreadable, Big5CodecMissing, TooManyLines, LineTooLong, TextTooLong };
    Status status = Status::Unreadable;
    QStringList lines;   // non-blank lines, trimmed of spaces, in file order (Loaded only)
    QString fileName;    // for the caption; empty when lines is empty
};

// Reads a practice-text file (see TextDecoder), whatever its size, only as far as its outcome
// needs.
TextFileLoad readTextFile(const QString& path, const char* big5Codec = Big5Codec);
