#pragma once
#include <QString>
#include <QStringList>

// What the file chooser hands back: the path of the practice-text file to load. Every way of
// closing the chooser is decided here; OK, Esc and the close box keep whatever was chosen last.
class ChooserResult {
public:
    // The path as it was when the chooser opened, kept for Cancel.
    explicit ChooserResult(const QString& pathBefore);

    // A click or a double-click on a file of the file list.
    void choose(const QString& folder, const QString& fileName);
    void cancel();

    const QString& textFilePath() const { return TextFilePath_; }

private:
    QString SavedPath_;
    QString TextFilePath_;
};

// The drive list's entry for a folder: the deepest of the listed mount points that holds it.
// Asking the system for the folder's own mount point instead can name one the list leaves out
// (one not ready, or in a chroot a folder of the host), and the list would then show no drive.
QString driveOfFolder(const QStringList& drives, const QString& folder);
