#include "dialogs/ChooserResult.h"

ChooserResult::ChooserResult(QString& textFilePath)
    : TextFilePath(textFilePath), SavedPath(textFilePath)
{
}

void ChooserResult::fileClicked(const QString& folder, const QString& fileName)
{
    TextFilePath = joinPath(folder, fileName);
}

void ChooserResult::fileDoubleClicked(const QString& folder, const QString& fileName)
{
    TextFilePath = joinPath(folder, fileName);
}

void ChooserResult::cancel()
{
    TextFilePath = SavedPath;
}

QString ChooserResult::joinPath(const QString& folder, const QString& fileName)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}
