#include "FactoryDefault.h"

#include "Bcd.h"
#include "DefaultData.h"
#include "DerivedValues.h"
#include "Digits.h"
#include "FiveToneStandards.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"

#include <cstring>

using namespace ImageMap;

namespace {

// Band-limit table: receive and transmit edges per band; zeros are empty edges, written as the
// band-limit editor writes an empty cell.
struct BandEdges {
    Frequency rxLower, rxUpper, txLower, txUpper;
};
constexpr BandEdges kFactoryBandLimits[kBandCount] = {
    {},
    {},
    {},
    {},
    {13400000, 18000000, 13600000, 17400000}, // 150M: receive 134-180, transmit 136-174
    {},
    {},
    {40000000, 51200000, 40000000, 48000000}, // 450M: receive 400-512, transmit 400-480
    {},
};
constexpr int kVhf = 4;
constexpr int kUhf = 7;

// Settings bytes at 0xCC00.. that are not simply zero. The record's band part (0xCC00-0xCC17)
// starts on channel 1 for both sides, VHF left and UHF right, the 150M VFO pair selected.
struct ByteDefault {
    std::uint32_t address;
    std::uint8_t value;
};
constexpr ByteDefault kSettingsDefaults[] = {
    {0xCC00, 1},
    {0xCC02, kVhf},
    {0xCC04, 1},
    {0xCC06, kUhf},
    {0xCC08, 0xFF},
    {0xCC0B, 2},    // band VFO pair of 150M
    {0xCC20, 2},    // SQL(Left) "5"
    {0xCC22, 3},    // backlight brightness 3
    {0xCC23, 1},    // backlight colour Blue
    {0xCC24, 0x80}, // beep on
    {0xCC25, 0x80}, // TBST 1750 Hz
    {0xCC28, 3300 & 0xFF},
    {0xCC29, 3300 >> 8}, // scrambler 3300 Hz
    {0xCC2E, 2},         // SQL(Right) "5"
    {0xCC2F, 8},         // volume 8
    {0xCC30, 3},         // TOT 3 minutes
    {0xCC38, 11},
    {0xCC39, 12},
    {0xCC3A, 7},
    {0xCC3B, 6}, // P1..P4: BAND, VFO/MR,
                 // TONE, LOW
    {0xCC71, 5},
    {0xCC72, 5},
    {0xCC73, 8}, // alarm: 5 cycles, Tx 5 s, Rx 8 s
};

constexpr ByteDefault kDtmfDefaults[] = {
    {0xD6B0, 100}, // speed 100 ms
    {0xD6B1, 9},   // first digit delay 450 ms
    {0xD6B2, 2},   // first digit 100 ms
    {0xD6B3, 3},   // hold time 3 s
    {0xD6B4, 14},  // group code "*"
    {0xD6B5, 13},  // delimiter "D"
    {0xD6B6, 0},   // PTT ID types "Up"
    {0xD6B7, 0},   // side tone off
    {0xD6D8, 2},   // decode response "Reply"
    {0xD6DA, 0},   // stun type "Tx Inhibit"
    {0xD6DB, 10},  // auto reset 10 s
};

void writeBytes(MemoryImage& image, std::span<const ByteDefault> defaults) {
    for (const auto& d : defaults)
        image.setByte(d.address, d.value);
}

void writeText(std::span<std::uint8_t> field, const char* text) {
    std::fill(field.begin(), field.end(), 0xFF);
    std::memcpy(field.data(), text, std::min(field.size(), std::strlen(text)));
}

void writeBandLimits(MemoryImage& image) {
    for (std::uint32_t b = 0; b < kBandCount; ++b) {
        const auto& e = kFactoryBandLimits[b];
        const Frequency edges[4] = {e.rxLower, e.rxUpper, e.txLower, e.txUpper};
        for (std::uint32_t i = 0; i < 4; ++i)
            Bcd::write32(image.at<4>(kBandLimitRecords.at(int(b)) + 4 * i), edges[i]);
    }
}

void writeChannels(MemoryImage& image, const NineBands& bands) {
    // Bank B is kept by the program, not edited: unprogrammed but for channel 801.
    image.fill(kBankB, std::size_t(kChannelsPerBank) * kRecordSize, 0xFF);
    for (int n = 2; n <= kChannelsPerBank; ++n)
        writeEmptyRowRecord(image.at<32>(channelAddress(n)));
    for (int n : {1, kChannelsPerBank + 1})
        writeInitialRecord(image.at<32>(channelAddress(n)), bands[kVhf].lower, bands);
    for (int k = 0; k < kScanEdgeCount; ++k)
        writeInitialRecord(image.at<32>(kScanEdgeRecords.at(k)), 0, bands);
}

// VFO record k rests on its band's lower limit; a disabled band's record on the built-in one.
void writeVfoRecords(MemoryImage& image, const NineBands& bands) {
    for (std::uint32_t k = 0; k < kVfoCount; ++k) {
        Frequency f;
        if (k < kBandCount)
            f = (k == kVhf || k == kUhf) ? bands[k].lower : kAbsoluteBands[k].lower;
        else
            f = k == 9 ? bands[kVhf].lower : bands[kUhf].lower;
        writeInitialRecord(image.at<32>(kVfoRecordArray.at(int(k))), f, bands);
    }
    const auto vfos = image.at(kVfoRecords, 9 * kRecordSize);
    std::copy(vfos.begin(), vfos.end(), image.at(kVfoCopy, 9 * kRecordSize).begin());
}

// The band VFO pairs as the channel store sets them: the first record of each pair on its
// band's lower limit, or on the first defined band (150M) where its band is not in the radio;
// the second records on 450M.
void writeBandVfoPairs(MemoryImage& image, const NineBands& bands) {
    const Frequency first[kBandPairCount] = {bands[kVhf].lower, bands[kVhf].lower,
                                             bands[kVhf].lower, bands[kVhf].lower,
                                             bands[kUhf].lower, bands[kVhf].lower};
    for (int b = 0; b < kBandPairCount; ++b) {
        const std::uint32_t pair = kBandVfoPairRecords.at(b);
        writeInitialRecord(image.at<32>(pair), first[b], bands);
        writeInitialRecord(image.at<32>(pair + kRecordSize), bands[kUhf].lower, bands);
    }
    for (int b = 0; b < kBandPairCount; ++b)
        writeBandSettingsRecord(image, b, bands);
}

// Sixteen 2-Tone systems as the 2-Tone form shows a fresh one, and sixteen empty contacts.
void writeTwoTone(MemoryImage& image) {
    for (int s = 0; s < kTwoToneSystemRecords.count; ++s) {
        const std::uint32_t r = kTwoToneSystemRecords.at(s);
        image.fill(r, 32, 0xFF);
        writeText(image.at(r, 6),
                  QStringLiteral("2T-S%1").arg(s + 1, 2, 10, QChar(u'0')).toLatin1().constData());
        const std::uint8_t times[5] = {5, 10, 30, 50, 10}; // pre-carrier, 1st, 2nd, long, gap
        for (std::uint32_t i = 0; i < 5; ++i)
            image.setByte(r + 8 + i, times[i]);
        image.setByte(r + 13, 0x00);
        const std::uint16_t tones[4] = {3217, 9281, 6265, 20438}; // A-D
        for (std::uint32_t i = 0; i < 4; ++i)
            image.setWord(r + 16 + 2 * i, tones[i]);
        const std::uint8_t formats[4] = {0x12, 0x00, 0x00, 0x00}; // Decode 1 "A-B"
        for (std::uint32_t i = 0; i < 4; ++i)
            image.setByte(r + 24 + i, formats[i]);
        image.setByte(r + 28, 0x01); // Decode 1 response "Remind"
        image.setByte(r + 30, 0);    // reply wait Off
        image.setByte(r + 31, 10);   // auto reset 10 s
    }
    for (int n = 0; n < kTwoToneContactRecords.count; ++n) {
        const std::uint32_t r = kTwoToneContactRecords.at(n);
        image.fill(r, 16, 0xFF);
        image.setByte(r + 12, 0x00);
        image.setByte(r + 13, 0x01);
    }
}

// PC block entries with the built-in headers, the user standard starting from ZVEI1's tones,
// and the image's 5-Tone block on ZVEI1.
void writeFiveTone(MemoryImage& image) {
    auto pc = image.pc();
    for (int k = 0; k < kFiveToneSystemCount; ++k) {
        const auto& standard = fiveToneStandard(k);
        const auto& tones = fiveToneStandard(k == kUserFiveToneStandard ? 0 : k).tones;
        const std::uint32_t e = pcFiveToneSystem(k);
        const std::uint8_t header[8] = {std::uint8_t(k),
                                        std::uint8_t(standard.nominalWidthMs),
                                        0x0A,
                                        0x0E,
                                        std::uint8_t(standard.hasDelimiter ? 0x0F : 0x00),
                                        0xFF,
                                        0xFF,
                                        0xFF};
        std::copy(std::begin(header), std::end(header), pc.begin() + e);
        for (std::uint32_t i = 0; i < 16; ++i) {
            pc[e + 8 + 2 * i] = std::uint8_t(tones[i] & 0xFF);
            pc[e + 9 + 2 * i] = std::uint8_t(tones[i] >> 8);
        }
    }
    image.fill(kFiveToneSystem, 0xD550 - kFiveToneSystem, 0xFF);
    std::copy_n(pc.begin() + pcFiveToneSystem(0), kFiveToneRecordSize,
                image.at(kFiveToneSystem, kFiveToneRecordSize).begin());
    for (std::uint32_t i = 0; i < 4; ++i)
        image.setByte(0xD2A8 + i, 10); // pre-carrier, first expand, end delay, reply: 100 ms
    image.setByte(0xD2AF, 0x00);
    image.setByte(0xD2C8, 0);  // decode response Off
    image.setByte(0xD2C9, 10); // auto reset 10 s
    for (int n = 0; n < kFiveToneContactRecords.count; ++n) {
        const std::uint32_t r = kFiveToneContactRecords.at(n);
        if (n == 0)
            Digits::writeCode(image.at(r, 8), QStringLiteral("12345"), Digits::Code::Hex);
        writeText(image.at(r + 8, 6),
                  QStringLiteral("2T-S%1").arg(n + 1, 2, 10, QChar(u'0')).toLatin1().constData());
        image.setByte(r + 15, 0); // code type Off
    }
    for (int m = 0; m < kFiveToneInfoRecords.count; ++m) {
        image.setByte(kFiveToneInfoRecords.at(m) + 14, 0); // response Off
        image.setByte(kFiveToneInfoRecords.at(m) + 15, 0); // type Select
    }
}

} // namespace

NineBands factoryWorkingBands() {
    NineBands bands{};
    for (int b = 0; b < kBandCount; ++b)
        bands[b] = {kFactoryBandLimits[b].rxLower, kFactoryBandLimits[b].rxUpper};
    return bands;
}

MemoryImage buildFactoryDefault() {
    MemoryImage image;
    const NineBands bands = factoryWorkingBands();
    // Unprogrammed memory reads 0xFF; the settings block and the bitmaps start cleared.
    image.fill(0, MemoryImage::kImageSize, 0xFF);
    image.fill(kSettings, 0xCF80 - kSettings, 0x00);
    writeBytes(image, kSettingsDefaults);
    recomputeScramblerCoefficient(image);
    writeBandLimits(image);
    writeChannels(image, bands);
    writeVfoRecords(image, bands);
    writeBandVfoPairs(image, bands);
    writeTwoTone(image);
    writeFiveTone(image);
    writeBytes(image, kDtmfDefaults);
    writeText(image.at(kIdentity + 8, 8), kFactoryModelName);
    recomputeToneDecoderCoefficients(image);
    rebuildChannelBitmaps(image, bands);
    return image;
}
