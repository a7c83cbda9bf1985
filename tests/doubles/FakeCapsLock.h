#pragma once
#include "platform/CapsLockQuery.h"

struct FakeCapsLock final : CapsLockQuery {
    bool isOn() const override { return on; }
    bool on = false;
};
