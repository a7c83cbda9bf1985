#include "app/MainMenuBar.h"
#include <QAction>
#include <QShortcutEvent>

bool MainMenuBar::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
        for (const QAction* title : actions())
            if (!title->isEnabled() && QKeySequence::mnemonic(title->text()) == key)
                return true;
    }
    return QMenuBar::event(event);
}
