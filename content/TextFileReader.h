#pragma once
#include "content/TextDecoder.h"
#include <QString>
#include <QStringList>

// Largest practice file read. Real practice texts are a few kilobytes (2000 lines at most);
// the cap keeps a huge or endless file from stalling the window or exhausting memory.
inline constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

struct TextFileLoad {
    // Big5CodecMissing: the file is (or may be) Big5 and this build cannot decode it.
    enum class Status { Loaded, NotFound, Big5CodecMissing, Failed };
    Status status = Status::Failed;
    QStringList lines;   // non-blank lines, trimmed of spaces, in file order (Loaded only)
    QString fileName;    // for the caption; empty when lines is empty
};

// Reads a practice-text file. NotFound when nothing exists at the path; Failed when it is not
// a regular file, is larger than kMaxTextFileBytes, cannot be read, or holds more than
// kMaxPracticeLines non-blank lines. big5Codec names the codec to read Big5 with (see
// DecodeText).
TextFileLoad ReadTextFile(const QString& path, const char* big5Codec = kBig5Codec);
