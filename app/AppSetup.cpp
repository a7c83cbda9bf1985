#include "app/AppSetup.h"
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

namespace {
struct FontStandIn {
    const char16_t* family;
    const char* standIn;
};
constexpr std::array FontStandIns{
    FontStandIn{u"標楷體", "AR PL UKai TW"},
    FontStandIn{u"新細明體", "AR PL UMing TW"},
    FontStandIn{u"Arial", "Liberation Sans"},
    FontStandIn{u"Arial Black", "Liberation Sans"},
};
} // namespace

void InstallFontSubstitutes()
{
    for (const auto& font : FontStandIns)
        QFont::insertSubstitution(QString::fromUtf16(font.family), QLatin1String(font.standIn));
}

void InstallTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_TW"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
