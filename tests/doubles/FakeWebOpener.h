#pragma once
#include "platform/WebOpener.h"
#include <QStringList>

// Records the addresses instead of starting a browser.
class FakeWebOpener final : public WebOpener {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};
