// The on-screen keyboard in the main window: the panel, the Caps Lock lamp and the
// arrangement buttons; the typing exercise's key guidance reaches the model through Form1.h.
#include "app/Form1.h"
#include "app/MainWindowLayout.h"
#include "keyboard/CapsLamp.h"
#include "keyboard/KeyboardPanel.h"
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
    connect(&tmrHand, &QTimer::timeout, this, &Form1::tmrHand_Timer);
    for (int i = 0; i < int(optKey_.size()); ++i)
        connect(optKey_[i], &QRadioButton::clicked, this, [this, i] { optKey_Click(i); });
}

void Form1::changeEvent(QEvent* event)
{
    // A key released while another window had the focus never reports its key-up here.
    if (event->type() == QEvent::ActivationChange)
        keyboard_.releaseAll();
    QMainWindow::changeEvent(event);
}
