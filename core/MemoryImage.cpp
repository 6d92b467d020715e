#include "MemoryImage.h"

#include "ImageMap.h"

#include <QtGlobal>
#include <algorithm>

static_assert(MemoryImage::kPcBase == ImageMap::kPcBlock);

namespace {
// Every address in the program is a constant of the memory map; one outside the image and the
// PC block is a programming error that must never turn into a write past the buffer.
template <typename Byte>
std::span<Byte> bytesAt(std::span<Byte> image, std::span<Byte> pc, std::uint32_t address,
                        std::size_t length) {
    const bool inPc = address >= MemoryImage::kPcBase;
    const std::size_t offset = inPc ? address - MemoryImage::kPcBase : address;
    const std::size_t size = inPc ? MemoryImage::kPcSize : MemoryImage::kImageSize;
    if (offset + length > size)
        qFatal("image access out of range: 0x%X + %zu", unsigned(address), length);
    return (inPc ? pc : image).subspan(offset, length);
}
} // namespace

std::span<std::uint8_t> MemoryImage::at(std::uint32_t address, std::size_t length) {
    return bytesAt<std::uint8_t>(bytes_, pc_, address, length);
}

std::span<const std::uint8_t> MemoryImage::at(std::uint32_t address, std::size_t length) const {
    return bytesAt<const std::uint8_t>(bytes_, pc_, address, length);
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
