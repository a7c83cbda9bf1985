#pragma once
#include "dialogs/ChooserResult.h"
#include <QDialog>

class MessageBoxService;
class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;

// The program's own chooser for a practice-text file: a volume list, the volume's folder tree
// and the "*.txt" files of the chosen folder. Made afresh for every use and shown modally; its
// only result is the path handed to the constructor (see ChooserResult for what each way of
// closing leaves there).
class frmOpen : public QDialog {
    Q_OBJECT
public:
    frmOpen(QString& textFilePath, MessageBoxService& messages, QWidget* parent = nullptr);

    // Esc and the window's close box both end here and keep the last file clicked.
    void reject() override;

private:
    void buildControls();
    void fillDrives(const QString& startRoot);
    void showVolume(const QString& root, const QString& folder);
    void selectFolder(const QString& folder);
    void reportUnreadable();

    void Drive1_Change(int index);
    void Dir1_Change(const QModelIndex& current);
    void File1_Click();
    void File1_DblClick(const QModelIndex& index);
    void txtFileName_Change(const QString& text);
    void OKButton_Click();
    void CancelButton_Click();

    ChooserResult result_;
    MessageBoxService& messages_;
    QString volumeRoot_;
    QString folder_;       // the folder list's path; clicked files are taken from it
    bool moving_ = false;  // the code itself is moving the folder list
    bool followCurrent_ = true;  // keep the current folder in view until the user scrolls

    QFileSystemModel* dirModel_ = nullptr;
    QSortFilterProxyModel* dirFilter_ = nullptr;  // limits the tree to one volume
    QFileSystemModel* fileModel_ = nullptr;

    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QListView* File1 = nullptr;
    QLineEdit* txtFileName = nullptr;
};
