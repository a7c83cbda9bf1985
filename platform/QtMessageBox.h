#pragma once
#include "platform/MessageBoxService.h"
#include <QPointer>

class QWidget;

class QtMessageBox final : public MessageBoxService {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    void show(const QString& text, const QString& title, MessageStyle style) override;

private:
    QPointer<QWidget> parent_;
};
