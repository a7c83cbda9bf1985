#include "content/TextFileReader.h"
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Trimming, bounds and encodings are the decoder's tests, file names the window's.
TEST(TextFileReader, ReadsOnAcrossItsChunksAndClosesTheFileWhateverHappens)
{
    using Status = TextFileLoad::Status;
    QTemporaryDir dir;
    const auto write = [&](const QByteArray& bytes) {
        QFile file(dir.filePath("x.txt"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const int openBefore = QDir("/proc/self/fd").count();
    EXPECT_EQ(ReadTextFile(dir.filePath("none.txt")).status, Status::NotFound);
    // 71-byte lines: a 64 KiB read ends inside a Big5 character.
    const QString line = QString::fromUtf8("練習") + QString(65, u'a');
    const QByteArray lines = QByteArray(QStringEncoder(kBig5Codec)(line + "\r\n")).repeated(kMaxPracticeLines);
    EXPECT_EQ(ReadTextFile(write(lines)).lines, QStringList(kMaxPracticeLines, line));
    EXPECT_EQ(ReadTextFile(write(QByteArray(kMaxLineChars + 1, 'x'))).status, Status::Failed);
    EXPECT_EQ(ReadTextFile(write("\xA4\x40 a"), "no-such-codec").status, Status::Big5CodecMissing);
    EXPECT_EQ(QDir("/proc/self/fd").count(), openBefore);
}
