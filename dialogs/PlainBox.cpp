#include "dialogs/PlainBox.h"
#include "platform/KeyTranslator.h"
#include <QKeyEvent>
#include <QPushButton>
#include <QPainter>
#include <QWindow>
#include <QtMath>
#include <qdrawutil.h>

namespace {
// The main window's outer place and size are counted in twips; the box's place is taken back to
// whole pixels downwards, so it keeps the same offset wherever the main window stands.
QPoint placeOver(const QRect& mainFrame)
{
    const int left = mainFrame.x() * TwipsPerPixel + mainFrame.width() * TwipsPerPixel / 4;
    const int top = mainFrame.y() * TwipsPerPixel + mainFrame.height() * TwipsPerPixel / 4;
    return QPoint(qFloor(left / double(TwipsPerPixel)), qFloor(top / double(TwipsPerPixel)));
}
} // namespace

PlainBox::PlainBox(int clientWidth, int clientHeight, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(true);
    QFont font(QString::fromUtf16(MingFace));
    font.setPointSizeF(9.75);
    setFont(font);
    setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    if (parent)
        move(placeOver(parent->window()->frameGeometry()));  // also keeps QDialog from centring it

    // Keys reach the native window before the focused button, so Enter and Space close the box
    // instead of pressing the button.
    winId();
    windowHandle()->installEventFilter(this);
}

void PlainBox::placeControls(std::span<const ControlBox> table)
{
    for (const ControlBox& box : table) {
        auto* control = findChild<QWidget*>(designName(box.name));
        if (!control)
            qFatal("no control %s in the box", box.name.data());  // a fault in the design table
        control->setGeometry(box.pixels());
    }
}

QPushButton* PlainBox::makeOkButton()
{
    auto* button = makeNamed<QPushButton>(this, "Command1");
    button->setText(QStringLiteral("OK"));
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &PlainBox::accept);
    return button;
}

bool PlainBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && KeyTranslator::charCodeOf(static_cast<const QKeyEvent&>(*event)) != 0) {
        Form_KeyPress();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Labels, pictures and frames pass their clicks on to the box; buttons keep theirs.
void PlainBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
    else
        QDialog::mouseReleaseEvent(event);
}

// Without a caption bar the window manager draws no edge either: the box draws its own.
void PlainBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
}
