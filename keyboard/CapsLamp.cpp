#include "keyboard/CapsLamp.h"
#include "keyboard/KeyColours.h"
#include "platform/BgrColor.h"
#include <QPainter>

namespace {
constexpr QSize DesignSize{13, 17};
}

CapsLamp::CapsLamp(QWidget* parent) : QWidget(parent), colour_(PanelColour::LampAtStart)
{
    setObjectName(QStringLiteral("shpCapsL"));
    resize(DesignSize);
}

void CapsLamp::setColour(unsigned colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void CapsLamp::paintEvent(QPaintEvent*)
{
    // A circle as wide as the box, centred in its height.
    const int diameter = qMin(width(), height());
    const QRectF circle((width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter, diameter);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(bgrColor(PanelColour::Border), 1));
    painter.setBrush(bgrColor(colour_));
    painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
}
