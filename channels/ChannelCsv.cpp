#include "ChannelCsv.h"

#include "BandState.h"
#include "ChannelRecord.h"
#include "ChannelTable.h"
#include "DecimalText.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "OptionTables.h"

#include <QHash>
#include <QRegularExpression>

namespace {

const QStringList kInterchangeHeader = {
    "Location", "Name",         "Frequency", "Duplex", "Offset", "Tone",  "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "Mode",      "TStep",  "Skip",   "Power", "Comment"};

// --- CSV text -------------------------------------------------------------------------------

QString quoted(const QString& field) {
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n'))
        return field;
    return u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QByteArray csvLine(const QStringList& fields) {
    QStringList out;
    for (const QString& f : fields)
        out << quoted(f);
    return (out.join(u',') + QStringLiteral("\r\n")).toUtf8();
}

// Splits CSV text into records of fields (quotes, doubled quotes, CR LF), keeping for each
// record the line it starts on.
struct CsvRecord {
    int line;
    QStringList fields;
};

QList<CsvRecord> parseCsv(const QString& text) {
    QList<CsvRecord> records;
    CsvRecord current{1, {}};
    QString field;
    bool inQuotes = false;
    int line = 1;
    auto endRecord = [&] {
        current.fields << field;
        field.clear();
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
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
        } else if (c == u',') {
            current.fields << field;
            field.clear();
        } else if (c == u'\n') {
            ++line;
            endRecord();
        } else if (c != u'\r') {
            field += c;
        }
    }
    if (!field.isEmpty() || !current.fields.isEmpty())
        endRecord();
    return records;
}

// --- Values ---------------------------------------------------------------------------------

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

// What one CSV row asks for, in the table's own terms.
struct ChannelRow {
    int channel = 0;
    QString cells[ChannelTable::kColumns];
    bool given[ChannelTable::kColumns] = {true, true, true, true, true, true,
                                          true, true, true, true, true, true};
    std::optional<bool> am;      // interchange "Mode" AM
    std::optional<int> stepCode; // interchange "TStep"
};

using Columns = QHash<QString, int>;

QString field(const CsvRecord& record, const Columns& columns, const QString& name) {
    const int i = columns.value(name, -1);
    return i >= 0 && i < record.fields.size() ? record.fields[i].trimmed() : QString();
}

// Checks a row against what a user could type: numbers where numbers go, list texts from the
// lists, and frequencies inside a band. Returns the reason it cannot be used, or empty.
QString checkRow(ChannelRow& row, const BandState& bands) {
    if (row.channel < 1 || row.channel > ChannelTable::kRows)
        return QStringLiteral("channel %1 is outside 1-800").arg(row.channel);
    for (int c : {ChannelTable::Rx, ChannelTable::Tx, ChannelTable::Ctcss, ChannelTable::Dcs}) {
        const QString& t = row.cells[c];
        if (!t.isEmpty() && !isNumber(t))
            return QStringLiteral("\"%1\" is not a number (%2)").arg(t, ChannelTable::headers()[c]);
    }
    for (int c : {ChannelTable::Rx, ChannelTable::Tx}) {
        const Frequency f = FrequencyText::toValue(row.cells[c]);
        if (f != 0 && bands.bandOf(f) < 0)
            return QStringLiteral("%1 MHz lies in no band of the radio").arg(row.cells[c]);
    }
    for (int c = ChannelTable::DecodeType; c < ChannelTable::kColumns; ++c) {
        const auto table = ChannelTable::listOf(c);
        if (!table || row.cells[c].isEmpty())
            continue;
        const int i = listIndex(*table, row.cells[c]);
        if (i < 0)
            return QStringLiteral("\"%1\" is not a %2 value")
                .arg(row.cells[c], ChannelTable::headers()[c]);
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
        return QStringLiteral("\"%1\" is not a channel number").arg(field(record, columns, "CH"));
    for (int c = ChannelTable::Rx; c < ChannelTable::kColumns; ++c) {
        row.cells[c] = field(record, columns, ChannelTable::headers()[c]);
        row.given[c] = columns.contains(ChannelTable::headers()[c]);
    }
    return {};
}

QString interchangeRow(const CsvRecord& record, const Columns& columns, ChannelRow& row) {
    auto get = [&](const char* name) { return field(record, columns, QLatin1String(name)); };
    if (!parseChannel(get("Location"), row.channel))
        return QStringLiteral("\"%1\" is not a location").arg(get("Location"));
    const QString rx = get("Frequency");
    if (rx.isEmpty() || !isNumber(rx))
        return QStringLiteral("\"%1\" is not a frequency").arg(rx);
    const QString offsetText = get("Offset");
    if (!offsetText.isEmpty() && !isNumber(offsetText))
        return QStringLiteral("\"%1\" is not an offset").arg(offsetText);
    const Frequency f = FrequencyText::toValue(rx);
    const Frequency offset = FrequencyText::toValue(offsetText);
    const QString duplex = get("Duplex").toLower();
    Frequency tx = f;
    if (duplex == "+")
        tx = f + offset;
    else if (duplex == "-")
        tx = offset > f ? 0 : f - offset;
    else if (duplex == "split")
        tx = offset;
    else if (duplex == "off")
        tx = 0;
    else if (!duplex.isEmpty())
        return QStringLiteral("\"%1\" is not a duplex").arg(get("Duplex"));
    row.cells[ChannelTable::Rx] = rx;
    row.cells[ChannelTable::Tx] = tx == 0 ? QString() : FrequencyText::fromValue(tx);

    const QString tone = get("Tone").toUpper();
    static const QHash<QString, QString> decode = {
        {"", "Off"}, {"TONE", "Ctcss Encode"}, {"TSQL", "Ctcss Codec"}, {"DTCS", "Dcs Codec"}};
    if (!decode.contains(tone))
        return QStringLiteral("tone mode \"%1\" is not supported").arg(get("Tone"));
    row.cells[ChannelTable::DecodeType] = decode[tone];
    row.cells[ChannelTable::Ctcss] = tone == "TSQL" ? get("cToneFreq") : get("rToneFreq");
    if (row.cells[ChannelTable::Ctcss].isEmpty())
        row.cells[ChannelTable::Ctcss] = QStringLiteral("100.0");
    row.cells[ChannelTable::Dcs] =
        get("DtcsCode").isEmpty() ? QStringLiteral("023") : get("DtcsCode");
    static const QHash<QString, QString> polarity = {
        {"NN", "Positive"}, {"NR", "Decode Invert"}, {"RN", "Encode Invert"}, {"RR", "Invert"}};
    const QString pol = get("DtcsPolarity").toUpper();
    row.cells[ChannelTable::DcsPolarity] =
        pol.isEmpty() ? QStringLiteral("Positive") : polarity.value(pol, pol);
    const QString mode = get("Mode").toUpper();
    if (mode == "NFM")
        row.cells[ChannelTable::Bandwidth] = QStringLiteral("Narrow");
    else if (mode == "FM" || mode == "AM" || mode.isEmpty())
        row.cells[ChannelTable::Bandwidth] = QStringLiteral("Wide");
    else
        return QStringLiteral("mode \"%1\" is not supported").arg(get("Mode"));
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
        return QStringLiteral("skip \"%1\" is not supported").arg(get("Skip"));
    row.cells[ChannelTable::Scan] = skip[skipText];
    // Power names differ between radios; one this radio does not know transmits on High.
    const QString power = get("Power");
    row.cells[ChannelTable::Power] =
        listIndex(OptionTable::TxPower, power) < 0 ? QStringLiteral("High") : power;
    row.cells[ChannelTable::Signaling] = QStringLiteral("Off");
    row.cells[ChannelTable::Name] = get("Name");
    return {};
}

void applyRow(ChannelTable& table, MemoryImage& image, const ChannelRow& row) {
    const int r = row.channel;
    table.commit(r, ChannelTable::Rx, row.cells[ChannelTable::Rx]);
    if (table.rowEmpty(r))
        return;
    // A column the file does not have leaves that cell as it is.
    for (int c = ChannelTable::Tx; c < ChannelTable::kColumns; ++c)
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
    QByteArray out =
        csvLine(dialect == CsvDialect::Native ? ChannelTable::headers() : kInterchangeHeader);
    for (int r = 1; r <= ChannelTable::kRows; ++r) {
        if (table.rowEmpty(r))
            continue;
        if (dialect == CsvDialect::Native) {
            QStringList fields;
            for (int c = 0; c < ChannelTable::kColumns; ++c)
                fields << table.text(r, c);
            out += csvLine(fields);
        } else {
            out += csvLine(interchangeFields(r, table, image, bands));
        }
    }
    return out;
}

ImportResult importChannels(MemoryImage& target, BandState& targetBands, const QByteArray& csv) {
    ImportResult result;
    result.ok = false;
    QString text = QString::fromUtf8(csv);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QList<CsvRecord> records = parseCsv(text);
    if (records.isEmpty()) {
        result.message = QStringLiteral("The file holds no channel list.");
        return result;
    }
    Columns columns;
    for (int i = 0; i < records[0].fields.size(); ++i)
        columns.insert(records[0].fields[i].trimmed(), i);
    CsvDialect dialect;
    if (columns.contains("CH") && columns.contains("Rx Freq"))
        dialect = CsvDialect::Native;
    else if (columns.contains("Location") && columns.contains("Frequency"))
        dialect = CsvDialect::Interchange;
    else {
        result.message = QStringLiteral("Line 1 is not a channel list header: it needs the columns "
                                      "\"CH\" and \"Rx Freq\", or \"Location\" and \"Frequency\".");
        return result;
    }

    MemoryImage image = target;
    BandState bands = targetBands;
    ChannelTable table(image, bands);
    table.fill();
    for (qsizetype i = 1; i < records.size(); ++i) {
        ChannelRow row;
        QString problem = dialect == CsvDialect::Native ? nativeRow(records[i], columns, row)
                                                        : interchangeRow(records[i], columns, row);
        if (problem.isEmpty())
            problem = checkRow(row, bands);
        if (!problem.isEmpty()) {
            result.warnings
                << QStringLiteral("line %1: %2; skipped").arg(records[i].line).arg(problem);
            continue;
        }
        applyRow(table, image, row);
        ++result.imported;
    }
    table.store();
    target = image;
    targetBands = bands;
    result.ok = true;
    return result;
}
