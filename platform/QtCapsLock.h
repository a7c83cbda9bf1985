#pragma once
#include "platform/CapsLockQuery.h"

// Reports Caps Lock as off until the keyboard panel needs the real toggle.
class QtCapsLock final : public CapsLockQuery {
public:
    bool isOn() const override { return false; }
};
