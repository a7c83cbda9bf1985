// The floor of any Qt program that shows Traditional Chinese in the two design faces: the bare
// window with one label in each face, drawn from the full system fonts, and Qt's own zh_TW
// strings. The substitutions are the program's, written out here so the floor stays fixed
// whatever the program's own font set-up becomes.
#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("標楷體"), {QStringLiteral("AR PL UKai TW")});
    QFont::insertSubstitutions(QStringLiteral("新細明體"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("AR PL UMing TW")});
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_zh_TW"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    QWidget window;
    window.resize(1024, 700);
    int top = 20;
    for (const QString& family : {QStringLiteral("標楷體"), QStringLiteral("新細明體")}) {
        auto* label = new QLabel(family, &window);
        QFont font(family);
        font.setPointSizeF(12);
        label->setFont(font);
        label->move(20, top);
        top += 40;
    }
    window.show();
    return QApplication::exec();
}
