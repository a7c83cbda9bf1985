#include "dialogs/ChooserResult.h"
#include <QDir>

ChooserResult::ChooserResult(const QString& pathBefore)
    : SavedPath_(pathBefore), TextFilePath_(pathBefore)
{
}

void ChooserResult::choose(const QString& folder, const QString& fileName)
{
    TextFilePath_ = QDir(folder).filePath(fileName);
}

void ChooserResult::cancel()
{
    TextFilePath_ = SavedPath_;
}

QString driveOfFolder(const QStringList& drives, const QString& folder)
{
    QString found;
    for (const QString& drive : drives) {
        const bool holds = folder == drive
            || (folder.startsWith(drive) && (drive.endsWith(u'/') || folder.at(drive.size()) == u'/'));
        if (holds && drive.size() > found.size())
            found = drive;
    }
    return found;
}
