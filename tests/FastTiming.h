#pragma once

#include "CloneEngine.h"

#include <atomic>
#include <memory>

// The clone engine's timing for a test: no pauses. With `fastClock`, every look at the clock
// is a second later, so that a wake-up window closes after one read (a radio that never
// answers is given up on without waiting out its windows).
inline CloneEngine::Hooks fastTiming(bool fastClock = false) {
    CloneEngine::Hooks hooks;
    hooks.pause = [](std::chrono::milliseconds) {};
    if (fastClock)
        hooks.clockMs = [clock = std::make_shared<std::atomic<qint64>>(0)] {
            return clock->fetch_add(1000) + 1000;
        };
    return hooks;
}
