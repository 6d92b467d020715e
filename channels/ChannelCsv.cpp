// Reads and writes bank A's channels as a channel list: finds the dialect from the header and
// lets it read or write each row; an import is checked row by row and stored once.
#include "ChannelCsv.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelListDialects.h"
#include "ChannelTable.h"
#include "MemoryImage.h"

#include <QSet>

QByteArray exportChannels(const MemoryImage& source, const BandState& sourceBands,
                          CsvDialect dialect) {
    // Filling the table may give an empty channel 1 its default: work on copies.
    MemoryImage image = source;
    BandState bands = sourceBands;
    ChannelTable table(image, bands);
    table.fill();
    std::vector<int> inUse;
    for (int r = 1; r <= ChannelTable::kRows; ++r)
        if (!table.rowEmpty(r))
            inUse.push_back(r);
    if (dialect == CsvDialect::Native)
        return nativeChannelList(table, inUse, u',');
    QByteArray out = csvLine(ChannelList::interchangeHeader());
    for (int r : inUse)
        out += csvLine(ChannelList::interchangeFields(r, table, image, bands));
    return out;
}

std::optional<CsvDialect> channelListDialect(const QStringList& header) {
    QSet<QString> names;
    for (const QString& name : header)
        names.insert(name.trimmed());
    if (names.contains("CH") && names.contains("Rx Freq"))
        return CsvDialect::Native;
    if (names.contains("Location") && names.contains("Frequency"))
        return CsvDialect::Interchange;
    return std::nullopt;
}

ImportResult importChannels(MemoryImage& target, BandState& targetBands, const QByteArray& csv,
                            ImportPlacement placement) {
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QList<ListRow> records = splitChannelList(text);
    if (records.isEmpty())
        return ImportResult::failure(Texts::tr("The file holds no channel list."));
    return importChannelRows(target, targetBands, records, placement);
}
