#pragma once

#include <cstdint>
#include <span>

// Packed BCD as the radio stores numbers: two decimal digits per byte, least significant pair
// first. Reading makes no validity check: a nibble above 9 simply counts with its value.
namespace Bcd {

std::uint8_t toByte(int value); // 0..99 -> packed byte (value is taken modulo 100)
int fromByte(std::uint8_t b);   // packed byte -> number (0xFF reads as 165)

// Four bytes: frequencies (10 Hz units), offsets and band edges, up to 99,999,999.
// Larger values are clamped to the largest storable number.
void write32(std::span<std::uint8_t, 4> out, std::uint32_t value);
std::uint32_t read32(std::span<const std::uint8_t, 4> in);

// Two bytes: CTCSS tones in tenths of a hertz and DCS code digits, up to 9,999.
void write16(std::span<std::uint8_t, 2> out, int value);
int read16(std::span<const std::uint8_t, 2> in);

} // namespace Bcd
