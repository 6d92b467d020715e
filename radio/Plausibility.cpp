#include "Plausibility.h"
#include "Texts.h"

#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"

#include <algorithm>

namespace {

bool isBcd(std::span<const std::uint8_t> bytes) {
    return std::ranges::all_of(bytes,
                               [](std::uint8_t b) { return (b >> 4) < 10 && (b & 15) < 10; });
}

// An edge or a frequency whose most significant byte is 0x00 or 0xFF is no number at all.
bool isUnset(std::span<const std::uint8_t, 4> bytes) {
    return bytes[3] == 0x00 || bytes[3] == 0xFF;
}

bool isBcdOrUnset(std::span<const std::uint8_t, 4> bytes) {
    return isUnset(bytes) || isBcd(bytes);
}

} // namespace

QString implausibility(const MemoryImage& image) {
    using namespace ImageMap;
    for (int b = 0; b < kBandLimitRecords.count; ++b)
        for (std::uint32_t edge = 0; edge < 4; ++edge)
            if (!isBcdOrUnset(image.at<4>(kBandLimitRecords.at(b) + 4 * edge)))
                return Texts::tr("its band limits are not decimal frequencies");
    if (isEmptyRecord(image.at<32>(channelAddress(1))))
        return Texts::tr("channel 1 is empty");
    for (int n = 1; n <= kChannels.count; ++n) {
        const auto record = image.at<32>(channelAddress(n));
        if (isEmptyRecord(record))
            continue;
        if (!isBcd(record.first<4>()) || !isBcdOrUnset(record.subspan<4, 4>()))
            return Texts::tr("the frequency of channel %1 is not a decimal number").arg(n);
    }
    const auto identity = image.at(kIdentity, 40);
    if (!std::ranges::all_of(identity, [](std::uint8_t c) {
            return (c >= 0x20 && c <= 0x7E) || c == 0x00 || c == 0xFF;
        }))
        return Texts::tr("its model block is not text");
    return {};
}
