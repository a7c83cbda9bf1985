#pragma once

// Whether the Caps Lock toggle is on right now.
class CapsLockQuery {
public:
    virtual ~CapsLockQuery() = default;
    virtual bool isOn() const = 0;
};
