#pragma once

#include <chrono>

// Sleeps that end on time. The protocol's waits are short (2 and 10 ms) and come hundreds of
// times per transfer; a plain sleep wakes up late by up to a millisecond on a loaded or virtual
// machine, which would add a fifth to a transfer. These sleep most of the way and spend the
// last stretch yielding.
void sleepUntil(std::chrono::steady_clock::time_point deadline);
void preciseSleep(std::chrono::microseconds duration);
