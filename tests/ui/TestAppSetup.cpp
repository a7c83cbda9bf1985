#include "app/AppSetup.h"
#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(AppSetup, DesignFontsFindTheirDebianStandInsAndButtonsReadChinese)
{
    InstallFontSubstitutes(); // the test main does this too; twice must be harmless
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("標楷體"))).family(), "AR PL UKai TW");
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("新細明體"))).family(), "AR PL UMing TW");
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), "Liberation Sans");

    InstallTranslations(*qApp);
    QMessageBox box(QMessageBox::Information, "t", "x", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "確定");
}
