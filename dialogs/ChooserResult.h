#pragma once
#include <QString>

// What the file chooser hands back: the path of the practice-text file to load. Every way of
// closing the chooser is decided here; OK, Esc and the close box keep whatever was chosen last.
class ChooserResult {
public:
    // The path as it was when the chooser opened, kept for Cancel.
    explicit ChooserResult(const QString& pathBefore);

    // A click or a double-click on a file of the file list.
    void choose(const QString& folder, const QString& fileName);
    void cancel();

    const QString& textFilePath() const { return TextFilePath; }

private:
    QString SavedPath;
    QString TextFilePath;
};
