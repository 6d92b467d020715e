#include "Bcd.h"

#include <algorithm>

namespace Bcd {

std::uint8_t toByte(int value) {
    value %= 100;
    if (value < 0)
        value += 100;
    return std::uint8_t((value / 10) * 16 + value % 10);
}

int fromByte(std::uint8_t b) {
    return (b / 16) * 10 + b % 16;
}

void write32(std::span<std::uint8_t, 4> out, std::uint32_t value) {
    value = std::min<std::uint32_t>(value, 99'999'999);
    for (auto& b : out) {
        b = toByte(int(value % 100));
        value /= 100;
    }
}

std::uint32_t read32(std::span<const std::uint8_t, 4> in) {
    std::uint32_t value = 0;
    for (int k = 3; k >= 0; --k)
        value = value * 100 + std::uint32_t(fromByte(in[k]));
    return value;
}

void write16(std::span<std::uint8_t, 2> out, int value) {
    value = std::clamp(value, 0, 9999);
    out[0] = toByte(value % 100);
    out[1] = toByte(value / 100);
}

int read16(std::span<const std::uint8_t, 2> in) {
    return fromByte(in[1]) * 100 + fromByte(in[0]);
}

} // namespace Bcd
