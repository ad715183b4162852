#pragma once

#include <optional>

// Num Lock and Caps Lock as the platform reports them; empty where it cannot tell.
struct TLockKeys {
    std::optional<bool> numLock;
    std::optional<bool> capsLock;
};

TLockKeys ReadLockKeys();
