#pragma once
#include "content/TextDecoder.h"
#include <QString>
#include <QStringList>

struct TextFileLoad {
    // Big5CodecMissing: the file is (or may be) Big5 and this build cannot decode it.
    enum class Status { Loaded, NotFound, Big5CodecMissing, Failed };
    Status status = Status::Failed;
    QStringList lines;   // non-blank lines, trimmed of spaces, in file order (Loaded only)
    QString fileName;    // for the caption; empty when lines is empty
};

// Reads a practice-text file (see TextDecoder), whatever its size, only as far as its outcome
// needs. NotFound when nothing exists at the path; Failed when it is not a regular file, cannot
// be read, holds more than kMaxPracticeLines non-blank lines or passes kMaxLineChars or
// kMaxTextChars. big5Codec names the codec to read Big5 with.
TextFileLoad ReadTextFile(const QString& path, const char* big5Codec = kBig5Codec);
