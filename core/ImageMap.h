#pragma once

#include <cstdint>

// Addresses of the memory map that more than one part of the program needs.
namespace ImageMap {

// Equal records one after another: record i, counted from 0, at base + stride * i.
struct RecordArray {
    std::uint32_t base;
    std::uint32_t stride;
    int count;

    constexpr std::uint32_t at(int index) const { return base + stride * std::uint32_t(index); }
    // Record n counted from 1, as the forms number channels, contacts and entries.
    constexpr std::uint32_t number(int n) const { return at(n - 1); }
};

constexpr std::uint32_t kRecordSize = 32;

constexpr std::uint32_t kFiveToneCoefficients = 0x0060; // 16 x u16, from the 5-Tone tones
constexpr std::uint32_t kTwoToneCoefficients = 0x0080;  // 64 x u16, from the 2-Tone tones
constexpr RecordArray kTwoToneCoefficientRecords{kTwoToneCoefficients, 8, 16};
constexpr std::uint32_t kBankA = 0x0100; // channels 1..800
// A read from the radio brings 0x0100-0xFFFF; below that the image is the program's own.
constexpr std::uint32_t kRadioReadStart = 0x0100;
constexpr std::uint32_t kBankB = 0x6500; // channels 801..1600
constexpr int kChannelsPerBank = 800;
constexpr RecordArray kChannels{kBankA, kRecordSize, 2 * kChannelsPerBank};
constexpr std::uint32_t kScanEdges = 0xC900; // 10 records, L1 U1 .. L5 U5
constexpr RecordArray kScanEdgeRecords{kScanEdges, kRecordSize, 10};
constexpr int kScanEdgeCount = kScanEdgeRecords.count;
constexpr std::uint32_t kVfoRecords = 0xCA40; // 11 records
constexpr RecordArray kVfoRecordArray{kVfoRecords, kRecordSize, 11};
constexpr int kVfoCount = kVfoRecordArray.count;
constexpr std::uint32_t kSettings = 0xCC00; // 64-byte settings record
constexpr std::uint32_t kLeftPriorityChannel = 0xCC18;
constexpr std::uint32_t kRightPriorityChannel = 0xCC1A;
constexpr std::uint32_t kStorageFlags = 0xCC25; // bits 1-0 cleared by every store
constexpr std::uint32_t kScramblerFrequency = 0xCC28;
constexpr std::uint32_t kScramblerCoefficient = 0xCC2A;
constexpr std::uint32_t kAlarm = 0xCC70;
constexpr std::uint32_t kEmiCode = 0xCC76;
constexpr std::uint32_t kChannelBitmaps[6] = {0xCC80, 0xCD00, 0xCD80, 0xCE00, 0xCE80, 0xCF00};
constexpr std::uint32_t kBitmapBytes = 100;
constexpr std::uint32_t kTwoToneSystems = 0xCF80;
constexpr RecordArray kTwoToneSystemRecords{kTwoToneSystems, 32, 16};
constexpr std::uint32_t kTwoToneSystemTones = 16; // A-D tones, 4 x u16, in a system record
constexpr std::uint32_t kTwoToneContacts = 0xD180;
constexpr RecordArray kTwoToneContactRecords{kTwoToneContacts, 16, 16};
constexpr std::uint32_t kFiveToneSystem = 0xD280; // selected standard, 40 bytes
constexpr std::uint32_t kFiveToneTones = 0xD288;
constexpr std::uint32_t kFiveTonePttIds = 0xD2B0; // begin and end ID, 8 digits each
constexpr std::uint32_t kFiveToneSelfId = 0xD2C0;
constexpr RecordArray kFiveToneContactRecords{0xD2D0, 32, 16};
constexpr RecordArray kFiveToneInfoRecords{0xD4D0, 16, 8};
constexpr std::uint32_t kDtmfSettings = 0xD6B0;
constexpr RecordArray kDtmfPttIdRecords{0xD6E0, 32, 4};
constexpr std::uint32_t kDtmfCodeTable = 0xD760;
constexpr RecordArray kDtmfCodeRecords{kDtmfCodeTable, 24, 16};
constexpr std::uint32_t kVfoCopy = 0xD8E0; // copy of VFO records 0..8
constexpr std::uint32_t kBandVfoPairs = 0xDA00;
constexpr RecordArray kBandVfoPairRecords{kBandVfoPairs, 64, 6}; // two channel records each
constexpr std::uint32_t kBandSettings = 0xDB80;
constexpr RecordArray kBandSettingsRecords{kBandSettings, 64, 6};
constexpr int kBandPairCount = kBandVfoPairRecords.count;
constexpr std::uint32_t kIdentity = 0xFF00;
constexpr std::uint32_t kProgrammingDate = 0xFF28;
constexpr std::uint32_t kBandLimits = 0xFF30;
constexpr RecordArray kBandLimitRecords{kBandLimits, 16, 9}; // Rx lower, upper, Tx lower, upper

// Channel n, 1..1600 (801..1600 are bank B).
constexpr std::uint32_t channelAddress(int n) {
    return kChannels.number(n);
}

// The PC block as the program addresses it, after the image (MemoryImage::kPcBase).
constexpr std::uint32_t kPcBlock = 0x10000;

// PC block: sixteen 40-byte 5-Tone system records from offset 0x100.
constexpr std::uint32_t kFiveToneRecordSize = 40;
constexpr RecordArray kPcFiveToneRecords{0x100, kFiveToneRecordSize, 16};
constexpr int kFiveToneSystemCount = kPcFiveToneRecords.count;
// The same records at their addresses (the working copies of the sixteen 5-Tone standards).
constexpr RecordArray kFiveToneStandardRecords{kPcBlock + 0x100, kFiveToneRecordSize, 16};
constexpr std::uint32_t pcFiveToneSystem(int k) {
    return kPcFiveToneRecords.at(k);
}

} // namespace ImageMap
