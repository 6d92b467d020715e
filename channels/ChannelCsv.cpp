#include "ChannelCsv.h"

#include "BandState.h"
#include "ChannelRecord.h"
#include "ChannelTable.h"
#include "DecimalText.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "OptionTables.h"

#include <QFileDevice>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

const QStringList kInterchangeHeader = {
    "Location", "Name",         "Frequency", "Duplex", "Offset", "Tone",  "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "Mode",      "TStep",  "Skip",   "Power", "Comment"};

// --- CSV text -------------------------------------------------------------------------------

// A field is quoted when it holds what would end it, or spaces at either end that a reader
// would otherwise trim (a name may begin with a space).
QString quoted(const QString& field, QChar separator) {
    const bool spaceAtEnd = !field.isEmpty() && (field.front() == u' ' || field.back() == u' ');
    if (!spaceAtEnd && !field.contains(separator) && !field.contains(u'"') &&
        !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    return u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QByteArray csvLine(const QStringList& fields, QChar separator = u',') {
    QStringList out;
    for (const QString& f : fields)
        out << quoted(f, separator);
    return (out.join(separator) + QStringLiteral("\r\n")).toUtf8();
}

using CsvRecord = ListRow;

// Splits the text into records of fields (quotes, doubled quotes; lines end with CR, LF or
// CR LF), keeping for each record the line it starts on. Spaces around a field are trimmed;
// what stands between quotes is kept as it is.
QList<CsvRecord> parseCsv(const QString& text, QChar separator) {
    QList<CsvRecord> records;
    CsvRecord current{1, {}};
    QString field;
    bool inQuotes = false;
    qsizetype quotedUpTo = -1; // the end of the field's quoted text, -1 when it has none
    int line = 1;
    auto endField = [&] {
        const qsizetype kept = std::max<qsizetype>(quotedUpTo, 0);
        QString tail = field.mid(kept);
        while (!tail.isEmpty() && tail.back().isSpace())
            tail.chop(1);
        current.fields << (quotedUpTo < 0 ? field.trimmed() : field.left(kept) + tail);
        field.clear();
        quotedUpTo = -1;
    };
    auto endRecord = [&] {
        endField();
        const bool blank = current.fields.size() == 1 && current.fields[0].trimmed().isEmpty();
        if (!blank)
            records << current;
        current = {line, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
                quotedUpTo = field.size();
            } else {
                if (c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
                    ++line;
                field += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            if (quotedUpTo < 0 && field.trimmed().isEmpty())
                field.clear(); // spaces before the opening quote
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRecord();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !current.fields.isEmpty())
        endRecord();
    return records;
}

// --- Values ---------------------------------------------------------------------------------

// A cell as a message quotes it: cut to about 40 characters.
QString quote(const QString& cell) {
    constexpr int kShown = 40;
    return u'"' + (cell.size() > kShown ? cell.left(kShown) + QStringLiteral("...") : cell) + u'"';
}

// Frequencies and offsets as the 4-byte fields hold them: 0 to 999.99999 MHz; nullopt beyond.
std::optional<Frequency> storable(const QString& mhz) {
    const std::int64_t v = DecimalText::scaled(mhz, 5);
    if (v < 0 || v > kMaxStorableFrequency)
        return std::nullopt;
    return Frequency(v);
}

const QRegularExpression kNumber(QStringLiteral("^\\d+(\\.\\d*)?$|^\\.\\d+$"));

bool isNumber(const QString& text) {
    return kNumber.match(text).hasMatch();
}

// "%.6f" MHz as channel lists write frequencies.
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

// --- Rows -----------------------------------------------------------------------------------

// What one CSV row asks for, in the table's own terms. A cell that is not given (no column, or a
// blank list cell) leaves the channel's field as it is.
struct ChannelRow {
    int channel = 0;
    QString cells[ChannelTable::kColumns];
    bool given[ChannelTable::kColumns] = {true, true, true, true, true, true,
                                          true, true, true, true, true, true};
    std::optional<bool> am;        // interchange "Mode" AM
    std::optional<int> stepCode;   // interchange "TStep"
    bool keepWideOrMiddle = false; // interchange "FM": any bandwidth but Narrow
    QString note;                  // told to the user when the row is applied
};

using Columns = QHash<QString, int>;

QString field(const CsvRecord& record, const Columns& columns, const QString& name) {
    const int i = columns.value(name, -1);
    return i >= 0 && i < record.fields.size() ? record.fields[i] : QString();
}

// Checks a row against what a user could type: numbers where numbers go and within what their
// fields hold, list texts from the lists, and frequencies inside a band. Returns the reason it
// cannot be used, or empty.
QString checkRow(ChannelRow& row, const BandState& bands) {
    using T = ChannelTable;
    if (row.channel < 1 || row.channel > T::kRows)
        return QStringLiteral("channel %1 is outside 1-800").arg(row.channel);
    for (int c : {T::Rx, T::Tx, T::Ctcss, T::Dcs}) {
        const QString& t = row.cells[c];
        if (row.given[c] && !t.isEmpty() && !isNumber(t))
            return QStringLiteral("%1 is not a number (%2)").arg(quote(t), T::headers()[c]);
    }
    for (int c : {T::Rx, T::Tx}) {
        if (!row.given[c] || row.cells[c].isEmpty())
            continue;
        const std::optional<Frequency> f = storable(row.cells[c]);
        if (!f || bands.bandOf(*f) < 0)
            return QStringLiteral("%1 MHz lies in no band of the radio").arg(quote(row.cells[c]));
    }
    if (row.given[T::Ctcss] && !row.cells[T::Ctcss].isEmpty()) {
        const std::int64_t tenths = DecimalText::scaled(row.cells[T::Ctcss], 1);
        if (tenths < 600 || tenths > 2600)
            return QStringLiteral("CTCSS %1 is outside 60.0-260.0 Hz")
                .arg(quote(row.cells[T::Ctcss]));
    }
    if (row.given[T::Dcs] && !row.cells[T::Dcs].isEmpty() &&
        DecimalText::scaled(row.cells[T::Dcs], 0) > 777)
        return QStringLiteral("DCS %1 is outside 000-777").arg(quote(row.cells[T::Dcs]));
    for (int c = T::DecodeType; c < T::kColumns; ++c) {
        const auto table = T::listOf(c);
        if (!table || !row.given[c])
            continue;
        const int i = listIndex(*table, row.cells[c]);
        if (i < 0)
            return QStringLiteral("%1 is not a %2 value").arg(quote(row.cells[c]), T::headers()[c]);
        row.cells[c] = options(*table)[i];
    }
    return {};
}

bool parseChannel(const QString& text, int& channel) {
    bool ok = false;
    channel = text.toInt(&ok);
    return ok;
}

QString nativeRow(const CsvRecord& record, const Columns& columns, ChannelRow& row) {
    if (!parseChannel(field(record, columns, "CH"), row.channel))
        return QStringLiteral("%1 is not a channel number")
            .arg(quote(field(record, columns, "CH")));
    for (int c = ChannelTable::Rx; c < ChannelTable::kColumns; ++c) {
        row.cells[c] = field(record, columns, ChannelTable::headers()[c]);
        // A blank list cell is no choice: it leaves the field as an absent column does.
        row.given[c] = columns.contains(ChannelTable::headers()[c]) &&
                       !(ChannelTable::listOf(c) && row.cells[c].isEmpty());
    }
    return {};
}

QString interchangeRow(const CsvRecord& record, const Columns& columns, ChannelRow& row) {
    using T = ChannelTable;
    auto get = [&](const char* name) { return field(record, columns, QLatin1String(name)); };
    if (!parseChannel(get("Location"), row.channel))
        return QStringLiteral("%1 is not a location").arg(quote(get("Location")));
    const QString rx = get("Frequency");
    if (rx.isEmpty() || !isNumber(rx))
        return QStringLiteral("%1 is not a frequency").arg(quote(rx));
    const QString offsetText = get("Offset");
    if (!offsetText.isEmpty() && !isNumber(offsetText))
        return QStringLiteral("%1 is not an offset").arg(quote(offsetText));
    const std::optional<Frequency> f = storable(rx);
    const std::optional<Frequency> offset = storable(offsetText);
    if (!f)
        return QStringLiteral("%1 MHz is more than a frequency holds").arg(quote(rx));
    if (!offset)
        return QStringLiteral("offset %1 MHz is more than a frequency holds")
            .arg(quote(offsetText));
    const QString duplex = get("Duplex").toLower();
    std::int64_t tx = *f;
    if (duplex == "+")
        tx = std::int64_t(*f) + *offset;
    else if (duplex == "-")
        tx = std::int64_t(*f) - *offset;
    else if (duplex == "split")
        tx = *offset;
    else if (duplex == "off")
        // The channel record has no transmit inhibit that a store keeps: Tx = Rx.
        row.note = QStringLiteral("Duplex \"off\" cannot be kept; Tx = Rx");
    else if (!duplex.isEmpty())
        return QStringLiteral("%1 is not a duplex").arg(quote(get("Duplex")));
    if (tx <= 0 || tx > kMaxStorableFrequency)
        return QStringLiteral("Tx %1 MHz lies outside what a frequency holds")
            .arg(DecimalText::format(tx, 5));
    row.cells[T::Rx] = rx;
    row.cells[T::Tx] = FrequencyText::fromValue(Frequency(tx));

    const QString tone = get("Tone").toUpper();
    static const QHash<QString, QString> decode = {
        {"", "Off"}, {"TONE", "Ctcss Encode"}, {"TSQL", "Ctcss Codec"}, {"DTCS", "Dcs Codec"}};
    if (!decode.contains(tone))
        return QStringLiteral("tone mode %1 is not supported").arg(quote(get("Tone")));
    row.cells[T::DecodeType] = decode[tone];
    row.cells[T::Ctcss] = tone == "TSQL" ? get("cToneFreq") : get("rToneFreq");
    if (row.cells[T::Ctcss].isEmpty())
        row.cells[T::Ctcss] = QStringLiteral("100.0");
    row.cells[T::Dcs] = get("DtcsCode").isEmpty() ? QStringLiteral("023") : get("DtcsCode");
    static const QHash<QString, QString> polarity = {
        {"NN", "Positive"}, {"NR", "Decode Invert"}, {"RN", "Encode Invert"}, {"RR", "Invert"}};
    const QString pol = get("DtcsPolarity").toUpper();
    row.cells[T::DcsPolarity] =
        pol.isEmpty() ? QStringLiteral("Positive") : polarity.value(pol, pol);
    // Narrow is NFM; FM and AM stand for Wide or Middle, which a channel keeps.
    const QString mode = get("Mode").toUpper();
    if (mode == "NFM") {
        row.cells[T::Bandwidth] = QStringLiteral("Narrow");
    } else if (mode == "FM" || mode == "AM") {
        row.cells[T::Bandwidth] = QStringLiteral("Wide");
        row.keepWideOrMiddle = true;
    } else if (mode.isEmpty()) {
        row.given[T::Bandwidth] = false;
    } else {
        return QStringLiteral("mode %1 is not supported").arg(quote(get("Mode")));
    }
    if (!mode.isEmpty())
        row.am = mode == "AM";
    const QString step = get("TStep");
    if (!step.isEmpty()) {
        const std::int64_t wanted = DecimalText::scaled(step, 2);
        for (int i = 0; i < options(OptionTable::FrequencyStep).size(); ++i)
            if (DecimalText::scaled(options(OptionTable::FrequencyStep)[i], 2) == wanted)
                row.stepCode = i;
    }
    static const QHash<QString, QString> skip = {{"", "Allow"}, {"S", "Skip"}, {"P", "Priority"}};
    const QString skipText = get("Skip").toUpper();
    if (!skip.contains(skipText))
        return QStringLiteral("skip %1 is not supported").arg(quote(get("Skip")));
    row.cells[T::Scan] = skip[skipText];
    // Power names differ between radios: one this radio does not know, or none, leaves the
    // channel's power as it is.
    const QString power = get("Power");
    row.cells[T::Power] = power;
    row.given[T::Power] = listIndex(OptionTable::TxPower, power) >= 0;
    // Option signaling has no column in these lists.
    row.given[T::Signaling] = false;
    row.cells[T::Name] = get("Name");
    row.given[T::Name] = columns.contains(QStringLiteral("Name"));
    return {};
}

void applyRow(ChannelTable& table, MemoryImage& image, ChannelRow row) {
    using T = ChannelTable;
    const int r = row.channel;
    if (row.keepWideOrMiddle && !table.rowEmpty(r) && table.text(r, T::Bandwidth) != "Narrow")
        row.given[T::Bandwidth] = false;
    table.commit(r, T::Rx, row.cells[T::Rx]);
    if (table.rowEmpty(r))
        return;
    // A cell not given leaves the channel's field as it is.
    for (int c = T::Tx; c < T::kColumns; ++c)
        if (row.given[c])
            table.commit(r, c, row.cells[c]);
    const Record record = image.at<32>(ImageMap::channelAddress(r));
    if (row.am)
        ChannelRecord::setCode(record, ChannelField::Am, *row.am ? 1 : 0);
    if (row.stepCode)
        ChannelRecord::setCode(record, ChannelField::FrequencyStep, *row.stepCode);
}

// --- Export ---------------------------------------------------------------------------------

QStringList interchangeFields(int channel, const ChannelTable& table, const MemoryImage& image,
                              const BandState& bands) {
    using T = ChannelTable;
    const Frequency rx = FrequencyText::toValue(table.text(channel, T::Rx));
    const Frequency tx = FrequencyText::toValue(table.text(channel, T::Tx));
    QString duplex, offset = QStringLiteral("0.000000");
    if (tx == 0) {
        duplex = QStringLiteral("off");
    } else if (tx != rx) {
        const bool sameBand = bands.sameBand(rx, tx);
        duplex = !sameBand ? QStringLiteral("split")
                 : tx > rx ? QStringLiteral("+")
                           : QStringLiteral("-");
        offset = mhz6(!sameBand ? tx : tx > rx ? tx - rx : rx - tx);
    }
    const QString decode = table.text(channel, T::DecodeType);
    const QString tone = decode == "Ctcss Encode"  ? "Tone"
                         : decode == "Ctcss Codec" ? "TSQL"
                         : decode == "Dcs Codec"   ? "DTCS"
                                                   : "";
    static const QHash<QString, QString> polarity = {
        {"Positive", "NN"}, {"Decode Invert", "NR"}, {"Encode Invert", "RN"}, {"Invert", "RR"}};
    const ConstRecord record = image.at<32>(ImageMap::channelAddress(channel));
    const bool am = ChannelRecord::code(record, ChannelField::Am) == 1;
    const QString mode = am ? "AM" : table.text(channel, T::Bandwidth) == "Narrow" ? "NFM" : "FM";
    const QString step = DecimalText::format(
        DecimalText::scaled(
            frequencyStepText(ChannelRecord::code(record, ChannelField::FrequencyStep)), 2),
        2);
    const QString scan = table.text(channel, T::Scan);
    const QString skip = scan == "Skip" ? "S" : scan == "Priority" ? "P" : "";
    const QString ctcss = table.text(channel, T::Ctcss);
    return {QString::number(channel),
            table.text(channel, T::Name),
            mhz6(rx),
            duplex,
            offset,
            tone,
            ctcss,
            ctcss,
            table.text(channel, T::Dcs),
            polarity.value(table.text(channel, T::DcsPolarity), "NN"),
            mode,
            step,
            skip,
            table.text(channel, T::Power),
            QString()};
}

} // namespace

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
    QByteArray out = csvLine(kInterchangeHeader);
    for (int r : inUse)
        out += csvLine(interchangeFields(r, table, image, bands));
    return out;
}

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

QList<ListRow> splitChannelList(const QString& text) {
    // Spreadsheets copy cells as tab-separated lines; a tab in the first line tells them apart.
    const QString first = text.left(text.indexOf(u'\n'));
    return parseCsv(text, first.contains(u'\t') ? u'\t' : u',');
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

Result readChannelList(QFileDevice& in, const QString& name, QByteArray& csv) {
    csv.clear();
    qint64 lineLength = 0;
    int line = 1;
    for (;;) {
        const QByteArray piece = in.read(64 * 1024);
        if (piece.isEmpty())
            break;
        for (char c : piece) {
            if (c == '\n' || c == '\r') {
                lineLength = 0;
                line += c == '\n' ? 1 : 0;
            } else if (++lineLength > kMaxChannelListLine) {
                return Result::failure(QStringLiteral("%1: line %2 is longer than %3 KiB; this is "
                                                      "not a channel list.")
                                           .arg(name)
                                           .arg(line)
                                           .arg(kMaxChannelListLine / 1024));
            }
        }
        csv += piece;
        if (csv.size() > kMaxChannelListBytes)
            return Result::failure(QStringLiteral("%1 is larger than %2 MiB; this is not a "
                                                  "channel list.")
                                       .arg(name)
                                       .arg(kMaxChannelListBytes / (1024 * 1024)));
    }
    if (in.error() != QFileDevice::NoError)
        return Result::failure(QStringLiteral("Cannot read %1: %2").arg(name, in.errorString()));
    return {};
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
    Columns columns;
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
        const CsvRecord& record = records[i];
        auto tell = [&](QStringList& list, const QString& what) {
            list << QStringLiteral("line %1: %2").arg(record.line).arg(what);
        };
        if (record.fields.size() < width) {
            tell(result.warnings,
                 QStringLiteral("%1 of %2 columns; skipped").arg(record.fields.size()).arg(width));
            continue;
        }
        ChannelRow row;
        QString problem = dialect == CsvDialect::Native ? nativeRow(record, columns, row)
                                                        : interchangeRow(record, columns, row);
        if (problem.isEmpty())
            problem = checkRow(row, bands);
        if (!problem.isEmpty()) {
            tell(result.warnings, problem + QStringLiteral("; skipped"));
            continue;
        }
        const bool wasEmpty = table.rowEmpty(row.channel);
        applyRow(table, image, row);
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
