#pragma once
#include "platform/MessageBoxService.h"
#include <functional>
#include <vector>

// Records every message instead of showing it.
struct FakeMessageBox final : MessageBoxService {
    struct Call { QString text, title; MessageStyle style; };
    void show(const QString& text, const QString& title, MessageStyle style) override
    {
        calls.push_back({text, title, style});
        if (onShow)
            onShow(); // runs while the box would be open
    }

    std::function<void()> onShow;
    std::vector<Call> calls;
};
