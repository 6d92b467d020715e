#include "PreciseSleep.h"

#include <thread>

namespace {
constexpr auto kSpinMargin = std::chrono::microseconds(1000);
}

void sleepUntil(std::chrono::steady_clock::time_point deadline) {
    using clock = std::chrono::steady_clock;
    if (deadline - clock::now() > kSpinMargin)
        std::this_thread::sleep_until(deadline - kSpinMargin);
    while (clock::now() < deadline)
        std::this_thread::yield();
}

void preciseSleep(std::chrono::microseconds duration) {
    sleepUntil(std::chrono::steady_clock::now() + duration);
}
