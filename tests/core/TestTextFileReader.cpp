#include "content/TextFileReader.h"
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using Status = TextFileLoad::Status;

class TextFileReader : public testing::Test {
protected:
    QString Write(const QByteArray& bytes, qint64 size = -1, const QString& name = "x.txt")
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        EXPECT_TRUE(size < 0 || file.resize(size)); // sparse: takes no room on disk
        return file.fileName();
    }
    QTemporaryDir dir;
};
} // namespace

TEST_F(TextFileReader, LoadsTrimmedNonBlankLinesAndTheWholeName)
{
    const QByteArray big5 = QStringEncoder(kBig5Codec)(QString::fromUtf8("  第一課 英打\r\n\r\nasdf  "));
    for (const char* name : {"lesson1.txt", "a\\b.txt"}) {
        const TextFileLoad load = ReadTextFile(Write(big5, -1, name));
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

TEST_F(TextFileReader, EachTroubleHasItsOwnStatus)
{
    EXPECT_EQ(ReadTextFile(dir.filePath("none.txt")).status, Status::NotFound);
    const QByteArray lines = QByteArray("a\r\n  \r\n").repeated(kMaxPracticeLines);
    EXPECT_EQ(ReadTextFile(Write(lines)).lines.size(), kMaxPracticeLines);
    EXPECT_EQ(ReadTextFile(Write(lines + "b")).status, Status::Failed);

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.txt"));
    EXPECT_EQ(ReadTextFile(dir.filePath("folder.txt")).status, Status::Failed);
    if (geteuid() != 0) { // root reads whatever the permissions say
        const QString locked = Write("abc", -1, "locked.txt");
        ASSERT_TRUE(QFile::setPermissions(locked, {}));
        EXPECT_EQ(ReadTextFile(locked).status, Status::Failed);
    }

    // Huge, endless or blocking files must come back, not hang or fill memory.
    EXPECT_EQ(ReadTextFile(Write({}, kMaxTextFileBytes + 1)).status, Status::Failed);
    EXPECT_EQ(ReadTextFile(Write({}, kMaxTextFileBytes)).status, Status::Loaded);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.txt")));
    EXPECT_EQ(ReadTextFile(dir.filePath("zero.txt")).status, Status::Failed);
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("fifo.txt")).constData(), 0600), 0);
    EXPECT_EQ(ReadTextFile(dir.filePath("fifo.txt")).status, Status::Failed);
    EXPECT_EQ(ReadTextFile(Write("\xA4\x40 a"), "no-such-codec").status, Status::Big5CodecMissing);
}
