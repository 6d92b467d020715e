#pragma once

#include <cstdint>
#include <vector>

class BandState;

// Which bits of the data the forms show: the image, then the PC block from 0x10000. The rest
// no form shows: bank B, the PC block's standards, hidden fields, unused bytes and the regions
// derived from the others.
class ShownBits {
public:
    // What the forms show of data whose bands are `bands` (they decide the VFO tabs).
    static ShownBits of(const BandState& bands);

    std::uint8_t mask(std::uint32_t address) const { return masks_[address]; }
    // Shown by either.
    void unite(const ShownBits& other);

private:
    void mark(std::uint32_t address, std::uint8_t mask) { masks_[address] |= mask; }
    void markBytes(std::uint32_t address, std::uint32_t length);

    std::vector<std::uint8_t> masks_;
};
