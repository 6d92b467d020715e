#include "ChannelRules.h"

#include "BandState.h"
#include "ImageMap.h"
#include "MemoryImage.h"

namespace ChannelRules {

namespace {
constexpr int kAirRaster[] = {833, 1666, 3333, 4166, 5833, 6666, 8333, 9166};
constexpr int kBand850 = 8;
} // namespace

Frequency snapFrequency(Frequency f, int band) {
    if (band == kBand850)
        return (f % 500 == 0 || f % 1250 == 0) ? f : f - f % 500;
    const int k = int((f / 100) % 100);
    for (int v : kAirRaster)
        if ((v / 100) % 100 == k)
            return (f / 10000) * 10000 + Frequency(v);
    return gridCheck(f);
}

int offsetDirection(Frequency rx, Frequency tx, int storedDirection, Frequency offset) {
    if (rx == tx)
        return 0;
    if ((storedDirection == 1 && tx == rx - offset) || (storedDirection == 2 && tx == rx + offset))
        return storedDirection;
    return 3;
}

void applySqlModeRule(Record r) {
    using ChannelRecord::code;
    const int decode = code(r, ChannelField::DecodeType);
    const int signaling = code(r, ChannelField::OptionSignaling);
    const int mode = code(r, ChannelField::SqlMode);
    const bool tone = decode >= 2;
    const bool option = signaling != 0;
    if ((mode == 1 && !tone) || (mode == 2 && !option) ||
        ((mode == 3 || mode == 4) && (!tone || !option)))
        ChannelRecord::setCode(r, ChannelField::SqlMode, 0);
}

void initializeChannel(MemoryImage& image, int n, Frequency f, const BandState& bands) {
    writeInitialRecord(image.at<32>(ImageMap::channelAddress(n)), f, bands.nine);
}

void ensureFirstChannels(MemoryImage& image, const BandState& bands) {
    const Frequency f = bands.enabled[BandState::kVhf] ? bands.nine[BandState::kVhf].lower
                                                       : bands.nine[BandState::kUhf].lower;
    for (int n : {1, kChannelsPerBank + 1}) {
        const Record r = image.at<32>(ImageMap::channelAddress(n));
        if (r[3] != 0xFF)
            continue;
        // Initialized with the frequency, so that the offset is the one of its band.
        initializeChannel(image, n, f, bands);
    }
}

void clearChannelsOutsideBands(MemoryImage& image, const BandState& bands) {
    for (int n = 1; n <= kChannelsPerBank; ++n) {
        const Record r = image.at<32>(ImageMap::channelAddress(n));
        if (bands.bandOf(ChannelRecord::rxFrequency(r)) < 0)
            initializeChannel(image, n, 0, bands);
    }
}

} // namespace ChannelRules
