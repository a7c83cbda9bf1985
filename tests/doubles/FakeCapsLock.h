#pragma once
#include "platform/CapsLockQuery.h"

// A Caps Lock toggle the test sets.
struct FakeCapsLock final : CapsLockQuery {
    bool isOn() const override { return on; }
    bool on = false;
};
