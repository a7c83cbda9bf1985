#pragma once
#include "platform/CapsLockQuery.h"

class FakeCapsLock final : public CapsLockQuery {
public:
    bool isOn() const override { return on; }
    bool on = false;
};
