#include "Form1Fixture.h"
#include "app/AppSetup.h"
#include "assets/fonts/SubsetFonts.h"
#include "content/WarmUpSets.h"
#include "dialogs/frmOpen.h"
#include "dialogs/frmPosture.h"
#include "dialogs/frmSplash.h"
#include "exercise/Summary.h"
#include "keyboard/KeyTable.h"
#include "keyboard/PanelMarks.h"
#include <QFontInfo>
#include <QGlyphRun>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QTextLayout>

// The cut-down Ming face is gathered from the sources' literals; this reads what the program
// really shows, so a caption put together at run time or from elsewhere cannot miss a glyph.
TEST_F(Form1Test, DesignFontsFindTheirStandInsAndTheCutDownMingFaceHoldsEveryCharacterShown)
{
    // The faces that really draw the text, run by run.
    const auto facesDrawing = [](const QString& family, const QString& text) {
        QTextLayout layout(text, QFont(family));
        layout.beginLayout(), layout.createLine(), layout.endLayout();
        QStringList faces;
        for (const QGlyphRun& run : layout.glyphRuns())
            faces << run.rawFont().familyName().toLower();
        faces.sort();
        return faces;
    };
    EXPECT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans");
    EXPECT_EQ(facesDrawing("新細明體", "Ctrl 小指"), QStringList({"kelmora ming", "liberation serif"}));
    // A character the interface never shows (a file's heading) comes from the whole face.
    EXPECT_EQ(facesDrawing("新細明體", "鬱"), QStringList({"ar pl uming tw"}));
    EXPECT_EQ(facesDrawing("標楷體", "a鬱"), QStringList({"ar pl ukai tw", "kelmora kai"}));

    frmSplash about(web);
    frmPosture posture;
    frmOpen chooser(QString(), messages);
    form.exercise().start(); // with no text: the message asking for one
    installTranslations(*qApp);
    QMessageBox box(QMessageBox::Information, "t", "x", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "確定");
    QStringList texts{summaryFor({.CharCount = 30, .RightCount = 30, .ElapsedSeconds = 30}).text,
                      box.button(QMessageBox::Ok)->text()};
    for (const auto& call : messages.calls)
        texts << call.text;
    for (const QWidget* window : std::initializer_list<const QWidget*>{&form, &about, &posture, &chooser})
        for (const QObject* object : window->findChildren<QObject*>())
            for (const char* property : {"text", "title", "toolTip", "windowTitle"})
                texts << object->property(property).toString();
    for (const KeyLegends& key : KeyLegendTable)
        texts << QString::fromUtf16(key.upper.text) << QString::fromUtf16(key.lower.text);
    for (const auto& swatch : PanelMarks::FingerLegend)
        texts << QString::fromUtf16(swatch.caption);
    for (const auto& callout : PanelMarks::BaseKeyCallouts)
        texts << QString::fromUtf16(callout.caption);
    for (int set = 0; set < WarmUpSetCount; ++set)
        texts << warmUpLines(set);

    const std::span<const unsigned char> ming = subsetFonts()[0].data;
    const QRawFont cut(QByteArray::fromRawData(reinterpret_cast<const char*>(ming.data()), qsizetype(ming.size())), 12);
    const QRawFont latin = QRawFont::fromFont(QFont(QStringLiteral("Liberation Serif")));
    ASSERT_EQ(cut.familyName(), "Kelmora Ming");
    for (const QString& text : texts)
        for (const char32_t ch : text.toUcs4())
            EXPECT_TRUE(ch < 0x80 || cut.supportsCharacter(ch) || latin.supportsCharacter(ch))
                << "U+" << std::hex << unsigned(ch) << " in " << text.toStdString();
}
