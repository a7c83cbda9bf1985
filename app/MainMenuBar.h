#pragma once
#include <QMenuBar>

// The main window's menu bar. The access key of a locked (disabled) menu leaves it as it was:
// Qt would highlight the title and wait for a popup that never opens, and that wait swallows
// the next click on any title.
class MainMenuBar final : public QMenuBar {
    Q_OBJECT
public:
    using QMenuBar::QMenuBar;

protected:
    bool event(QEvent* event) override;
};
