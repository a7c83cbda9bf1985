#include "platform/QtWebOpener.h"
#include <QDesktopServices>
#include <QUrl>

void QtWebOpener::open(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}
