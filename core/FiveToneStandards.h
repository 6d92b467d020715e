#pragma once

#include <QString>
#include <array>
#include <cstdint>

class MemoryImage;

// The 5-Tone standards the radio offers; entries 0..14 are built in, 15 is the user's own.
struct FiveToneStandard {
    const char* name;
    int nominalWidthMs;
    bool hasDelimiter;                   // built-in delimiter tone "F", or none
    std::array<std::uint16_t, 16> tones; // tenths of a hertz, digits 0-9 then A-F; 0 = none
};

constexpr int kBuiltInFiveToneStandards = 15;
constexpr int kUserFiveToneStandard = 15;

// Index 0..15; entry 15 ("USER DEFINDE") has no tones of its own.
const FiveToneStandard& fiveToneStandard(int index);

// Writes the built-in tone tables into bytes 8..39 of PC block entries 0..14; their headers and
// the whole of entry 15 stay as they are.
void restoreStandardFiveToneTables(MemoryImage& image);
