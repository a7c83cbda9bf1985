#pragma once
#include <QObject>

class CapsLockQuery;
class KeySink;
class QKeyEvent;
class QWindow;

// The one place that reads raw key events. It watches the main window's QWindow, which
// sees every key (Tab, Enter, Esc and Space included) before the focused control does,
// and hands each on to the sink as key-down / key-press / key-up. It filters the window for
// as long as it lives; whoever makes it owns it.
class KeyTranslator final : public QObject {
    Q_OBJECT
public:
    // The Caps Lock query sees each key press too, where it must learn the toggle from keys.
    KeyTranslator(QWindow* window, KeySink& sink, CapsLockQuery& capsLock);

    // Character code of a key press: 13, 8, 27 and 9 for Enter, Backspace, Esc and Tab,
    // the character otherwise, 0 when the key types nothing (Delete, Alt combinations).
    static int charCodeOf(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeySink& sink_;
    CapsLockQuery& capsLock_;
};
