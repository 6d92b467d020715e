#include "BandState.h"

#include "Bcd.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RadioIdentity.h"

BandState::BandState()
    : nine(kAbsoluteBands), mainBands{kAbsoluteBands[kVhf], kAbsoluteBands[kUhf]} {
    enabled[0] = true;
}

BandState BandState::fromImage(const MemoryImage& image) {
    BandState s;
    s.loadLimitsFromImage(image);
    s.deriveEnabledFlags(image);
    return s;
}

void BandState::loadLimitsFromImage(const MemoryImage& image) {
    for (int b = 0; b < kBandCount; ++b) {
        const BandEdges edges = readBandEdges(image, b);
        nine[std::size_t(b)] = {edges[0], edges[1]};
    }
    if (nine[kVhf].lower != 0)
        mainBands[0] = nine[kVhf];
    if (nine[kBand220].lower != 0)
        mainBands[1] = nine[kBand220];
    else if (nine[kUhf].lower != 0)
        mainBands[1] = nine[kUhf];
}

void BandState::deriveEnabledFlags(const MemoryImage& image) {
    for (std::uint32_t b = 0; b < kBandCount; ++b) {
        const Frequency rxLower = Bcd::read32(image.at<4>(ImageMap::kBandLimitRecords.at(int(b))));
        enabled[b] = kAbsoluteBands[b].contains(rxLower);
    }
    updateMainFlags();
}

void BandState::updateMainFlags() {
    firstMainPresent = enabled[kVhf];
    secondMainPresent = enabled[kBand220] || enabled[kUhf];
}

int BandState::bandOf(Frequency f, bool main) const {
    if (!main)
        return ::bandOf(nine, f);
    for (int i = 0; i < 2; ++i)
        if (mainBands[std::size_t(i)].contains(f))
            return i;
    return -1;
}

int BandState::mainBandCheck(Frequency f) const {
    if (nine[kVhf].contains(f))
        return kVhf;
    if (nine[kUhf].contains(f))
        return kUhf;
    return -1;
}

bool BandState::sameBand(Frequency a, Frequency b, bool main) const {
    return bandOf(a, main) == bandOf(b, main);
}

int BandState::firstDefinedBand(bool main) const {
    auto defined = [](const BandRange& r) {
        return r.lower != 0 && r.upper != 0 && r.lower != 0xFFFFFFFF && r.upper != 0xFFFFFFFF;
    };
    if (main) {
        for (int i = 0; i < 2; ++i)
            if (defined(mainBands[std::size_t(i)]))
                return i;
        return -1;
    }
    for (int b = 0; b < kBandCount; ++b)
        if (defined(nine[std::size_t(b)]))
            return b;
    return -1;
}

int BandState::defaultBand() const {
    if (enabled[kVhf])
        return kVhf;
    if (enabled[kUhf])
        return kUhf;
    return -1;
}
