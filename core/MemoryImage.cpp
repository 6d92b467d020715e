#include "MemoryImage.h"

#include <QtGlobal>
#include <algorithm>

namespace {
// Every address in the program is a constant of the memory map; one outside the image is a
// programming error that must never turn into a write past the buffer.
void checkRange(std::uint32_t address, std::size_t length) {
    if (std::size_t(address) + length > std::size_t(MemoryImage::kImageSize))
        qFatal("image access out of range: 0x%X + %zu", unsigned(address), length);
}
} // namespace

std::span<std::uint8_t> MemoryImage::at(std::uint32_t address, std::size_t length) {
    checkRange(address, length);
    return std::span<std::uint8_t>(bytes_).subspan(address, length);
}

std::span<const std::uint8_t> MemoryImage::at(std::uint32_t address, std::size_t length) const {
    checkRange(address, length);
    return std::span<const std::uint8_t>(bytes_).subspan(address, length);
}

std::uint16_t MemoryImage::word(std::uint32_t address) const {
    const auto b = at<2>(address);
    return std::uint16_t(b[0] | (b[1] << 8));
}

void MemoryImage::setWord(std::uint32_t address, std::uint16_t value) {
    const auto b = at<2>(address);
    b[0] = std::uint8_t(value & 0xFF);
    b[1] = std::uint8_t(value >> 8);
}

void MemoryImage::fill(std::uint32_t address, std::size_t length, std::uint8_t value) {
    const auto range = at(address, length);
    std::fill(range.begin(), range.end(), value);
}

int MemoryImage::bits(std::uint32_t address, int shift, int width) const {
    return (byte(address) >> shift) & ((1 << width) - 1);
}

void MemoryImage::setBits(std::uint32_t address, int shift, int width, int value) {
    const int mask = ((1 << width) - 1) << shift;
    setByte(address, std::uint8_t((byte(address) & ~mask) | ((value << shift) & mask)));
}

QByteArray MemoryImage::toFileBytes() const {
    QByteArray out;
    out.reserve(kFileSize);
    out.append(reinterpret_cast<const char*>(pc_.data()), kPcSize);
    out.append(reinterpret_cast<const char*>(bytes_.data()), kImageSize);
    return out;
}
