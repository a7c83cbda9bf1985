#include "Form1Fixture.h"
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {
class TextFiles : public Form1Test {
protected:
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

// Whatever the bytes (their decoding is tested apart) and the name, a file within the bounds loads and shows.
TEST_F(TextFiles, FilesLoadWhateverTheirBytesOrNamesAndACancelReloadsTheLastFromDisk)
{
    item("mnuOpen")->trigger(); // cancelled on first use: nothing to practise
    EXPECT_FALSE(control("cmdStart")->isEnabled());
    open(write("a\\b.txt", "   \r\n\r\n"));
    EXPECT_EQ(shown(), std::tuple(QString("Kelmora英打練習__"), 0, true));

    QByteArray binary(64 * 1024, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(binary.data()), binary.size() / 4);
    for (const auto& [name, bytes] : {std::pair<QString, QByteArray>("binary.bin", binary),
             {"with space \"quoted\" 'single' 練習.txt", "abc"}, {"a\\b.txt", "  hello world\r\n\r\n第一課\n"}}) {
        open(write(name, bytes));
        EXPECT_EQ(form.windowTitle(), "Kelmora英打練習__" + name);
        EXPECT_TRUE(form.exercise().state().CharCount > 0 && control("cmdStart")->isEnabled()) << name.toStdString();
    }
    EXPECT_TRUE(messages.calls.empty());

    write("a\\b.txt", "abc\n");
    choice.reset();
    item("mnuOpen")->trigger();
    EXPECT_EQ(form.exercise().state().CharCount, 3) << "a cancel reloads the last file, changes included";
}

// Nothing is loaded and nothing is lost; only a missing file is reported.
TEST_F(TextFiles, RefusedFilesLeaveTheEarlierTextCaptionAndStart)
{
    const QString fifo = dir.filePath("fifo.txt");
    const std::pair<const char*, std::function<QString()>> refused[] = {
        {"4 GB sparse file of NULs", [&] { return write("sparse.txt", "ab\n", qint64(4) << 30); }},
        {"link to /dev/zero", [&] { QFile::link("/dev/zero", dir.filePath("zero.txt")); return dir.filePath("zero.txt"); }},
        {"FIFO, no writer", [&] { mkfifo(QFile::encodeName(fifo).constData(), 0600); return fifo; }},
        {"directory", [&] { QDir(dir.path()).mkdir("x.txt"); return dir.filePath("x.txt"); }},
        {"unreadable after choosing",
         [&] { const QString p = write("locked.txt", "ab"); QFile::setPermissions(p, {}); return p; }},
        {"vanished after choosing", [&] { const QString p = write("gone.txt", "ab"); QFile::remove(p); return p; }},
    };
    open(write("base.txt", "earlier text\n"));
    const auto before = shown();
    ASSERT_EQ(std::get<1>(before), 12);
    for (const auto& [what, make] : refused) {
        if (std::string(what).starts_with("unreadable") && geteuid() == 0)
            continue; // root reads whatever the permissions say
        open(make());
        EXPECT_EQ(shown(), before) << what;
        EXPECT_EQ(messages.calls.size(), std::string(what).starts_with("vanished") ? 1u : 0u) << what;
    }
}
