// Sorting the channels by the table's columns and closing the gaps between them, as one
// rearrangement of whole records each.
#include "ChannelOrder.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelRows.h"
#include "Frequency.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "OptionTables.h"
#include "RecordTemplates.h"

#include <algorithm>

namespace {

using T = ChannelTable;

// A cell as a sort compares it: frequencies, tones and codes as numbers, list entries by their
// place in the list, names without regard to case.
struct SortValue {
    double number = 0;
    QString text;
};

SortValue sortValue(const ChannelTable& table, int row, int column) {
    const QString& cell = table.text(row, column);
    switch (column) {
    case T::Rx:
    case T::Tx:
        return {double(FrequencyText::toValue(cell)), {}};
    case T::Ctcss:
    case T::Dcs:
        return {cell.toDouble(), {}};
    case T::Name:
        return {0, cell.toCaseFolded()};
    default:
        if (const auto list = T::listOf(column))
            return {double(options(*list).indexOf(cell)), {}};
        return {0, cell};
    }
}

int compare(const SortValue& a, const SortValue& b) {
    if (a.number != b.number)
        return a.number < b.number ? -1 : 1;
    return a.text.compare(b.text);
}

// Channel 1 holds a channel of a main band (Rx and Tx), or a table store would change it: the
// first such record in sorted order goes first.
QString keepChannelOneInAMainBand(const ChannelTable& table, const BandState& bands,
                                  std::vector<int>& order) {
    auto fits = [&](int channel) {
        const Frequency tx = FrequencyText::toValue(table.text(channel, T::Tx));
        return bands.mainBandCheck(FrequencyText::toValue(table.text(channel, T::Rx))) >= 0 &&
               (tx == 0 || bands.mainBandCheck(tx) >= 0);
    };
    if (order.empty() || fits(order.front()))
        return {};
    const auto first = std::ranges::find_if(order, fits);
    if (first == order.end())
        return {};
    const int channel = *first;
    order.erase(first);
    order.insert(order.begin(), channel);
    return Texts::tr("channel 1 stays in a main band: %1 MHz placed first")
        .arg(table.text(channel, T::Rx));
}

ChannelOrder::Moved apply(MemoryImage& image, std::vector<int> source) {
    ChannelOrder::Moved moved;
    for (int n = 1; n <= T::kRows; ++n)
        if (source[std::size_t(n)] != n && source[std::size_t(n)] != 0)
            ++moved.moved;
    if (moved.moved > 0)
        ChannelRows::rearrange(image, source);
    moved.source = std::move(source);
    return moved;
}

} // namespace

namespace ChannelOrder {

const std::vector<int>& sortColumns() {
    static const std::vector<int> columns = {T::Rx,        T::Tx,       T::Name,  T::DecodeType,
                                             T::Ctcss,     T::Dcs,      T::Power, T::Scan,
                                             T::Bandwidth, T::Signaling};
    return columns;
}

QString keyName(int column) {
    static const QStringList names = {"",      "rx",        "tx",        "decode",
                                      "ctcss", "dcs",       "polarity",  "power",
                                      "scan",  "bandwidth", "signaling", "name"};
    return names.value(column);
}

std::optional<int> columnOfKeyName(const QString& name) {
    for (int column : sortColumns())
        if (keyName(column) == name.trimmed().toLower())
            return column;
    return std::nullopt;
}

QStringList Moved::lines() const {
    QStringList out;
    for (int n = 1; n < int(source.size()); ++n)
        if (source[std::size_t(n)] != n && source[std::size_t(n)] != 0)
            out << QStringLiteral("%1 -> %2").arg(source[std::size_t(n)]).arg(n);
    return out;
}

Moved sort(MemoryImage& image, const BandState& bands, const std::vector<SortKey>& keys,
           const std::vector<int>& rows) {
    // The table's texts on a copy: filling may give an empty channel 1 its default.
    MemoryImage copy = image;
    BandState copyBands = bands;
    ChannelTable table(copy, copyBands);
    table.fill();
    std::vector<int> places;
    if (rows.empty()) {
        for (int n = 1; n <= T::kRows; ++n)
            if (ChannelRows::inUse(image, n))
                places.push_back(n);
    } else {
        for (int n : rows)
            if (n >= 1 && n <= T::kRows && ChannelRows::inUse(image, n))
                places.push_back(n);
        std::ranges::sort(places);
    }
    std::vector<int> order = places;
    std::ranges::stable_sort(order, [&](int a, int b) {
        for (const SortKey& key : keys) {
            const int c = compare(sortValue(table, a, key.column), sortValue(table, b, key.column));
            if (c != 0)
                return key.descending ? c > 0 : c < 0;
        }
        return false;
    });
    QString note;
    if (!places.empty() && places.front() == 1)
        note = keepChannelOneInAMainBand(table, bands, order);
    std::vector<int> source = ChannelRows::unchanged();
    if (rows.empty()) {
        for (int n = 1; n <= T::kRows; ++n)
            source[std::size_t(n)] = n <= int(order.size()) ? order[std::size_t(n - 1)] : 0;
    } else {
        for (std::size_t i = 0; i < places.size(); ++i)
            source[std::size_t(places[i])] = order[i];
    }
    Moved moved = apply(image, source);
    moved.note = note;
    return moved;
}

Moved closeGaps(MemoryImage& image, int first, int last) {
    first = std::clamp(first, 1, int(T::kRows));
    last = std::clamp(last, first, int(T::kRows));
    std::vector<int> source = ChannelRows::unchanged();
    int next = first;
    for (int n = first; n <= last; ++n)
        if (ChannelRows::inUse(image, n))
            source[std::size_t(next++)] = n;
    for (int n = next; n <= last; ++n)
        source[std::size_t(n)] = 0;
    return apply(image, source);
}

} // namespace ChannelOrder
