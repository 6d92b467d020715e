#include "BandLimitEditing.h"

#include "BandState.h"
#include "Bcd.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RadioIdentity.h"

namespace {
constexpr int kMainRows[3] = {4, 5, 7}; // 150M, 250M, 450M
}

BandLimitTable BandLimitTable::fromImage(const MemoryImage& image) {
    BandLimitTable t;
    for (int b = 0; b < kBandCount; ++b) {
        const BandEdges edges = readBandEdges(image, b);
        for (int c = 0; c < 4; ++c)
            t.rows_[std::size_t(b)][std::size_t(c)] = editable(b, c) ? edges[std::size_t(c)] : 0;
    }
    t.applyConsistency();
    return t;
}

const QStringList& BandLimitTable::headers() {
    static const QStringList list = {
        QT_TRANSLATE_NOOP("Radio", "No."), QT_TRANSLATE_NOOP("Radio", "Rx Lower"),
        QT_TRANSLATE_NOOP("Radio", "Rx Upper"), QT_TRANSLATE_NOOP("Radio", "Tx Lower"),
        QT_TRANSLATE_NOOP("Radio", "Tx Upper")};
    return list;
}

QString BandLimitTable::cellText(int band, int column) const {
    const Frequency f = cell(band, column);
    return f == 0 ? QString() : FrequencyText::fromValue(f);
}

bool BandLimitTable::editable(int band, int column) {
    return column < TxLower || kBandTransmits[band];
}

bool BandLimitTable::commit(int band, int column, const QString& text) {
    Row& row = rows_[std::size_t(band)];
    const BandRange abs = kAbsoluteBands[std::size_t(band)];
    const bool receive = column <= RxUpper;
    const int lowerColumn = receive ? RxLower : TxLower;
    const Frequency typed = FrequencyText::toValue(text);
    if (text.isEmpty()) {
        if (!receive) {
            row[TxLower] = row[TxUpper] = 0;
            return true;
        }
        // The radio needs one of its main bands.
        int othersSet = 0;
        bool mainRow = false;
        for (int m : kMainRows) {
            mainRow = mainRow || m == band;
            othersSet += (m != band && rxLowerSet(m)) ? 1 : 0;
        }
        if (mainRow && othersSet == 0)
            return false;
        row = {};
        return true;
    }
    Frequency& lower = row[std::size_t(lowerColumn)];
    Frequency& upper = row[std::size_t(lowerColumn + 1)];
    if (lower == 0 && upper == 0) {
        lower = abs.lower;
        upper = abs.upper;
        return true;
    }
    if (column == lowerColumn) {
        Frequency l = gridCheck(typed);
        const Frequency u = gridCheck(upper);
        if (l >= u || l < abs.lower || l >= abs.upper)
            l = abs.lower;
        lower = l;
    } else {
        const Frequency l = gridCheck(lower);
        Frequency u = gridCheck(typed);
        if (l >= u || u <= abs.lower || u > abs.upper)
            u = abs.upper;
        upper = u;
    }
    return true;
}

void BandLimitTable::applyConsistency() {
    for (int b = 0; b < kBandCount; ++b) {
        if (!rxLowerSet(b))
            continue;
        Row& row = rows_[std::size_t(b)];
        const BandRange abs = kAbsoluteBands[std::size_t(b)];
        Frequency& l = row[RxLower];
        Frequency& u = row[RxUpper];
        if (l >= u || l < abs.lower || l >= abs.upper)
            l = abs.lower;
        if (u <= abs.lower || u > abs.upper)
            u = abs.upper;
        Frequency& tl = row[TxLower];
        Frequency& tu = row[TxUpper];
        if (tl != 0 && tu != 0) {
            if (tl < l || tl > u)
                tl = l;
            if (tu < l || tu > u)
                tu = u;
        }
    }
}

bool BandLimitTable::closeAllowed() const {
    return !(rxLowerSet(1) && rxLowerSet(2)) && !(rxLowerSet(5) && rxLowerSet(7)) &&
           (rxLowerSet(4) || rxLowerSet(5) || rxLowerSet(7));
}

bool BandLimitTable::writeBack(MemoryImage& image, BandState& bands) {
    applyConsistency();
    bool changed = false;
    for (int b = 0; b < kBandCount; ++b) {
        const Row& row = rows_[std::size_t(b)];
        const BandEdges stored = readBandEdges(image, b);
        for (std::uint32_t c = 0; c < 4; ++c) {
            if (stored[c] == row[c])
                continue;
            Bcd::write32(image.at<4>(ImageMap::kBandLimitRecords.at(b) + 4 * c), row[c]);
            changed = true;
        }
        bands.enabled[std::size_t(b)] = kAbsoluteBands[std::size_t(b)].contains(row[RxLower]);
        bands.nine[std::size_t(b)] = {row[RxLower], row[RxUpper]};
    }
    bands.updateMainFlags();
    bands.mainBands[0] = bands.nine[BandState::kVhf];
    bands.mainBands[1] =
        bands.nine[bands.enabled[BandState::kBand220] ? BandState::kBand220 : BandState::kUhf];
    return changed;
}
