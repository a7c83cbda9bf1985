#include "content/WindowCaption.h"

namespace {
QString Prefix() { return QStringLiteral("Kelmora英打練習"); }
}

QString CaptionForMenuItem(const QString& itemCaption) { return Prefix() + u'_' + itemCaption; }
QString CaptionForWarmUp(const QString& suffix) { return Prefix() + suffix; }
QString CaptionForFile(const QString& fileName) { return Prefix() + QStringLiteral("__") + fileName; }
