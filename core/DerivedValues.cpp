#include "DerivedValues.h"

#include "Bcd.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "Tones.h"

void recomputeToneDecoderCoefficients(MemoryImage& image) {
    using namespace ImageMap;
    for (std::uint32_t i = 0; i < 16; ++i)
        image.setWord(kFiveToneCoefficients + 2 * i,
                      toneDecoderCoefficient(image.word(kFiveToneTones + 2 * i)));
    for (int system = 0; system < kTwoToneSystemRecords.count; ++system)
        for (std::uint32_t j = 0; j < 4; ++j)
            image.setWord(kTwoToneCoefficientRecords.at(system) + 2 * j,
                          toneDecoderCoefficient(image.word(kTwoToneSystemRecords.at(system) +
                                                            kTwoToneSystemTones + 2 * j)));
}

void recomputeScramblerCoefficient(MemoryImage& image) {
    int s = image.word(ImageMap::kScramblerFrequency);
    if (s < 2600 || s > 4000)
        s = 3300;
    // s * 2 / 0.7324 = s * 20000 / 7324, rounded half up, in integers.
    image.setWord(ImageMap::kScramblerCoefficient, std::uint16_t((s * 40000 + 7324) / (2 * 7324)));
}

void rebuildChannelBitmaps(MemoryImage& image, const NineBands& bands) {
    using namespace ImageMap;
    for (int bank = 0; bank < 2; ++bank) {
        const std::uint32_t* maps = &kChannelBitmaps[3 * bank];
        for (int m = 0; m < 3; ++m)
            image.fill(maps[m], kBitmapBytes, 0x00);
        for (int i = 1; i <= kChannelsPerBank; ++i) {
            const auto record = image.at<32>(channelAddress(i + bank * kChannelsPerBank));
            if (bandOf(bands, Bcd::read32(record.first<4>())) < 0)
                continue;
            const int scan = record[12] & 0x03;
            const bool member[3] = {true, scan == 0 || scan == 2, scan == 2};
            const std::uint32_t byte = std::uint32_t(i - 1) / 8;
            const std::uint8_t bit = std::uint8_t(1u << ((i - 1) % 8));
            for (int m = 0; m < 3; ++m)
                if (member[m])
                    image.setByte(maps[m] + byte, image.byte(maps[m] + byte) | bit);
        }
    }
}

void copyVfoRecords(MemoryImage& image) {
    using namespace ImageMap;
    const auto records = image.at(kVfoRecords, 9 * kRecordSize);
    std::copy(records.begin(), records.end(), image.at(kVfoCopy, 9 * kRecordSize).begin());
}

void refreshDerivedRegions(MemoryImage& image, const NineBands& bands) {
    recomputeToneDecoderCoefficients(image);
    recomputeScramblerCoefficient(image);
    rebuildChannelBitmaps(image, bands);
    copyVfoRecords(image);
}
