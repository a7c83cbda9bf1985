#include "exercise/TextWindow.h"
#include "exercise/PracticeText.h"
#include "exercise/TextCanvas.h"
#include "exercise/TextScroll.h"
#include "platform/BgrColor.h"
#include "platform/DesignTable.h"
#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr QRect ScrollBarPlace{960, 0, 21, 265};
}

TextWindow::TextWindow(QWidget* parent)
    : QWidget(parent), picWd_(new TextCanvas(this)), VScroll1_(new QScrollBar(Qt::Vertical, this)),
      TextHome_(picWd_->pos())
{
    setObjectName(QStringLiteral("picWindow"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, bgrColor(Grey));
    setPalette(palette);
    VScroll1_->setObjectName(QStringLiteral("VScroll1"));
    VScroll1_->setGeometry(ScrollBarPlace);
    VScroll1_->setRange(0, 0);
    VScroll1_->raise();
    connect(VScroll1_, &QScrollBar::valueChanged, this, &TextWindow::VScroll1_Change);
    // The user's own scrolling hands the focus to the text; scrolling by the program does not
    // take it from Start.
    connect(VScroll1_, &QScrollBar::actionTriggered, this, [this] { picWd_->setFocus(); });
}

void TextWindow::FitScrollBar(bool resetToTop)
{
    VScroll1_->resize(VScroll1_->width(), height() - 1);
    VScroll1_->setSingleStep(TextScroll::SmallChange);
    VScroll1_->setPageStep(height());
    VScroll1_->setMaximum(TextScroll::maximumValue(picWd_->height(), height()));
    if (resetToTop)
        VScroll1_->setValue(0);
}

void TextWindow::ScrollToChar(int index)
{
    const int rowTop = picWd_->text().contains(index) ? picWd_->text().lblTitle(index).top : 0;
    VScroll1_->setValue(TextScroll::valueShowingRow(VScroll1_->value(), VScroll1_->maximum(), picWd_->y(), rowTop,
                                                    height()));
}

void TextWindow::setWindowHeight(int height)
{
    resize(width(), height);
    FitScrollBar(false);
}

void TextWindow::VScroll1_Change(int value)
{
    picWd_->move(TextHome_.x(), TextHome_.y() - value);
}

void TextWindow::wheelEvent(QWheelEvent* event)
{
    // The wheel anywhere over the text scrolls it as the scroll bar would.
    QCoreApplication::sendEvent(VScroll1_, event);
}
