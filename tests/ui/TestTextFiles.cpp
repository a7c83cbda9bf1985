#include "Form1Fixture.h"
#include "content/TextFileReader.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {
struct TextFiles : Form1Test {
    QString write(const QString& name, const QByteArray& bytes, qint64 size = -1)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        EXPECT_TRUE(size < 0 || file.resize(size)); // sparse: takes no room on disk
        return file.fileName();
    }
    void open(const QString& path)
    {
        choice = path;
        item("mnuOpen")->trigger();
        EXPECT_FALSE(form.grab().isNull()); // the new text, if any, is painted
    }
    auto shown() { return std::tuple(form.windowTitle(), form.exercise().state().CharCount, control("cmdStart")->isEnabled()); }
    QTemporaryDir dir;
};
} // namespace

// Whatever the name, a file within the bounds loads and shows; its bytes' decoding is tested apart.
TEST_F(TextFiles, FilesLoadWhateverTheirBytesOrNamesAndACancelReloadsTheLastFromDisk)
{
    item("mnuOpen")->trigger(); // cancelled on first use: nothing to practise
    EXPECT_FALSE(control("cmdStart")->isEnabled());
    open(write("a\\b.txt", "   \r\n\r\n"));
    EXPECT_EQ(shown(), std::tuple(QString("Kelmora英打練習__"), 0, true));

    const std::pair<QString, QByteArray> files[] = {{"with space \"quoted\" 'single' 練習.txt", "abc"},
                                                    {"a\\b.txt", "  hello world\r\n\r\n第一課\n"}};
    for (const auto& [name, bytes] : files) {
        open(write(name, bytes));
        EXPECT_EQ(form.windowTitle(), "Kelmora英打練習__" + name);
        EXPECT_TRUE(form.exercise().state().CharCount > 0 && control("cmdStart")->isEnabled()) << name.toStdString();
    }

    write("a\\b.txt", "abc\n");
    choice.reset();
    item("mnuOpen")->trigger();
    EXPECT_EQ(form.exercise().state().CharCount, 3) << "a cancel reloads the last file, changes included";
}

TEST_F(TextFiles, RefusedFilesSayWhyAndLeaveTheEarlierTextCaptionAndStart)
{
    const QString fifo = dir.filePath("fifo.txt");
    const struct {
        const char* what;
        std::function<QString()> make;
        const char* says; // how the warning starts, %1 for the file's name
        const char* title = "Kelmora英打練習";
    } refused[] = {
        {"2001 lines", [&] { return write("long.txt", QByteArray("a\n").repeated(2001)); }, "「%1」有超過 2000 行文字"},
        {"4 GB sparse file of NULs", [&] { return write("sparse.txt", "ab\n", qint64(4) << 30); },
         "「%1」有一行超過一百萬個字元"},
        {"over four million characters", [&] { return write("big.txt", (QByteArray(1 << 20, 'y') + '\n').repeated(5)); },
         "「%1」的文字超過四百萬個字元"},
        {"link to /dev/zero", [&] { QFile::link("/dev/zero", dir.filePath("zero.txt")); return dir.filePath("zero.txt"); },
         "「%1」不是一般的檔案"},
        {"FIFO, no writer", [&] { mkfifo(qPrintable(fifo), 0600); return fifo; }, "「%1」不是一般的檔案"},
        // Root reads whatever the permissions say, but not this one.
        {"unreadable", [&] {
             const QString p = write("locked.txt", "ab");
             QFile::setPermissions(p, {});
             return geteuid() == 0 ? (QFile::remove(p), QFile::link("/proc/self/mem", p), p) : p;
         }, "無法讀取「%1」"},
        // Gone between choosing and reading: the box it always had.
        {"gone", [&] { const QString p = write("gone.txt", "ab"); return QFile::remove(p), p; },
         "找不到打字用的文字檔…\r\n請將編好的文字檔放置在程式目錄中。", "英打練習"},
    };
    open(write("base.txt", "earlier text\n"));
    const auto before = shown();
    ASSERT_EQ(std::get<1>(before), 12);
    for (const auto& [what, make, says, title] : refused) {
        const QString path = make();
        open(path);
        EXPECT_EQ(shown(), before) << what;
        ASSERT_EQ(messages.calls.size(), 1u) << what;
        const QString start = QString::fromUtf8(says).replace("%1", QFileInfo(path).fileName());
        EXPECT_EQ(messages.calls[0].text.left(start.size()), start) << what;
        EXPECT_EQ(std::pair(messages.calls[0].title, messages.calls[0].style),
                  std::pair(QString::fromUtf8(title), MessageStyle::Exclamation)) << what;
        messages.calls.clear();
    }
    // The one refusal the window cannot bring about: its Big5 codec missing.
    const TextFileLoad load = readTextFile(write("x.txt", "\xA4\x40 a"), "no-such-codec");
    EXPECT_EQ(load.status, TextFileLoad::Status::Big5CodecMissing);
}
