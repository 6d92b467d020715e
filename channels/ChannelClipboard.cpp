#include "ChannelClipboard.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelRecord.h"
#include "ChannelRows.h"
#include "ChannelTable.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"

#include <QRegularExpression>
#include <algorithm>

namespace ChannelClipboard {

namespace {

constexpr int kRecordSize = 32;

bool isWholeNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*\\d+\\s*$"));
    return number.match(text).hasMatch();
}

// Rows without a header get the table's own columns: from "CH" when they start with a channel
// number, else from "Rx Freq" with the channel number put in front.
QList<ListRow> withNativeHeader(QList<ListRow> rows) {
    const QStringList& headers = ChannelTable::headers();
    const QStringList& first = rows[0].fields;
    const bool startsWithChannel = first.size() > 1 && isWholeNumber(first[0]);
    const int start = startsWithChannel ? ChannelTable::Channel : ChannelTable::Rx;
    const int width = std::min<int>(int(first.size()), ChannelTable::kColumns - start);
    QStringList header = headers.mid(start, width);
    if (!startsWithChannel) {
        header.prepend(headers[ChannelTable::Channel]);
        for (ListRow& row : rows)
            row.fields.prepend(QString());
    }
    rows.prepend({0, header});
    return rows;
}

} // namespace

Copied copy(const ChannelTable& table, const MemoryImage& image, const std::vector<int>& rows) {
    Copied copied;
    copied.text = QString::fromUtf8(nativeChannelList(table, rows, u'\t'));
    copied.csv = nativeChannelList(table, rows, u',');
    for (int r : rows) {
        const auto record = image.at<kRecordSize>(ImageMap::channelAddress(r));
        copied.records.append(reinterpret_cast<const char*>(record.data()), kRecordSize);
    }
    return copied;
}

ImportResult pasteText(MemoryImage& image, BandState& bands, const QString& text, int first) {
    QList<ListRow> rows = splitChannelList(text);
    if (rows.isEmpty())
        return ImportResult::failure(Texts::tr("The clipboard holds no channel rows."));
    std::optional<CsvDialect> dialect = channelListDialect(rows[0].fields);
    if (!dialect) {
        rows = withNativeHeader(rows);
        dialect = CsvDialect::Native;
    }
    // The rows land where the paste is, whatever channels they were copied from.
    const QString channelColumn =
        *dialect == CsvDialect::Native ? QStringLiteral("CH") : QStringLiteral("Location");
    qsizetype column = -1;
    for (qsizetype i = 0; i < rows[0].fields.size(); ++i)
        if (rows[0].fields[i].trimmed() == channelColumn)
            column = i;
    for (qsizetype i = 1; i < rows.size(); ++i)
        if (column < rows[i].fields.size())
            rows[i].fields[column] = QString::number(first + int(i) - 1);
    return importChannelRows(image, bands, rows);
}

std::optional<int> pasteRecords(MemoryImage& image, const BandState& bands, const QByteArray& bytes,
                                int first) {
    if (bytes.isEmpty() || bytes.size() % kRecordSize != 0)
        return std::nullopt;
    std::vector<std::array<std::uint8_t, kRecordSize>> records(
        std::size_t(bytes.size() / kRecordSize));
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::copy_n(bytes.constData() + i * kRecordSize, kRecordSize, records[i].begin());
        const ConstRecord record(records[i]);
        if (!isEmptyRecord(record) && bands.bandOf(ChannelRecord::rxFrequency(record)) < 0)
            return std::nullopt;
    }
    return ChannelRows::place(image, first, records);
}

} // namespace ChannelClipboard
