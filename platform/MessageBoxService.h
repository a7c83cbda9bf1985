#pragma once
#include <QString>

// The icon styles the program uses; the numbers are the classic message-box style codes.
enum class MessageStyle { Exclamation = 48, Information = 64 };

// What one box says.
struct MessageBoxText {
    QString text;    // lines joined by CR LF, no trailing line break
    QString title;
    MessageStyle style;
};

// A modal message box with an OK button. show() returns once the user has closed it.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Lines in text are separated by CR LF.
    virtual void show(const QString& text, const QString& title, MessageStyle style) = 0;
};
