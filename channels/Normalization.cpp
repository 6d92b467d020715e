#include "Normalization.h"

#include "BandState.h"
#include "ChannelEditRules.h"
#include "ChannelRecord.h"
#include "ChannelRules.h"
#include "DerivedValues.h"
#include "ImageMap.h"
#include "MemoryImage.h"

#include <algorithm>
#include <vector>

using namespace ImageMap;

namespace Normalization {

namespace {

Frequency rxAt(const MemoryImage& image, std::uint32_t address) {
    return ChannelRecord::rxFrequency(image.at<32>(address));
}

void setRxTx(MemoryImage& image, std::uint32_t address, Frequency f) {
    const Record r = image.at<32>(address);
    ChannelRecord::setRxFrequency(r, f);
    ChannelRecord::setTxFrequency(r, f);
}

bool inSomeBand(const MemoryImage& image, std::uint32_t address, const BandState& bands) {
    return bands.bandOf(rxAt(image, address)) >= 0;
}

} // namespace

// Digits that the selected 5-Tone standard cannot send (a letter without a tone, and the
// letter of its repeat tone) are taken out of every 5-Tone code.
void cleanFiveToneCodes(MemoryImage& image) {
    bool forbidden[16] = {};
    for (std::uint32_t c = 10; c < 16; ++c)
        forbidden[c] = image.word(kFiveToneTones + 2 * c) == 0;
    const std::uint8_t repeat = image.byte(kFiveToneSystem + 3);
    if (repeat < 16)
        forbidden[repeat] = true;

    std::vector<std::uint32_t> fields = {kFiveTonePttIds, kFiveTonePttIds + 8};
    for (int n = 0; n < kFiveToneContactRecords.count; ++n)
        fields.push_back(kFiveToneContactRecords.at(n));
    fields.push_back(kFiveToneSelfId);
    for (int m = 0; m < kFiveToneInfoRecords.count; ++m)
        fields.push_back(kFiveToneInfoRecords.at(m));
    for (std::uint32_t address : fields) {
        const auto field = image.at(address, 8);
        std::array<std::uint8_t, 8> kept;
        kept.fill(0xFF);
        std::size_t count = 0;
        for (std::uint8_t b : field)
            if (b < 16 && !forbidden[b])
                kept[count++] = b;
        std::copy(kept.begin(), kept.end(), field.begin());
    }
}

void checkEmiCode(MemoryImage& image) {
    const int c = image.byte(kEmiCode);
    if (c >= 1 && c <= 16 && image.byte(kDtmfCodeRecords.number(c)) == 0xFF)
        image.setByte(kEmiCode, 0);
}

void checkVfoRecords(MemoryImage& image, const BandState& bands) {
    for (int k = 0; k < kVfoCount; ++k) {
        const std::uint32_t address = kVfoRecordArray.at(k);
        if (!ChannelEditRules::vfoEnabled(k, bands))
            setRxTx(image, address, ChannelEditRules::vfoBuiltInLower(k));
        else if (!ChannelEditRules::vfoAccepts(k, rxAt(image, address), bands))
            setRxTx(image, address, ChannelEditRules::vfoLimits(k, bands).lower);
    }
    copyVfoRecords(image);
}

void checkChannelReferences(MemoryImage& image) {
    const std::pair<std::uint32_t, int> references[] = {{kLeftPriorityChannel, 0},
                                                        {kRightPriorityChannel, kChannelsPerBank}};
    for (auto [address, bankStart] : references) {
        const int n = image.word(address);
        if (n >= 1 && n <= kChannelsPerBank &&
            isEmptyRecord(image.at<32>(channelAddress(n + bankStart))))
            image.setWord(address, 0);
    }
}

void setBandVfoPairFrequencies(MemoryImage& image, const BandState& bands) {
    // For each first record: the bands to try in order; -1 stands for the first defined band.
    const std::vector<int> firstChoices[kBandPairCount] = {{0, -1}, {1, 2, -1}, {4, -1},
                                                           {6, -1}, {7, 5, -1}, {8, -1}};
    auto pick = [&](const std::vector<int>& choices, int fallback) {
        for (int b : choices) {
            if (b >= 0 && bands.enabled[std::size_t(b)])
                return b;
            if (b < 0)
                return fallback;
        }
        return -1;
    };
    const int secondBand = pick({7, 5, -1}, bands.defaultBand());
    for (int p = 0; p < kBandPairCount; ++p) {
        const int firstBand = pick(firstChoices[p], bands.firstDefinedBand());
        // With no band to name the record keeps its frequency.
        if (firstBand >= 0)
            setRxTx(image, kBandVfoPairRecords.at(p), bands.nine[std::size_t(firstBand)].lower);
        if (secondBand >= 0)
            setRxTx(image, kBandVfoPairRecords.at(p) + kRecordSize,
                    bands.nine[std::size_t(secondBand)].lower);
    }
}

void checkBandSettingsRecords(MemoryImage& image, const BandState& bands) {
    int firstUsable = 0xFF;
    bool usable[kBandPairCount];
    for (int p = kBandPairCount - 1; p >= 0; --p) {
        usable[p] = inSomeBand(image, kBandVfoPairRecords.at(p), bands);
        if (usable[p])
            firstUsable = p;
    }
    int firstEnabled = 0xFF;
    for (int b = kBandCount - 1; b >= 0; --b)
        if (bands.enabled[std::size_t(b)])
            firstEnabled = b;

    auto validReference = [&](int v) {
        if (v >= 1 && v <= 256)
            return inSomeBand(image, channelAddress(v), bands);
        if (v == 0 || (v >= 257 && v <= 810)) {
            const int slot = ((v - 257) % 256 + 256) % 256;
            return inSomeBand(image, kScanEdgeRecords.at(slot), bands);
        }
        return false;
    };

    std::vector<std::uint32_t> records = {kSettings};
    for (int b = 0; b < kBandPairCount; ++b)
        records.push_back(kBandSettingsRecords.at(b));
    for (std::uint32_t r : records) {
        for (std::uint32_t at : {r, r + 4})
            if (!validReference(image.word(at)))
                image.setWord(at, 1);
        for (std::uint32_t at : {r + 2, r + 6}) {
            const int band = image.byte(at);
            if (band > 8 || !bands.enabled[std::size_t(band)])
                image.setByte(at, std::uint8_t(firstEnabled));
        }
        image.setByte(r + 8, 0xFF);
        for (int shift : {0, 2})
            if (image.bits(r + 9, shift, 2) == 3)
                image.setBits(r + 9, shift, 2, 0);
        const int pair = image.byte(r + 11);
        if (pair > 5 || !usable[pair])
            image.setByte(r + 11, std::uint8_t(firstUsable));
        for (std::uint32_t i : {16u, 17u, 18u, 20u, 21u, 22u})
            if (image.byte(r + i) > 15)
                image.setByte(r + i, 0);
    }
}

} // namespace Normalization

void normalizeAfterTableStore(MemoryImage& image, const BandState& bands) {
    using namespace Normalization;
    ChannelRules::ensureFirstChannels(image, bands);
    cleanFiveToneCodes(image);
    recomputeToneDecoderCoefficients(image);
    recomputeScramblerCoefficient(image);
    checkEmiCode(image);
    rebuildChannelBitmaps(image, bands.nine);
    checkVfoRecords(image, bands);
    checkChannelReferences(image);
    setBandVfoPairFrequencies(image, bands);
    checkBandSettingsRecords(image, bands);
}
