#include "app/AppSetup.h"
#include "assets/fonts/SubsetFonts.h"
#include "platform/DesignTable.h"
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QTranslator>
#include <array>

namespace {
// Stand-ins tried in order, glyph by glyph. The Ming face's own Latin letters are too thin to
// embolden (a bold "l" reads as "1" in "Ctrl"), so Latin text in that face comes from a serif
// face like the one the design's font carries. The Chinese faces come first as the program's
// own cut-down copies (the characters the interface shows), then whole for any other
// character (a file's heading, a file name), which loads them only when such text appears.
struct FontStandIn {
    const char16_t* family;
    std::array<const char16_t*, 3> standIns;
};
constexpr std::array FontStandIns{
    FontStandIn{KaiFace, {u"Kelmora Kai", u"AR PL UKai TW"}},
    FontStandIn{MingFace, {u"Liberation Serif", u"Kelmora Ming", u"AR PL UMing TW"}},
    FontStandIn{u"Arial", {u"Liberation Sans"}},
    FontStandIn{u"Arial Black", {u"Liberation Sans"}},
};
} // namespace

void installFontSubstitutes()
{
    static const bool added = [] {
        for (const SubsetFont& font : subsetFonts())
            QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                reinterpret_cast<const char*>(font.data.data()), qsizetype(font.data.size())));
        return true;
    }();
    Q_UNUSED(added);
    for (const auto& font : FontStandIns) {
        QStringList standIns;
        for (const char16_t* standIn : font.standIns)
            if (standIn)
                standIns << QString::fromUtf16(standIn);
        QFont::insertSubstitutions(QString::fromUtf16(font.family), standIns);
    }
}

void installTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_TW"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

void drawGlyphsAhead(const QFont& font, const QString& characters)
{
    // Opaque, as the window is: glyphs are kept for the kind of surface they are drawn on.
    const QFontMetrics metrics(font);
    QImage scratch(2 * metrics.maxWidth() + 1, metrics.height(), QImage::Format_RGB32);
    QPainter painter(&scratch);
    painter.setFont(font);
    for (const QChar ch : characters)
        for (const qreal offset : {0.0, 0.25, 0.5, 0.75})
            painter.drawText(QPointF(offset, metrics.ascent()), QString(ch));
}
