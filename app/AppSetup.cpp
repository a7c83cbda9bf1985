#include "app/AppSetup.h"
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

namespace {
// Stand-ins tried in order, glyph by glyph. The Ming face's own Latin letters are too thin to
// embolden (a bold "l" reads as "1" in "Ctrl"), so Latin text in that face comes from a serif
// face like the one the design's font carries.
struct FontStandIn {
    const char16_t* family;
    const char* standIn;
    const char* chinese = nullptr;
};
constexpr std::array FontStandIns{
    FontStandIn{u"標楷體", "AR PL UKai TW"},
    FontStandIn{u"新細明體", "Liberation Serif", "AR PL UMing TW"},
    FontStandIn{u"Arial", "Liberation Sans"},
    FontStandIn{u"Arial Black", "Liberation Sans"},
};
} // namespace

void InstallFontSubstitutes()
{
    for (const auto& font : FontStandIns) {
        QStringList standIns{QLatin1String(font.standIn)};
        if (font.chinese)
            standIns << QLatin1String(font.chinese);
        QFont::insertSubstitutions(QString::fromUtf16(font.family), standIns);
    }
}

void InstallTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_TW"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
