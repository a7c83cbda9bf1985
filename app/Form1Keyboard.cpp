// The on-screen keyboard in the main window: the panel, the Caps Lock lamp and the
// arrangement buttons; the typing exercise's key guidance reaches the model through Form1.h.
#include "app/Form1.h"
#include "app/MainWindowLayout.h"
#include "keyboard/CapsLamp.h"
#include "keyboard/KeyboardPanel.h"
#include "platform/CapsLockQuery.h"
#include <QEvent>
#include <QRadioButton>

void Form1::buildKeyboard(QWidget* client)
{
    picKey_ = new KeyboardPanel(keyboard_, client);
    picKey_->move(MainWindowLayout::KeyboardLeft, MainWindowLayout::KeyboardTop);
    shpCapsL_ = new CapsLamp(client);
    shpCapsL_->move(MainWindowLayout::CapsLampLeft, MainWindowLayout::CapsLampTop);
    shpCapsL_->setColour(keyboard_.lampColour());
    connect(picKey_, &KeyboardPanel::lampChanged, shpCapsL_, &CapsLamp::setColour);
    connect(picKey_, &KeyboardPanel::clicked, this, &Form1::picKey_Click);
    connect(&tmrHand_, &QTimer::timeout, this, &Form1::tmrHand_Timer);
    for (int i = 0; i < int(optKey_.size()); ++i)
        connect(optKey_[i], &QRadioButton::clicked, this, [this, i] { optKey_Click(i); });
}

// Keys pressed or released while another window had the focus never report here: a key-up or a
// Caps Lock press in a box.
void Form1::keysBack(bool active)
{
    capsLock_.keysMissed();
    keyboard_.windowActivationChanged(active, guideContext());
}

void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange)
        keysBack(isActiveWindow());
    QMainWindow::changeEvent(event);
}

bool Form1::event(QEvent* event)
{
    // Without a window manager the window is not activated again when a modal box closes.
    if (event->type() == QEvent::WindowUnblocked)
        keysBack(true);
    return QMainWindow::event(event);
}
