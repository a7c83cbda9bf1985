#include "app/ControlFactory.h"
#include "platform/BgrColor.h"
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace MainWindowLayout;

QFont FontFor(const FontSpec& spec, const QFont& inherited)
{
    if (!spec.family)
        return inherited;
    QFont font(QString::fromUtf16(spec.family));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    return font;
}

namespace {
QWidget* Create(const ControlSpec& spec, QWidget* parent)
{
    const QString caption = QString::fromUtf16(spec.caption);
    switch (spec.kind) {
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment((spec.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        return label;
    }
    case Kind::Box: {
        auto* box = new QFrame(parent);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        return box;
    }
    case Kind::Bar:
        return new QWidget(parent);
    }
    return nullptr;
}
} // namespace

void BuildControls(QWidget* client)
{
    for (const ControlSpec& spec : Controls) {
        QWidget* parent = spec.parent ? client->findChild<QWidget*>(QLatin1String(spec.parent)) : client;
        QWidget* control = Create(spec, parent);
        control->setObjectName(QLatin1String(spec.name));
        control->setFont(FontFor(spec.font, parent->font()));
        QPalette palette = control->palette();
        if (spec.back != NoColor) {
            control->setAutoFillBackground(true);
            palette.setColor(QPalette::Window, BgrColor(spec.back));
        }
        if (spec.fore != NoColor)
            palette.setColor(QPalette::WindowText, BgrColor(spec.fore));
        control->setPalette(palette);
        control->setGeometry(spec.left, spec.top, spec.width, spec.height);
        if (spec.width == 0)
            control->adjustSize();
        control->setVisible(spec.visible);
    }
}
