#include "exercise/TextWindow.h"
#include "exercise/TextCanvas.h"
#include "platform/BgrColor.h"
#include <QScrollBar>

namespace {
constexpr unsigned WindowBack = 8421504;
constexpr QRect ScrollBarPlace{960, 0, 21, 265};
}

TextWindow::TextWindow(QWidget* parent)
    : QWidget(parent), picWd_(new TextCanvas(this)), VScroll1_(new QScrollBar(Qt::Vertical, this))
{
    setObjectName(QStringLiteral("picWindow"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BgrColor(WindowBack));
    setPalette(palette);
    VScroll1_->setObjectName(QStringLiteral("VScroll1"));
    VScroll1_->setGeometry(ScrollBarPlace);
    VScroll1_->setRange(0, 0);
    VScroll1_->raise();
}
