// A channel list's import: every line read, placed, checked and entered as typed cells on a
// copy of the data, each line's fate kept for the user; the data changes only when it all went
// through.
#include "ChannelCsv.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelListDialects.h"
#include "ChannelTable.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"

#include <QHash>
#include <algorithm>

namespace {

using ChannelList::ChannelRow;

// A data line on its way in: read into a row, or the reason it was not.
struct PendingLine {
    const ListRow* record = nullptr;
    ChannelRow row;
    QString problem;
    bool read() const { return problem.isEmpty(); }
};

// Lines from a radio that counts memories from 0 go one higher; in file order from a channel,
// the lines read take the channels one after the other.
QStringList place(std::vector<PendingLine>& lines, ImportPlacement placement) {
    if (placement.fromChannel > 0) {
        int next = placement.fromChannel;
        for (PendingLine& p : lines)
            p.row.channel = p.read() ? next++ : ChannelRow::kUnplaced;
        return {};
    }
    int lowest = INT_MAX, highest = INT_MIN;
    for (const PendingLine& p : lines)
        if (p.read()) {
            lowest = std::min(lowest, p.row.channel);
            highest = std::max(highest, p.row.channel);
        }
    if (lowest != 0)
        return {};
    // Lines skipped already move with the others, so that each shows where it would have gone.
    for (PendingLine& p : lines)
        if (p.row.channel != ChannelRow::kUnplaced)
            ++p.row.channel;
    return {Texts::tr("the list counts channels from 0: placed at 1-%1").arg(highest + 1)};
}

// A channel named twice takes the later line; the earlier is skipped and says so.
void keepLastOfEachChannel(std::vector<PendingLine>& lines) {
    QHash<int, PendingLine*> last;
    for (auto p = lines.rbegin(); p != lines.rend(); ++p) {
        if (!p->read())
            continue;
        if (const PendingLine* later = last.value(p->row.channel))
            p->problem = Texts::tr("channel %1 is given again on line %2")
                             .arg(p->row.channel)
                             .arg(later->record->line);
        else
            last.insert(p->row.channel, &*p);
    }
}

} // namespace

QString ImportResult::countText() const {
    const QString channels = Texts::tr("%n channel(s) imported", nullptr, imported);
    return skipped > 0 ? Texts::tr("%1, %n line(s) skipped", nullptr, skipped).arg(channels)
                       : channels;
}

ImportResult ImportResult::failure(const QString& message) {
    ImportResult result;
    result.ok = false;
    result.message = message;
    return result;
}

ImportResult importChannelRows(MemoryImage& target, BandState& targetBands,
                               const QList<ListRow>& records, ImportPlacement placement) {
    const std::optional<CsvDialect> dialect =
        records.isEmpty() ? std::nullopt : channelListDialect(records[0].fields);
    if (!dialect)
        return ImportResult::failure(
            Texts::tr("Line 1 is not a channel list header: it needs the columns \"CH\" and \"Rx "
                      "Freq\", or \"Location\" and \"Frequency\"."));
    if (records.size() < 2)
        return ImportResult::failure(Texts::tr("The file holds no channel rows."));
    ChannelList::Columns columns;
    for (int i = 0; i < records[0].fields.size(); ++i)
        columns.insert(records[0].fields[i].trimmed(), i);

    // Every line read first: placement and watts depend on the whole list.
    ImportResult result;
    std::vector<PendingLine> lines(std::size_t(records.size() - 1));
    const qsizetype width = records[0].fields.size();
    std::vector<ChannelRow*> readRows;
    for (qsizetype i = 1; i < records.size(); ++i) {
        PendingLine& p = lines[std::size_t(i - 1)];
        p.record = &records[i];
        if (p.record->fields.size() < width)
            p.problem = Texts::tr("%1 of %2 columns").arg(p.record->fields.size()).arg(width);
        else
            p.problem = *dialect == CsvDialect::Native
                            ? ChannelList::nativeRow(*p.record, columns, p.row)
                            : ChannelList::interchangeRow(*p.record, columns, p.row);
        if (p.read())
            readRows.push_back(&p.row);
    }
    result.summary << ChannelList::assignWattLevels(readRows);

    MemoryImage image = target;
    BandState bands = targetBands;
    // In file order, a line that cannot be used takes no channel: its values are checked first.
    if (placement.fromChannel > 0)
        for (PendingLine& p : lines)
            if (p.read()) {
                p.row.channel = 1;
                p.problem = ChannelList::checkRow(p.row, bands);
            }
    result.summary = place(lines, placement) + result.summary; // placement first
    for (PendingLine& p : lines)
        if (p.read())
            p.problem = ChannelList::checkRow(p.row, bands);
    keepLastOfEachChannel(lines);

    ChannelTable table(image, bands);
    table.fill();
    int shortened = 0, renamed = 0, raised = 0;
    for (PendingLine& p : lines) {
        ChannelRow& row = p.row;
        ImportedLine told{
            p.record->line, row.channel == ChannelRow::kUnplaced ? 0 : row.channel, false, {}};
        QStringList notes = row.notes;
        if (p.read()) {
            const Record record = image.at<32>(ImageMap::channelAddress(row.channel));
            const std::array<std::uint8_t, 32> before = [&] {
                std::array<std::uint8_t, 32> bytes{};
                std::ranges::copy(record, bytes.begin());
                return bytes;
            }();
            const bool wasEmpty = table.rowEmpty(row.channel);
            p.problem = ChannelList::applyRow(table, image, row);
            if (!p.problem.isEmpty()) {
                // Put back what the line began to change.
                std::ranges::copy(before, record.begin());
                table.fillRow(row.channel);
            } else {
                if (!wasEmpty && table.rowEmpty(row.channel))
                    notes << Texts::tr("channel %1 cleared").arg(row.channel);
                const QString wanted = row.cells[ChannelTable::Name];
                const QString stored = table.text(row.channel, ChannelTable::Name);
                const bool nameChanged = row.given[ChannelTable::Name] &&
                                         !table.rowEmpty(row.channel) && wanted != stored;
                // Upper case is how every name is typed: counted, not told line by line.
                if (nameChanged && wanted.toUpper() == stored) {
                    ++raised;
                } else if (nameChanged) {
                    notes << Texts::tr("name \"%1\" stored as \"%2\"").arg(wanted, stored);
                    ++(wanted.size() > 6 ? shortened : renamed);
                }
            }
        }
        if (!p.read()) {
            told.what = p.problem + Texts::tr("; skipped");
            result.warnings << Texts::tr("line %1: %2").arg(told.line).arg(told.what);
            ++result.skipped;
        } else {
            told.imported = true;
            told.what = notes.join(QStringLiteral("; "));
            for (const QString& note : notes)
                result.notes << Texts::tr("line %1: %2").arg(told.line).arg(note);
            ++result.imported;
        }
        result.lines.push_back(told);
    }
    if (shortened > 0)
        result.summary << Texts::tr("%n name(s) shortened to 6 characters", nullptr, shortened);
    if (raised > 0)
        result.summary << Texts::tr("%n name(s) raised to upper case", nullptr, raised);
    if (renamed > 0)
        result.summary << Texts::tr("%n name(s) changed to the characters a name can hold", nullptr,
                                    renamed);
    table.store();
    target = image;
    targetBands = bands;
    result.ok = true;
    return result;
}
