#include "app/ControlFactory.h"
#include "platform/BgrColor.h"
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>

using namespace MainWindowLayout;

QFont fontFor(const FontSpec& face, const QFont& inherited)
{
    if (!face.family)
        return inherited;
    QFont font(QString::fromUtf16(face.family));
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
    return font;
}

namespace {
// The design's option buttons stand close together: a narrow gap between button and caption
// keeps each caption clear of the next button.
class CompactOption final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        return metric == PM_RadioButtonLabelSpacing ? 2 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle* compactOptionStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new CompactOption;
        style->setParent(qApp); // outlives every window
    }
    return style;
}

QWidget* createControl(const ControlSpec& row, QWidget* parent)
{
    const QString caption = QString::fromUtf16(row.caption);
    switch (row.kind) {
    case Kind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        return button;
    }
    case Kind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment((row.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(row.width > 0); // a fixed-size label wraps what does not fit
        return label;
    }
    case Kind::Box: {
        auto* box = new QFrame(parent);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        return box;
    }
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::Option: {
        auto* option = new QRadioButton(caption, parent);
        option->setStyle(compactOptionStyle());
        return option;
    }
    case Kind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setPixmap(QPixmap(caption));
        return picture;
    }
    case Kind::Bar:
    case Kind::Line:
        return new QWidget(parent);
    }
    return nullptr;
}
} // namespace

BuiltControls buildControls(QWidget* client)
{
    BuiltControls built{};
    for (std::size_t i = 0; i < Controls.size(); ++i) {
        const ControlSpec& row = Controls[i];
        QWidget* parent = client;
        for (std::size_t p = 0; p < i && !row.parent.empty(); ++p)
            if (Controls[p].name == row.parent)
                parent = built[p];
        QWidget* control = createControl(row, parent);
        control->setObjectName(designName(row.name));
        control->setFont(fontFor(row.font, parent->font()));
        if (row.tip)
            control->setToolTip(QString::fromUtf16(row.tip));
        const unsigned back = row.kind == Kind::Line ? 0 : row.back;
        QPalette palette = control->palette();
        if (back != NoColor) {
            control->setAutoFillBackground(true);
            palette.setColor(QPalette::Window, bgrColor(back));
        }
        if (row.fore != NoColor)
            palette.setColor(QPalette::WindowText, bgrColor(row.fore));
        control->setPalette(palette);
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (row.width == 0)
            control->adjustSize();
        control->setVisible(row.visible);
        built[i] = control;
    }
    return built;
}

BuiltMenus buildMenus(QMenuBar* bar)
{
    BuiltMenus built{};
    for (std::size_t i = 0; i < MainMenus::Menus.size(); ++i) {
        const MainMenus::MenuSpec& row = MainMenus::Menus[i];
        QMenu* menu = bar->addMenu(QString::fromUtf16(row.caption));
        menu->setObjectName(designName(row.name));
        menu->menuAction()->setObjectName(designName(row.name));
        built.menus[i] = menu;
    }
    for (std::size_t i = 0; i < MainMenus::Items.size(); ++i) {
        const MainMenus::ItemSpec& row = MainMenus::Items[i];
        QMenu* menu = nullptr;
        for (std::size_t m = 0; m < MainMenus::Menus.size(); ++m)
            if (MainMenus::Menus[m].name == row.menu)
                menu = built.menus[m];
        QAction* item = row.caption ? menu->addAction(QString::fromUtf16(row.caption)) : menu->addSeparator();
        item->setObjectName(designName(row.name));
        if (row.shortcut)
            item->setShortcut(QKeySequence(QLatin1String(row.shortcut)));
        built.items[i] = item;
    }
    return built;
}
