#pragma once

#include "BandTable.h"

#include <QString>
#include <QStringList>
#include <array>

class BandState;
class MemoryImage;

// The band-limit editor's working copy: receive lower/upper and transmit lower/upper per band,
// 0 for an empty cell. The rules are those of the "Frequency range" dialog, kept free of
// widgets so that the dialog only moves texts.
class BandLimitTable {
public:
    enum Column { RxLower, RxUpper, TxLower, TxUpper };
    using Row = std::array<Frequency, 4>;

    // From the image's band-limit table; the transmit cells of the receive-only bands (108M,
    // 850M) are always empty. The consistency rule is applied.
    static BandLimitTable fromImage(const MemoryImage& image);

    Frequency cell(int band, int column) const {
        return rows_[std::size_t(band)][std::size_t(column)];
    }
    QString cellText(int band, int column) const; // "%3.5f", or empty
    static bool editable(int band, int column);   // not the transmit cells of 108M and 850M
    // The "Frequency range" table's column headers: "No." (the band's name), then the edges.
    static const QStringList& headers();

    // Commits a typed text into a cell. Returns false when the edit is refused (emptying the
    // last of 150M, 250M and 450M); then nothing changes.
    bool commit(int band, int column, const QString& text);

    // Receive edges inside the band (lower below upper), transmit edges inside the receive ones.
    void applyConsistency();

    // "50M" and "60M" not both set, "250M" and "450M" not both, one of 150M, 250M, 450M set.
    bool closeAllowed() const;

    // Closing: consistency, then the cells go into the image's table (empty as 0) and the
    // band state takes the new edges, enabled flags and main bands. An edge whose value did not
    // change keeps its bytes (an empty edge stored as FF FF FF FF stays so). True when an edge
    // changed.
    bool writeBack(MemoryImage& image, BandState& bands);

private:
    bool rxLowerSet(int band) const { return rows_[std::size_t(band)][RxLower] != 0; }
    std::array<Row, kBandCount> rows_{};
};
