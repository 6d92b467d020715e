#pragma once

#include <QString>
#include <cstdint>

// Frequencies, offsets and band edges in units of 10 Hz (145.12500 MHz is 14512500).
using Frequency = std::uint32_t;

// The largest frequency four BCD bytes hold: 999.99999 MHz.
constexpr Frequency kMaxStorableFrequency = 99'999'999;

namespace FrequencyText {

// "%3.5f" of the value in MHz, computed exactly: 14512500 gives "145.12500".
QString fromValue(Frequency f);

// The leading decimal number of the text times 100000, truncated toward zero; empty, negative
// or non-numeric text gives 0, values past 4294967295 saturate there.
Frequency toValue(const QString& text);

} // namespace FrequencyText

// The frequency grid check: a frequency on the 2.5 kHz or 6.25 kHz raster stays; any other
// moves down to the nearer lower point of the 5 kHz or 6.25 kHz raster (5 kHz on a tie).
Frequency gridCheck(Frequency f);
