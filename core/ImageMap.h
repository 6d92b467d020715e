#pragma once

#include <cstdint>

// Addresses of the memory map that more than one part of the program needs.
namespace ImageMap {

constexpr std::uint32_t kRecordSize = 32;

constexpr std::uint32_t kFiveToneCoefficients = 0x0060; // 16 x u16, from the 5-Tone tones
constexpr std::uint32_t kTwoToneCoefficients = 0x0080;  // 64 x u16, from the 2-Tone tones
constexpr std::uint32_t kBankA = 0x0100;                // channels 1..800
constexpr std::uint32_t kBankB = 0x6500;                // channels 801..1600
constexpr int kChannelsPerBank = 800;
constexpr std::uint32_t kScanEdges = 0xC900; // 10 records, L1 U1 .. L5 U5
constexpr int kScanEdgeCount = 10;
constexpr std::uint32_t kVfoRecords = 0xCA40; // 11 records
constexpr int kVfoCount = 11;
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
constexpr std::uint32_t kTwoToneSystems = 0xCF80;  // 16 x 32 bytes
constexpr std::uint32_t kTwoToneContacts = 0xD180; // 16 x 16 bytes
constexpr std::uint32_t kFiveToneSystem = 0xD280;  // selected standard, 40 bytes
constexpr std::uint32_t kFiveToneTones = 0xD288;
constexpr std::uint32_t kDtmfSettings = 0xD6B0;
constexpr std::uint32_t kDtmfCodeTable = 0xD760; // 16 x 24 bytes
constexpr std::uint32_t kVfoCopy = 0xD8E0;       // copy of VFO records 0..8
constexpr std::uint32_t kBandVfoPairs = 0xDA00;  // 6 x 64 bytes
constexpr std::uint32_t kBandSettings = 0xDB80;  // 6 x 64 bytes
constexpr int kBandPairCount = 6;
constexpr std::uint32_t kIdentity = 0xFF00;
constexpr std::uint32_t kProgrammingDate = 0xFF28;
constexpr std::uint32_t kBandLimits = 0xFF30; // 9 x 16 bytes

constexpr std::uint32_t channelAddress(int n) {
    return 0x00E0 + kRecordSize * std::uint32_t(n);
}

// PC block: sixteen 40-byte 5-Tone system records from offset 0x100.
constexpr std::uint32_t kPcFiveToneSystems = 0x100;
constexpr std::uint32_t kFiveToneRecordSize = 40;
constexpr int kFiveToneSystemCount = 16;
constexpr std::uint32_t pcFiveToneSystem(int k) {
    return kPcFiveToneSystems + kFiveToneRecordSize * std::uint32_t(k);
}

} // namespace ImageMap
