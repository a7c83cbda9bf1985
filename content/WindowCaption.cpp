#include "content/WindowCaption.h"
#include "platform/ProgramInfo.h"


QString CaptionForMenuItem(const QString& itemCaption) { return ProgramTitle() + u'_' + itemCaption; }
QString CaptionForWarmUp(const QString& suffix) { return ProgramTitle() + suffix; }
QString CaptionForFile(const QString& fileName) { return ProgramTitle() + QStringLiteral("__") + fileName; }
