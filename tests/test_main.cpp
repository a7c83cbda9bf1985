#include <gtest/gtest.h>

#ifdef KELMORA_GUI_TESTS
#include <QApplication>
#include "app/AppSetup.h"
#else
#include <QCoreApplication>
#endif

int main(int argc, char** argv)
{
    // Tests never open a window on the developer's screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
#ifdef KELMORA_GUI_TESTS
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // tests close windows without ending
    installFontSubstitutes();
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
