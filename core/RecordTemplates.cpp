#include "RecordTemplates.h"

#include "Bcd.h"

#include <algorithm>

namespace {

constexpr Frequency kShortShift = 60000; // 0.6 MHz
constexpr Frequency kLongShift = 760000; // 7.6 MHz
constexpr int kAirBand = 3;

void writeTemplate(Record r, Frequency f, Frequency shift, bool am) {
    std::fill(r.begin(), r.end(), 0xFF);
    if (f != 0) {
        Bcd::write32(r.subspan<0, 4>(), f);
        std::copy_n(r.begin(), 4, r.begin() + 4);
    }
    Bcd::write16(r.subspan<8, 2>(), 1000); // 100.0 Hz
    Bcd::write16(r.subspan<10, 2>(), 23);  // DCS 023
    r[12] = 0xC0;                          // power High, display Frequency, scan Allow
    r[13] = 0x08;                          // Wide, Emphasis on, SQL Carrier
    r[14] = 0x06;                          // offset off, step 12.5 kHz
    r[15] = 0x00;
    Bcd::write32(r.subspan<16, 4>(), shift);
    r[20] = am ? 0x10 : 0x00;
    r[21] = 0x00; // PTT ID Off
}

} // namespace

void writeInitialRecord(Record record, Frequency f, const NineBands& bands) {
    const int band = f == 0 ? -1 : bandOf(bands, f);
    writeTemplate(record, f, band == 7 || band == 8 ? kLongShift : kShortShift, band == kAirBand);
}

void writeEmptyRowRecord(Record record) {
    writeTemplate(record, 0, kLongShift, false);
}

bool isEmptyRecord(std::span<const std::uint8_t, 32> record) {
    return record[3] == 0xFF || record[3] == 0x00;
}
