#pragma once

#include "Report.h"

#include <cstdint>
#include <vector>

class BandState;
class MemoryImage;

// One field whose text differs between two reports, or one record that moved.
struct Difference {
    QString section;
    QString item;  // the record ("Channel 37", "VFO 150M"); empty for a section's own fields
    QString field; // the field's label; empty for a record that moved
    QString before;
    QString after; // for a moved record: where it went ("13", "13-41")
    bool moved = false;
};

// Every field whose text differs, in report order: the fields of a record (a table row, a
// group) one by one, a record only one report uses against empty texts. A record found at
// another row of the same table, unchanged, is one move instead ("Channel 12 moved to 13"; a
// run of them, "Channels 12-40 moved to 13-41").
std::vector<Difference> compareReports(const Report& before, const Report& after);

// "Channel 37: Power: Middle 2 -> High", "Basic setting: Beep: On -> Off", "Channel 12 moved
// to 13"; an empty text shows as "(none)".
QString differenceLine(const Difference& difference);

// Two sets of data compared: what the forms show, and the bytes no form shows.
struct Comparison {
    std::vector<Difference> differences;
    // Data bytes that differ where no form shows anything (bank B, the PC block's standards,
    // hidden fields, derived regions), and the first of them (image addresses, then the PC
    // block from 0x10000).
    int bytesOutside = 0;
    std::uint32_t firstOutside = 0;
    // Data bytes the forms show that differ but show the same text (two codes without an entry).
    int bytesAlike = 0;
    std::uint32_t firstAlike = 0;

    bool equal() const { return differences.empty() && bytesOutside == 0 && bytesAlike == 0; }
    // The lines after the differences: "N bytes differ outside the forms (first at 0xC910)".
    QStringList closingLines() const;
};

Comparison compareData(const MemoryImage& before, const BandState& beforeBands,
                       const MemoryImage& after, const BandState& afterBands);
