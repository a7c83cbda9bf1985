#pragma once
#include "platform/CapsLockQuery.h"

// A Caps Lock toggle the test sets.
class FakeCapsLock final : public CapsLockQuery {
public:
    bool isOn() const override { return on; }
    bool on = false;
};
