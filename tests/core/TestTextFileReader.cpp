#include "content/TextFileReader.h"
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
using Status = TextFileLoad::Status;

class TextFileReader : public testing::Test {
protected:
    QString Write(const QByteArray& bytes, const QString& name = "x.txt")
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QTemporaryDir dir;
};
} // namespace

TEST_F(TextFileReader, LoadsTrimmedNonBlankLinesAndTheWholeName)
{
    const QByteArray big5 = QStringEncoder(kBig5Codec)(QString::fromUtf8("  第一課 英打\r\n\r\nasdf  "));
    for (const char* name : {"lesson1.txt", "a\\b.txt"}) {
        const TextFileLoad load = ReadTextFile(Write(big5, name));
        EXPECT_EQ(load.status, Status::Loaded);
        EXPECT_EQ(load.lines, (QStringList{QString::fromUtf8("第一課 英打"), "asdf"}));
        EXPECT_EQ(load.fileName, name);
    }
    for (const QByteArray& blank : {QByteArray(), QByteArray("  \r\n\r\n \n")}) {
        const TextFileLoad load = ReadTextFile(Write(blank));
        EXPECT_EQ(load.status, Status::Loaded);
        EXPECT_TRUE(load.lines.isEmpty() && load.fileName.isEmpty());
    }
}

TEST_F(TextFileReader, ReadsOnAcrossItsChunksAndClosesTheFileWhateverHappens)
{
    const int openBefore = QDir("/proc/self/fd").count();
    EXPECT_EQ(ReadTextFile(dir.filePath("none.txt")).status, Status::NotFound);
    // 71-byte lines: a 64 KiB read ends inside a Big5 character.
    const QString line = QString::fromUtf8("練習") + QString(65, u'a');
    const QByteArray lines = QByteArray(QStringEncoder(kBig5Codec)(line + "\r\n")).repeated(kMaxPracticeLines);
    EXPECT_EQ(ReadTextFile(Write(lines)).lines, QStringList(kMaxPracticeLines, line));
    EXPECT_EQ(ReadTextFile(Write(lines + "b")).status, Status::Failed);
    EXPECT_EQ(ReadTextFile(Write(QByteArray(kMaxLineChars + 1, 'x'))).status, Status::Failed);
    EXPECT_EQ(ReadTextFile(Write("\xA4\x40 a"), "no-such-codec").status, Status::Big5CodecMissing);
    EXPECT_EQ(QDir("/proc/self/fd").count(), openBefore);
}
