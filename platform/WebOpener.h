#pragma once
#include <QString>

// Hands a web address to the desktop's default browser without waiting for it.
class WebOpener {
public:
    virtual ~WebOpener() = default;
    virtual void open(const QString& address) = 0;
};
