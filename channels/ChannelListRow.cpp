// A channel list's row checked as a user's typed cells would be, and entered into the table
// through the table's own rules.
#include "ChannelListRow.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelRecord.h"
#include "DecimalText.h"
#include "ImageMap.h"
#include "MemoryImage.h"

namespace ChannelList {

QString field(const ListRow& record, const Columns& columns, const QString& name) {
    const int i = columns.value(name, -1);
    return i >= 0 && i < record.fields.size() ? record.fields[i] : QString();
}

bool parseChannel(const QString& text, int& channel) {
    bool ok = false;
    channel = text.toInt(&ok);
    return ok;
}

QString quote(const QString& cell) {
    constexpr int kShown = 40;
    return u'"' + (cell.size() > kShown ? cell.left(kShown) + QStringLiteral("...") : cell) + u'"';
}

std::optional<Frequency> storable(const QString& mhz) {
    const std::int64_t v = DecimalText::scaled(mhz, 5);
    if (v < 0 || v > kMaxStorableFrequency)
        return std::nullopt;
    return Frequency(v);
}

bool isNumber(const QString& text) {
    return DecimalText::isPlainDecimal(text);
}

QString mhz6(Frequency f) {
    return FrequencyText::fromValue(f) + u'0';
}

int listIndex(OptionTable table, const QString& text) {
    const QStringList& list = options(table);
    for (int i = 0; i < list.size(); ++i)
        if (list[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString checkRow(ChannelRow& row, const BandState& bands) {
    using T = ChannelTable;
    if (row.channel < 1 || row.channel > T::kRows)
        return Texts::tr("channel %1 is outside 1-800").arg(row.channel);
    for (int c : {T::Rx, T::Tx, T::Ctcss, T::Dcs}) {
        const QString& t = row.cells[c];
        if (row.given[c] && !t.isEmpty() && !isNumber(t))
            return Texts::tr("%1 is not a number (%2)").arg(quote(t), T::headers()[c]);
    }
    for (int c : {T::Rx, T::Tx}) {
        if (!row.given[c] || row.cells[c].isEmpty())
            continue;
        const std::optional<Frequency> f = storable(row.cells[c]);
        if (!f || bands.bandOf(*f) < 0)
            return Texts::tr("%1 MHz lies in no band of the radio").arg(quote(row.cells[c]));
    }
    if (row.given[T::Ctcss] && !row.cells[T::Ctcss].isEmpty()) {
        const std::int64_t tenths = DecimalText::scaled(row.cells[T::Ctcss], 1);
        if (tenths < 600 || tenths > 2600)
            return Texts::tr("CTCSS %1 is outside 60.0-260.0 Hz").arg(quote(row.cells[T::Ctcss]));
    }
    if (row.given[T::Dcs] && !row.cells[T::Dcs].isEmpty() &&
        DecimalText::scaled(row.cells[T::Dcs], 0) > 777)
        return Texts::tr("DCS %1 is outside 000-777").arg(quote(row.cells[T::Dcs]));
    for (int c = T::DecodeType; c < T::kColumns; ++c) {
        const auto table = T::listOf(c);
        if (!table || !row.given[c])
            continue;
        const int i = listIndex(*table, row.cells[c]);
        if (i < 0)
            return Texts::tr("%1 is not a %2 value").arg(quote(row.cells[c]), T::headers()[c]);
        row.cells[c] = options(*table)[i];
    }
    return {};
}

QString applyRow(ChannelTable& table, MemoryImage& image, ChannelRow row) {
    using T = ChannelTable;
    const int r = row.channel;
    if (row.keepWideOrMiddle && !table.rowEmpty(r) && table.text(r, T::Bandwidth) != "Narrow")
        row.given[T::Bandwidth] = false;
    table.commit(r, T::Rx, row.cells[T::Rx]);
    if (table.rowEmpty(r))
        return {};
    // A cell not given leaves the channel's field as it is.
    for (int c = T::Tx; c < T::kColumns; ++c)
        if (row.given[c])
            table.commit(r, c, row.cells[c]);
    // A frequency is stored as the line gives it or not at all.
    for (int c : {T::Rx, T::Tx}) {
        if (!row.given[c] || row.cells[c].isEmpty())
            continue;
        const QString wanted = FrequencyText::fromValue(*storable(row.cells[c]));
        if (table.text(r, c) != wanted)
            return Texts::tr("%1 %2 MHz cannot be stored in channel %3 (it would become %4)")
                .arg(T::headers()[c], wanted)
                .arg(r)
                .arg(table.text(r, c));
    }
    const Record record = image.at<32>(ImageMap::channelAddress(r));
    if (row.am)
        ChannelRecord::setCode(record, ChannelField::Am, *row.am ? 1 : 0);
    if (row.stepCode)
        ChannelRecord::setCode(record, ChannelField::FrequencyStep, *row.stepCode);
    return {};
}

} // namespace ChannelList
