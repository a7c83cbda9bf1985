#include "platform/QtMessageBox.h"
#include <QMessageBox>

void QtMessageBox::show(const QString& text, const QString& title, MessageStyle style)
{
    const auto icon = style == MessageStyle::Exclamation ? QMessageBox::Warning : QMessageBox::Information;
    QMessageBox box(icon, title, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    QMessageBox::Ok, parent_);
    box.exec();
}
