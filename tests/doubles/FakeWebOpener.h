#pragma once
#include "platform/WebOpener.h"
#include <QStringList>

struct FakeWebOpener final : WebOpener {
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};
