#pragma once
#include "dialogs/ChooserResult.h"
#include <QDialog>

class MessageBoxService;
class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QModelIndex;
class QPushButton;
class QTreeView;

// The program's own chooser for a practice-text file: mount points as shortcuts, the folder tree
// of the whole file system and the "*.txt" files of the chosen folder. Made afresh for every use
// and shown with exec(); textFilePath() is its result (see ChooserResult for each way of closing).
class frmOpen : public QDialog {
    Q_OBJECT
public:
    // textFilePath: the path as it is when the chooser opens, given back after Cancel.
    frmOpen(const QString& textFilePath, MessageBoxService& messages, QWidget* parent = nullptr);

    QString textFilePath() const { return result_.textFilePath(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void fillDrives();
    void showFolder(const QString& folder);
    void showFiles(const QString& folder);
    void showDriveOf(const QString& folder);
    void reportUnreadable();

    void Drive1_Change(int index);
    void Dir1_Change(const QModelIndex& current);
    void File1_Click();
    void File1_DblClick(const QString& fileName);
    void txtFileName_Change(const QString& text);
    void OKButton_Click();
    void CancelButton_Click();

    ChooserResult result_;
    MessageBoxService& messages_;
    QString folder_;  // the folder whose files File1 lists; chosen files are taken from it
    bool following_ = false;  // keep Dir1's current folder in view while the tree fills

    QFileSystemModel* dirModel_ = nullptr;

    QPushButton* OKButton_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
    QComboBox* Drive1_ = nullptr;
    QTreeView* Dir1_ = nullptr;
    QListWidget* File1_ = nullptr;
    QLineEdit* txtFileName_ = nullptr;
};
