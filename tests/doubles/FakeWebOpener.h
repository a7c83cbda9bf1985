#pragma once
#include "platform/WebOpener.h"
#include <QStringList>

// Records the addresses instead of starting a browser.
struct FakeWebOpener final : WebOpener {
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};
