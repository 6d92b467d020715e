// Reads and writes bank A's channels as a channel list: finds the dialect from the header and
// lets it read or write each row; an import is checked row by row and stored once.
#include "ChannelCsv.h"

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

ImportResult importChannels(MemoryImage& target, BandState& targetBands, const QByteArray& csv) {
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QList<ListRow> records = splitChannelList(text);
    if (records.isEmpty())
        return {{false, QStringLiteral("The file holds no channel list."), {}}, {}, {}, 0};
    return importChannelRows(target, targetBands, records);
}

ImportResult importChannelRows(MemoryImage& target, BandState& targetBands,
                               const QList<ListRow>& records) {
    ImportResult result;
    result.ok = false;
    const std::optional<CsvDialect> found =
        records.isEmpty() ? std::nullopt : channelListDialect(records[0].fields);
    if (!found) {
        result.message =
            QStringLiteral("Line 1 is not a channel list header: it needs the columns "
                           "\"CH\" and \"Rx Freq\", or \"Location\" and \"Frequency\".");
        return result;
    }
    const CsvDialect dialect = *found;
    ChannelList::Columns columns;
    for (int i = 0; i < records[0].fields.size(); ++i)
        columns.insert(records[0].fields[i].trimmed(), i);
    if (records.size() < 2) {
        result.message = QStringLiteral("The file holds no channel rows.");
        return result;
    }

    MemoryImage image = target;
    BandState bands = targetBands;
    ChannelTable table(image, bands);
    table.fill();
    const qsizetype width = records[0].fields.size();
    for (qsizetype i = 1; i < records.size(); ++i) {
        const ListRow& record = records[i];
        auto tell = [&](QStringList& list, const QString& what) {
            list << QStringLiteral("line %1: %2").arg(record.line).arg(what);
        };
        if (record.fields.size() < width) {
            tell(result.warnings,
                 QStringLiteral("%1 of %2 columns; skipped").arg(record.fields.size()).arg(width));
            continue;
        }
        ChannelList::ChannelRow row;
        QString problem = dialect == CsvDialect::Native
                              ? ChannelList::nativeRow(record, columns, row)
                              : ChannelList::interchangeRow(record, columns, row);
        if (problem.isEmpty())
            problem = ChannelList::checkRow(row, bands);
        if (!problem.isEmpty()) {
            tell(result.warnings, problem + QStringLiteral("; skipped"));
            continue;
        }
        const bool wasEmpty = table.rowEmpty(row.channel);
        ChannelList::applyRow(table, image, row);
        ++result.imported;
        if (!row.note.isEmpty())
            tell(result.notes, row.note);
        if (!wasEmpty && table.rowEmpty(row.channel))
            tell(result.notes, QStringLiteral("channel %1 cleared").arg(row.channel));
    }
    table.store();
    target = image;
    targetBands = bands;
    result.ok = true;
    return result;
}
