#include "dialogs/frmOpen.h"
#include "doubles/FakeMessageBox.h"
#include <gtest/gtest.h>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>

namespace {

struct FrmOpenTest : testing::Test {
    void SetUp() override
    {
        QDir dir(folder.path());
        dir.mkdir(QStringLiteral("sub")), dir.mkdir(QStringLiteral("empty"));
        for (const char* name : {"apple.txt", "mango.txt", "zebra.TXT", "notes.doc", "sub/d.txt"})
            QFile(dir.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly);
        QDir::setCurrent(folder.path());
        here = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(previous); }
    void open(const QString& path = {}) { (dialog = std::make_unique<frmOpen>(path, messages))->show(); }
    template <class T> T* child(const char* name) { return dialog->findChild<T*>(QString::fromUtf8(name)); }
    QListWidget* files() { return child<QListWidget>("File1"); }
    QTreeView* dirs() { return child<QTreeView>("Dir1"); }
    QPushButton* ok() { return child<QPushButton>("OKButton"); }
    QString inHere(const char* name) { return here + QLatin1Char('/') + QString::fromUtf8(name); }

    static QStringList names(const QAbstractItemModel& model, const QModelIndex& parent = {})
    {
        QStringList found;
        for (int row = 0; row < model.rowCount(parent); ++row)
            found << model.index(row, 0, parent).data().toString();
        return found;
    }
    void clickFile(const char* name)
    {
        const QList<QListWidgetItem*> found = files()->findItems(QString::fromUtf8(name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, files()->visualItemRect(found.first()).center());
    }

    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QString here;
    FakeMessageBox messages;
    std::unique_ptr<frmOpen> dialog;
};

TEST_F(FrmOpenTest, StartsInTheCurrentFolderIfThereIsOneAndAClickOrAKeyChoosesAFile)
{
    open();
    EXPECT_EQ(names(*files()->model()).join(u' '), u"apple.txt mango.txt zebra.TXT");
    EXPECT_EQ(dirs()->currentIndex().data(QFileSystemModel::FilePathRole).toString(), here);
    // The drive shown is the deepest listed one holding the folder.
    for (const auto& [path, drive] : {std::pair("/media/usb/a", "/media/usb"), {"/media/usb", "/media/usb"},
                                      {"/media/usb2/a", "/media"}, {"/home/a", "/"}, {"/", "/"}})
        EXPECT_EQ(driveOfFolder({"/media", "/", "/media/usb"}, path), drive) << path;
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), child<QPushButton>("CancelButton"));

    clickFile("mango.txt");
    EXPECT_EQ(child<QLineEdit>("txtFileName")->text(), QStringLiteral("mango.txt"));
    EXPECT_EQ(dialog->focusWidget(), ok());
    EXPECT_EQ(dialog->textFilePath(), inHere("mango.txt"));
    // The arrow keys leave the focus on OK, so Enter opens the file the name box shows.
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left}) {
        QTest::keyClick(ok(), key);
        EXPECT_EQ(dialog->focusWidget(), ok()) << key;
    }

    QTest::keyClick(files(), Qt::Key_Down);
    EXPECT_EQ(dialog->textFilePath(), inHere("zebra.TXT"));

    // A start folder that no longer exists lists no files.
    QDir::setCurrent(inHere("empty"));
    QDir(here).rmdir(QStringLiteral("empty"));
    open();
    EXPECT_TRUE(!dirs()->currentIndex().isValid() && files()->count() == 0);
}

TEST_F(FrmOpenTest, EachWayOfClosingLeavesThePathItShould)
{
    // Cancel restores the path from before; Esc (as the close box) keeps the last click, if there was one.
    const QString before = QStringLiteral("/old/x.txt");
    for (const auto& [clicked, cancel] : {std::pair("apple.txt", true), {"apple.txt", false}, {"", false}}) {
        open(before);
        if (*clicked)
            clickFile(clicked);
        cancel ? child<QPushButton>("CancelButton")->click() : QTest::keyClick(dialog.get(), Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->textFilePath(), *clicked && !cancel ? inHere(clicked) : before) << clicked << cancel;
    }
    // A double-click as the view reports it, on a file other than the one clicked last.
    open(before);
    clickFile("apple.txt");
    emit files()->itemDoubleClicked(files()->item(2));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->textFilePath(), inHere("zebra.TXT"));

    // OK on the file clicked last, even once it has vanished or been renamed.
    open(before);
    clickFile("apple.txt");
    clickFile("mango.txt");
    ASSERT_TRUE(QFile::rename(inHere("mango.txt"), inHere("renamed.txt")));
    // Once the tree shows a folder made after the rename, the dialog has seen the folder change.
    QDir(here).mkdir(QStringLiteral("later"));
    const QPersistentModelIndex start = dirs()->currentIndex();
    ASSERT_TRUE(QTest::qWaitFor([&] { return names(*dirs()->model(), start).contains(QStringLiteral("later")); }));
    EXPECT_EQ(child<QLineEdit>("txtFileName")->text(), QStringLiteral("mango.txt"));
    ok()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->textFilePath(), inHere("mango.txt"));
}

TEST_F(FrmOpenTest, ArrowKeysMoveOnPastAnUnreadableFolderOnceItIsReported)
{
    // A link whose target goes after listing cannot be read even by root, who ignores chmod.
    auto elsewhere = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(QFile::link(elsewhere->path(), inHere("gone")));
    open();
    const QPersistentModelIndex start = dirs()->currentIndex();
    ASSERT_TRUE(QTest::qWaitFor([&] { return names(*dirs()->model(), start).join(u' ') == u"empty gone sub"; }));
    elsewhere.reset();

    dirs()->setCurrentIndex(dirs()->model()->index(0, 0, start));
    QTest::keyClick(dirs(), Qt::Key_Down);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.calls.empty(); }));

    QTest::keyClick(dirs(), Qt::Key_Down);
    EXPECT_EQ(dirs()->currentIndex().data(QFileSystemModel::FilePathRole).toString(), inHere("sub"));
    clickFile("d.txt");
    EXPECT_EQ(dialog->textFilePath(), inHere("sub/d.txt"));
    EXPECT_EQ(messages.calls.size(), 1u);
}

} // namespace
