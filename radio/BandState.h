#pragma once

#include "BandTable.h"

#include <array>

class MemoryImage;

// The working band limits the channel, VFO and scan forms check frequencies against: the
// 9-band table, the two main bands (VHF, and UHF or 220 MHz) that bank B uses, which bands the
// radio has, and whether the band-limit editor has been unlocked.
class BandState {
public:
    static inline const char* kAccessCode = "3957HVD";
    static constexpr int kVhf = 4;
    static constexpr int kBand220 = 5;
    static constexpr int kUhf = 7;

    // Built-in: the absolute ranges, 134-180 and 400-512 MHz main bands, only band 0 enabled.
    BandState();
    // As the program has it after opening a data file and loading its channel table.
    static BandState fromImage(const MemoryImage& image);

    NineBands nine;
    std::array<BandRange, 2> mainBands;
    std::array<bool, kBandCount> enabled{};
    bool firstMainPresent = false;
    bool secondMainPresent = false;
    bool unlocked = false; // once set, stays set for the run

    // Working edges from the receive edges of the image's band-limit table (empty edges read
    // as 0); the main bands follow band 4 and band 5, else band 7. Enabled flags stay.
    void loadLimitsFromImage(const MemoryImage& image);
    // A band is enabled when its stored receive lower edge lies in its absolute range.
    void deriveEnabledFlags(const MemoryImage& image);
    void updateMainFlags();

    // The first band containing f, or -1; with `mainBands`, 0 or 1 of the two main bands.
    int bandOf(Frequency f, bool mainBands = false) const;
    // 4 when f lies in band 4, else 7 when in band 7, else -1.
    int mainBandCheck(Frequency f) const;
    // Both in the same band, or both in none.
    bool sameBand(Frequency a, Frequency b, bool mainBands = false) const;
    // The first band whose edges are both neither 0 nor all ones; -1 when none.
    int firstDefinedBand(bool mainBands = false) const;
    // 4 when band 4 is enabled, else 7 when band 7 is, else -1.
    int defaultBand() const;
};
