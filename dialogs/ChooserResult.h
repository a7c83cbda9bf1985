#pragma once
#include <QString>

// What the file chooser leaves in the program-wide path of the chosen text file.
// The path is the chooser's only result, so every way of closing it is decided here.
class ChooserResult {
public:
    // Remembers the path as it was when the chooser opened, for Cancel.
    explicit ChooserResult(QString& textFilePath);

    void fileClicked(const QString& folder, const QString& fileName);
    void fileDoubleClicked(const QString& folder, const QString& fileName);
    // OK and the close box keep whatever the last click chose.
    void ok() {}
    void closeBox() {}
    void cancel();

    // A volume's root path already ends in "/"; no second separator is added.
    static QString joinPath(const QString& folder, const QString& fileName);

private:
    QString& TextFilePath;
    const QString SavedPath;
};
