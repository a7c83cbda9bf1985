#include "app/AppSetup.h"
#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {
// The faces that really draw the text, run by run.
QStringList FacesDrawing(const QString& family, const QString& text)
{
    QTextLayout layout(text, QFont(family));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns())
        faces << run.rawFont().familyName().toLower();
    faces.sort();
    return faces;
}
} // namespace

TEST(AppSetup, DesignFontsFindTheirDebianStandInsAndButtonsReadChinese)
{
    InstallFontSubstitutes(); // the test main does this too; twice must be harmless
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("標楷體"))).family(), "AR PL UKai TW");
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), "Liberation Sans");
    EXPECT_EQ(FacesDrawing(QStringLiteral("新細明體"), QStringLiteral("Ctrl 小指")),
              QStringList({"ar pl uming tw", "liberation serif"}));

    InstallTranslations(*qApp);
    QMessageBox box(QMessageBox::Information, "t", "x", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "確定");
}
