#include "dialogs/ChooserResult.h"
#include <QDir>

ChooserResult::ChooserResult(const QString& pathBefore)
    : SavedPath(pathBefore), TextFilePath(pathBefore)
{
}

void ChooserResult::choose(const QString& folder, const QString& fileName)
{
    TextFilePath = QDir(folder).filePath(fileName);
}

void ChooserResult::cancel()
{
    TextFilePath = SavedPath;
}
