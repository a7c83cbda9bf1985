#include "dialogs/frmOpen.h"
#include "doubles/FakeMessageBox.h"
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTreeView>
#include <functional>
#include <memory>

namespace {

// The file system models fill in on a worker thread.
bool waitUntil(const std::function<bool()>& done)
{
    for (QDeadlineTimer deadline(5000); !done(); QThread::msleep(5)) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents();
    }
    return true;
}

// The parent is kept persistent: rows arriving meanwhile make the folder proxy re-map its indexes.
QModelIndex rowNamed(QAbstractItemView* view, const QPersistentModelIndex& parent, const char* name)
{
    QModelIndex found;
    waitUntil([&] {
        const QModelIndexList hits = view->model()->match(view->model()->index(0, 0, parent), Qt::DisplayRole,
                                                          QString::fromUtf8(name), 1, Qt::MatchExactly);
        found = hits.value(0);
        return found.isValid();
    });
    return found;
}

class FrmOpenTest : public testing::Test {
protected:
    void SetUp() override
    {
        QDir dir(folder.path());
        dir.mkdir(QStringLiteral("sub"));
        dir.mkdir(QStringLiteral("empty"));
        for (const char* name : {"a.txt", "B.TXT", "c.doc", "sub/d.txt"})
            QFile(dir.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly);
        QDir::setCurrent(folder.path());
        here = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(previous); }

    void open(QString& path)
    {
        dialog = std::make_unique<frmOpen>(path, messages);
        dialog->show();
        waitUntil([this] { return fileNames().size() >= 2; });
    }
    template <class T> T* child(const char* name) { return dialog->findChild<T*>(QString::fromUtf8(name)); }
    QListView* files() { return child<QListView>("File1"); }
    QTreeView* dirs() { return child<QTreeView>("Dir1"); }
    QString currentFolder() { return dirs()->currentIndex().data(QFileSystemModel::FilePathRole).toString(); }
    QString inHere(const char* name) { return here + QLatin1Char('/') + QString::fromUtf8(name); }

    QStringList fileNames()
    {
        QStringList names;
        for (int row = 0; row < files()->model()->rowCount(files()->rootIndex()); ++row)
            names << files()->model()->index(row, 0, files()->rootIndex()).data().toString();
        names.sort();
        return names;
    }

    void clickFile(const char* name, bool twice = false)
    {
        const QModelIndex index = rowNamed(files(), files()->rootIndex(), name);
        ASSERT_TRUE(index.isValid()) << name;
        files()->scrollTo(index);
        const QPoint at = files()->visualRect(index).center();
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(files()->viewport(), Qt::LeftButton, {}, at);
    }

    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QString here;
    FakeMessageBox messages;
    std::unique_ptr<frmOpen> dialog;
};

TEST_F(FrmOpenTest, StartsInTheCurrentFolderAndAClickChoosesAFileAndFocusesOk)
{
    QString path;
    open(path);
    EXPECT_EQ(fileNames(), QStringList({QStringLiteral("B.TXT"), QStringLiteral("a.txt")}));
    EXPECT_EQ(currentFolder(), here);
    EXPECT_EQ(child<QComboBox>("Drive1")->currentData().toString(), QStorageInfo(here).rootPath());
    EXPECT_EQ(child<QPushButton>("OKButton")->geometry(), QRect(400, 208, 81, 25));
    EXPECT_FALSE(child<QPushButton>("OKButton")->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), child<QPushButton>("CancelButton"));

    clickFile("a.txt");
    EXPECT_EQ(child<QLineEdit>("txtFileName")->text(), QStringLiteral("a.txt"));
    EXPECT_TRUE(child<QPushButton>("OKButton")->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), child<QPushButton>("OKButton"));
    EXPECT_EQ(path, inHere("a.txt"));
}

TEST_F(FrmOpenTest, EachWayOfClosingLeavesThePathItShould)
{
    QString path = QStringLiteral("/old/x.txt");
    open(path);
    clickFile("a.txt");
    child<QPushButton>("CancelButton")->click();
    EXPECT_EQ(path, QStringLiteral("/old/x.txt"));

    open(path);
    clickFile("a.txt");
    clickFile("B.TXT");
    child<QPushButton>("OKButton")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(path, inHere("B.TXT"));

    open(path);
    clickFile("a.txt");
    dialog->close();
    EXPECT_EQ(path, inHere("a.txt")) << "the close box keeps the click";

    open(path);
    clickFile("B.TXT");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(path, inHere("B.TXT")) << "Esc acts as the close box";

    open(path);
    clickFile("a.txt", true);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(path, inHere("a.txt"));
}

TEST_F(FrmOpenTest, FoldersListTheirFilesAndAnUnreadableOneIsReportedAndLeftUnselected)
{
    // A link whose target goes after listing cannot be read even by root, who ignores chmod.
    auto elsewhere = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(QFile::link(elsewhere->path(), inHere("gone")));
    QString path;
    open(path);
    const QModelIndex gone = rowNamed(dirs(), dirs()->currentIndex(), "gone");
    ASSERT_TRUE(gone.isValid());
    elsewhere.reset();
    dirs()->setCurrentIndex(gone);
    ASSERT_TRUE(waitUntil([this] { return !messages.calls.empty(); }));
    EXPECT_EQ(messages.calls.front().title, QStringLiteral("Kelmora英打練習"));
    EXPECT_EQ(messages.calls.front().style, MessageStyle::Exclamation);
    EXPECT_EQ(currentFolder(), here);
    EXPECT_EQ(fileNames().size(), 2);

    dirs()->setCurrentIndex(rowNamed(dirs(), dirs()->currentIndex(), "empty"));
    EXPECT_TRUE(fileNames().isEmpty());
    EXPECT_FALSE(child<QPushButton>("OKButton")->isEnabled());

    dirs()->setCurrentIndex(rowNamed(dirs(), dirs()->currentIndex().parent(), "sub"));
    clickFile("d.txt");
    EXPECT_EQ(path, inHere("sub/d.txt"));
}

} // namespace
