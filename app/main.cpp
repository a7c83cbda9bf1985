#include "app/AppSetup.h"
#include "app/Form1.h"
#include "platform/QtCapsLock.h"
#include "platform/QtMessageBox.h"
#include "platform/QtWebOpener.h"
#include "platform/SteadyClock.h"
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelmora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.kelmora")); // the menu entry's icon and name
    installFontSubstitutes();
    installTranslations(app);

    SteadyClock clock;
    QtMessageBox messages;
    QtCapsLock capsLock;
    QtWebOpener web;
    Form1 window({messages, clock, capsLock, web});
    messages.setParentWindow(&window);
    window.show();
    return QApplication::exec();
}
