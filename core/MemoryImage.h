#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <span>

// The radio's 64 KiB configuration memory as the program keeps it, byte for byte, plus the
// 4 KiB PC block that only the program keeps (the sixteen 5-Tone system records). Forms,
// the clone engine and the data file all work on one of these.
class MemoryImage {
public:
    static constexpr int kImageSize = 0x10000;
    static constexpr int kPcSize = 0x1000;
    static constexpr int kFileSize = kPcSize + kImageSize; // a data file: PC block, then image
    // Addresses from here on reach the PC block, so that a field or record can lie in either.
    static constexpr std::uint32_t kPcBase = 0x10000;

    MemoryImage() = default;

    std::span<std::uint8_t> image() { return bytes_; }
    std::span<const std::uint8_t> image() const { return bytes_; }
    std::span<std::uint8_t> pc() { return pc_; }
    std::span<const std::uint8_t> pc() const { return pc_; }

    // A range of the image, or of the PC block from kPcBase on; it must lie inside either.
    std::span<std::uint8_t> at(std::uint32_t address, std::size_t length);
    std::span<const std::uint8_t> at(std::uint32_t address, std::size_t length) const;
    template <std::size_t N> std::span<std::uint8_t, N> at(std::uint32_t address) {
        return at(address, N).first<N>();
    }
    template <std::size_t N> std::span<const std::uint8_t, N> at(std::uint32_t address) const {
        return at(address, N).first<N>();
    }

    std::uint8_t byte(std::uint32_t address) const { return at(address, 1)[0]; }
    void setByte(std::uint32_t address, std::uint8_t value) { at(address, 1)[0] = value; }
    std::uint16_t word(std::uint32_t address) const; // little-endian
    void setWord(std::uint32_t address, std::uint16_t value);
    void fill(std::uint32_t address, std::size_t length, std::uint8_t value);

    // A bit field of a byte: `width` bits starting at bit `shift` (bit 0 least significant).
    int bits(std::uint32_t address, int shift, int width) const;
    // Clears the field's bits and sets them from `value`; the other bits keep their values.
    void setBits(std::uint32_t address, int shift, int width, int value);

    // The data file's bytes: PC block then image.
    QByteArray toFileBytes() const;

    friend bool operator==(const MemoryImage&, const MemoryImage&) = default;

private:
    std::array<std::uint8_t, kImageSize> bytes_{};
    std::array<std::uint8_t, kPcSize> pc_{};
};
