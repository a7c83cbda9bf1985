#include "content/WindowCaption.h"
#include "platform/ProgramInfo.h"


QString captionForMenuItem(const QString& itemCaption) { return programTitle() + u'_' + itemCaption; }
QString captionForWarmUp(const QString& suffix) { return programTitle() + suffix; }
QString captionForFile(const QString& fileName) { return programTitle() + QStringLiteral("__") + fileName; }
