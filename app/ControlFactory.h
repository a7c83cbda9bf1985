#pragma once
#include "app/MainMenus.h"
#include "app/MainWindowLayout.h"
#include <QFont>
#include <QObject>
#include <QtGlobal>
#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

QFont fontFor(const MainWindowLayout::FontSpec& face, const QFont& inherited);

// The window's fixed controls, created from the design table, in table order.
using BuiltControls = std::array<QWidget*, MainWindowLayout::Controls.size()>;
BuiltControls buildControls(QWidget* client);

struct BuiltMenus {
    std::array<QMenu*, MainMenus::Menus.size()> menus;
    std::array<QAction*, MainMenus::Items.size()> items;
};
BuiltMenus buildMenus(QMenuBar* bar);

// A created control as the class its kind makes; a mismatch is a fault in the design table.
template <typename T>
T* controlAs(QObject* control)
{
    T* typed = qobject_cast<T*>(control);
    if (!typed)
        qFatal("control %s is not a %s", qPrintable(control->objectName()), T::staticMetaObject.className());
    return typed;
}
