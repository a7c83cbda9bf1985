#include "app/ControlFactory.h"
#include "platform/BgrColor.h"
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace MainWindowLayout;

QFont FontFor(const FontSpec& face, const QFont& inherited)
{
    if (!face.family)
        return inherited;
    QFont font(QString::fromUtf16(face.family));
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
    return font;
}

namespace {
QWidget* Create(const ControlSpec& row, QWidget* parent)
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
    for (const ControlSpec& row : Controls) {
        QWidget* parent = row.parent ? client->findChild<QWidget*>(QLatin1String(row.parent)) : client;
        QWidget* control = Create(row, parent);
        control->setObjectName(QLatin1String(row.name));
        control->setFont(FontFor(row.font, parent->font()));
        QPalette palette = control->palette();
        if (row.back != NoColor) {
            control->setAutoFillBackground(true);
            palette.setColor(QPalette::Window, BgrColor(row.back));
        }
        if (row.fore != NoColor)
            palette.setColor(QPalette::WindowText, BgrColor(row.fore));
        control->setPalette(palette);
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (row.width == 0)
            control->adjustSize();
        control->setVisible(row.visible);
    }
}
