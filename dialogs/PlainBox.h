#pragma once
#include "platform/DesignTable.h"
#include <QDialog>
#include <span>
#include <string_view>

// The look and manners the About box and the posture box share: a modal box without caption
// bar or window buttons, placed over the main window a quarter of the window's size in from its
// top-left corner and left there even when that is partly off the screen. It is closed by any
// key that types a character, whichever control has the focus, and by a click anywhere that is
// not a button. Made afresh for every use and shown with exec().
class PlainBox : public QDialog {
    Q_OBJECT
protected:
    // parent: the main window, or a widget inside it.
    PlainBox(int clientWidth, int clientHeight, QWidget* parent);  // twips

    // Sets the place of each named control, found among the box's descendants.
    void placeControls(std::span<const ControlBox> table);

    template <typename Control>
    static Control* makeNamed(QWidget* parent, std::string_view name)
    {
        auto* control = new Control(parent);
        control->setObjectName(designName(name));
        return control;
    }

    // The "OK" button, Command1 in both boxes: the default button, and it closes the box.
    QPushButton* makeOkButton();

    void Form_Click() { accept(); }
    void Form_KeyPress() { accept(); }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
