// The channel list in this program's own table columns: a row read as the table's typed cells,
// the table's rows written as it shows them.
#include "ChannelCsv.h"
#include "ChannelListDialects.h"
#include "Texts.h"

namespace ChannelList {

QString nativeRow(const ListRow& record, const Columns& columns, ChannelRow& row) {
    if (!parseChannel(field(record, columns, "CH"), row.channel))
        return Texts::tr("%1 is not a channel number").arg(quote(field(record, columns, "CH")));
    for (int c = ChannelTable::Rx; c < ChannelTable::kColumns; ++c) {
        row.cells[c] = field(record, columns, ChannelTable::headers()[c]);
        // A blank list cell is no choice: it leaves the field as an absent column does.
        row.given[c] = columns.contains(ChannelTable::headers()[c]) &&
                       !(ChannelTable::listOf(c) && row.cells[c].isEmpty());
    }
    return {};
}

} // namespace ChannelList

QByteArray nativeChannelList(const ChannelTable& table, const std::vector<int>& rows,
                             QChar separator) {
    QByteArray out = csvLine(ChannelTable::headers(), separator);
    for (int r : rows) {
        QStringList fields;
        for (int c = 0; c < ChannelTable::kColumns; ++c)
            fields << table.text(r, c);
        out += csvLine(fields, separator);
    }
    return out;
}
