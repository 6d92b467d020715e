#include "DefaultData.h"

#include "Bcd.h"
#include "DataFile.h"
#include "FactoryDefault.h"
#include "FiveToneStandards.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"

namespace {

constexpr Frequency kBandVfoDefaults[12] = {3000000,  45000000, 5000000,  45000000,
                                            15000000, 45000000, 35000000, 45000000,
                                            45000000, 45000000, 85000000, 45000000};

} // namespace

void writeBandSettingsRecord(MemoryImage& image, int b, const NineBands& bands) {
    using namespace ImageMap;
    const std::uint32_t r = kBandSettingsRecords.at(b);
    const auto settings = image.at(kSettings, 64);
    std::copy(settings.begin(), settings.end(), image.at(r, 64).begin());
    for (int second = 0; second < 2; ++second) {
        const std::uint32_t vfo = kBandVfoPairRecords.at(b) + kRecordSize * std::uint32_t(second);
        const int band = bandOf(bands, Bcd::read32(image.at<4>(vfo)));
        image.setByte(r + 2 + 4 * std::uint32_t(second), band < 0 ? 0xFF : std::uint8_t(band));
    }
}

void applyBandDefaults(MemoryImage& image, const NineBands& bands) {
    // The pairs' records lie one after another, so the twelve are one array of channel records.
    constexpr ImageMap::RecordArray records{ImageMap::kBandVfoPairs, ImageMap::kRecordSize, 12};
    for (int i = 0; i < records.count; ++i)
        writeInitialRecord(image.at<32>(records.at(i)), kBandVfoDefaults[i], bands);
    for (int b = 0; b < ImageMap::kBandPairCount; ++b)
        writeBandSettingsRecord(image, b, bands);
}

DefaultSource loadDefaultData(MemoryImage& image, const QString& defaultFilePath) {
    DefaultSource source = DefaultSource::File;
    if (!loadDataFile(defaultFilePath, image).ok) {
        image = buildFactoryDefault();
        source = DefaultSource::Factory;
    }
    applyBandDefaults(image, kAbsoluteBands);
    restoreStandardFiveToneTables(image);
    return source;
}
