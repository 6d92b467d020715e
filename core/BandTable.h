#pragma once

#include "Frequency.h"

#include <array>

// The nine frequency bands the radio knows, in 10 Hz units. The working limits of each band
// (set from the radio's band-limit table) live in the band state; the absolute ranges here are
// also the built-in working limits.
struct BandRange {
    Frequency lower = 0;
    Frequency upper = 0;
    bool contains(Frequency f) const { return lower <= f && f <= upper; }
};

constexpr int kBandCount = 9;
using NineBands = std::array<BandRange, kBandCount>;

constexpr NineBands kAbsoluteBands = {{
    {2600000, 3300000},   // 30M
    {4700000, 5400000},   // 50M
    {6600000, 8800000},   // 60M
    {10800000, 13399500}, // 108M (receive only)
    {13400000, 18000000}, // 150M
    {22000000, 26000000}, // 250M
    {32000000, 39999500}, // 350M
    {40000000, 51200000}, // 450M
    {75000000, 95000000}, // 850M (receive only)
}};

constexpr bool kBandTransmits[kBandCount] = {true, true, true, false, true,
                                             true, true, true, false};

// The first band whose limits contain f, or -1.
int bandOf(const NineBands& bands, Frequency f);
