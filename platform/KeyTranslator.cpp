#include "platform/KeyTranslator.h"
#include "platform/CapsLockQuery.h"
#include "platform/KeySink.h"
#include "platform/VirtualKey.h"
#include <QKeyEvent>
#include <QWindow>

KeyTranslator::KeyTranslator(QWindow* window, KeySink& sink, CapsLockQuery& capsLock)
    : sink_(sink), capsLock_(capsLock)
{
    window->installEventFilter(this);
}

int KeyTranslator::charCodeOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        // Ctrl+Backspace types DEL, the one key that can type a DEL in a practice text.
        return (event.modifiers() & Qt::ControlModifier) ? 127 : 8;
    case Qt::Key_Delete:
        return 0; // not a character key: it types nothing and counts nothing
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    default:
        break;
    }
    // Alt combinations are menu access keys, not characters.
    if (event.modifiers() & Qt::AltModifier)
        return 0;
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

namespace {
int shiftStateOf(const QKeyEvent& event)
{
    // On X11 the Shift key's own press does not yet carry the modifier, nor its release drop it.
    if (event.key() == Qt::Key_Shift)
        return event.type() == QEvent::KeyPress ? 1 : 0;
    return (event.modifiers() & Qt::ShiftModifier) ? 1 : 0;
}
} // namespace

bool KeyTranslator::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const int virtualKey = virtualKeyFor(key.key());
    // Decided before the key is handled: the key that finishes an exercise still belongs to it.
    const bool captured = sink_.keysCaptured();
    if (event->type() == QEvent::KeyPress) {
        // First, so that a Caps Lock key-down already reads the new state.
        capsLock_.keyPressed(key.key(), key.modifiers(), key.text(), key.nativeModifiers());
        sink_.keyDown(virtualKey, shiftStateOf(key));
        if (const int code = charCodeOf(key))
            sink_.keyPress(code);
        capsLock_.keyHandled();
    } else {
        capsLock_.keyReleased(key.key());
        sink_.keyUp(virtualKey, shiftStateOf(key));
    }
    // During an exercise a typed key must not also act on a focused control (Tab moving the
    // focus, Space pressing a button); menu access keys still reach the menu bar.
    return captured && !(key.modifiers() & Qt::AltModifier);
}
