#pragma once
#include "platform/WebOpener.h"

class QtWebOpener final : public WebOpener {
public:
    void open(const QString& address) override;
};
