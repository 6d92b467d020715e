// The channel list in the columns multi-radio programmers exchange: a row translated into the
// table's cells, a channel translated into the list's columns.
#include "ChannelListDialects.h"

#include "BandState.h"
#include "ChannelRecord.h"
#include "DecimalText.h"
#include "ImageMap.h"
#include "MemoryImage.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace ChannelList {

namespace {

// The tone settings of a line, as the sending program meant them: what is sent and what opens
// the squelch.
struct ToneSides {
    enum Kind { None, Tone, Dcs } tx = None, rx = None;
};

// Tone, TSQL, DTCS and Cross with its CrossMode ("Tone->DTCS", "->Tone", ...) as the two sides;
// reverse squelch (TSQL-R, DTCS-R) opens on a missing tone, which no setting of this radio
// does: it counts as no tone at all. nullopt for a mode no program writes.
std::optional<ToneSides> toneSides(const QString& mode, const QString& crossMode) {
    using K = ToneSides::Kind;
    if (mode.isEmpty() || mode == "TSQL-R" || mode == "DTCS-R")
        return ToneSides{};
    if (mode == "TONE")
        return ToneSides{K::Tone, K::None};
    if (mode == "TSQL")
        return ToneSides{K::Tone, K::Tone};
    if (mode == "DTCS")
        return ToneSides{K::Dcs, K::Dcs};
    if (mode != "CROSS")
        return std::nullopt;
    const QStringList sides = crossMode.toUpper().split(QStringLiteral("->"));
    if (sides.size() != 2)
        return std::nullopt;
    auto kind = [](const QString& side) -> std::optional<K> {
        if (side.isEmpty())
            return K::None;
        if (side == "TONE")
            return K::Tone;
        if (side == "DTCS")
            return K::Dcs;
        return std::nullopt;
    };
    const auto tx = kind(sides[0].trimmed());
    const auto rx = kind(sides[1].trimmed());
    if (!tx || !rx)
        return std::nullopt;
    return ToneSides{*tx, *rx};
}

// "5.0W", "25 W", "0.5w": the sending program's watts.
std::optional<double> watts(const QString& power) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d+(?:\\.\\d*)?)\\s*W$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(power);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toDouble();
}

} // namespace

const QStringList& interchangeHeader() {
    static const QStringList header = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return header;
}

QString interchangeRow(const ListRow& record, const Columns& columns, ChannelRow& row) {
    using T = ChannelTable;
    auto get = [&](const char* name) { return field(record, columns, QLatin1String(name)); };
    if (!parseChannel(get("Location"), row.channel))
        return QStringLiteral("%1 is not a location").arg(quote(get("Location")));
    const QString rx = get("Frequency");
    if (rx.isEmpty() || !isNumber(rx))
        return QStringLiteral("%1 is not a frequency").arg(quote(rx));
    // Some lists write the offset of a "-" duplex as a negative number.
    QString offsetText = get("Offset");
    const bool negativeOffset = offsetText.startsWith(u'-');
    if (negativeOffset)
        offsetText.remove(0, 1);
    if (!offsetText.isEmpty() && !isNumber(offsetText))
        return QStringLiteral("%1 is not an offset").arg(quote(get("Offset")));
    const std::optional<Frequency> f = storable(rx);
    const std::optional<Frequency> offsetValue = storable(offsetText);
    if (!f)
        return QStringLiteral("%1 MHz is more than a frequency holds").arg(quote(rx));
    if (!offsetValue)
        return QStringLiteral("offset %1 MHz is more than a frequency holds")
            .arg(quote(offsetText));
    const std::int64_t offset = negativeOffset ? -std::int64_t(*offsetValue) : *offsetValue;
    const QString duplex = get("Duplex").toLower();
    std::int64_t tx = *f;
    if (duplex == "+") {
        tx = std::int64_t(*f) + offset;
    } else if (duplex == "-") {
        tx = std::int64_t(*f) - offset;
    } else if (duplex == "split") {
        if (negativeOffset)
            return QStringLiteral("split Tx %1 MHz is not a frequency").arg(quote(get("Offset")));
        tx = offset;
    } else if (duplex == "off") {
        // The channel record has no transmit inhibit that a store keeps: Tx = Rx.
        row.notes << QStringLiteral("Duplex \"off\" cannot be kept; Tx = Rx");
    } else if (!duplex.isEmpty()) {
        return QStringLiteral("%1 is not a duplex").arg(quote(get("Duplex")));
    }
    if (tx <= 0 || tx > kMaxStorableFrequency)
        return QStringLiteral("Tx %1 MHz lies outside what a frequency holds")
            .arg(DecimalText::format(tx, 5));
    if (negativeOffset && (duplex == "+" || duplex == "-"))
        row.notes << QStringLiteral("negative offset: Tx %1 MHz")
                         .arg(FrequencyText::fromValue(Frequency(tx)));
    row.cells[T::Rx] = rx;
    row.cells[T::Tx] = FrequencyText::fromValue(Frequency(tx));

    if (const QString problem = interchangeTones(record, columns, row); !problem.isEmpty())
        return problem;

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
    interchangePower(get("Power"), row);
    // Option signaling has no column in these lists.
    row.given[T::Signaling] = false;
    row.cells[T::Name] = get("Name");
    row.given[T::Name] = columns.contains(QStringLiteral("Name"));
    return {};
}

QString interchangeTones(const ListRow& record, const Columns& columns, ChannelRow& row) {
    using T = ChannelTable;
    using K = ToneSides::Kind;
    auto get = [&](const char* name) { return field(record, columns, QLatin1String(name)); };
    const QString mode = get("Tone").toUpper();
    const std::optional<ToneSides> sides = toneSides(mode, get("CrossMode"));
    if (!sides)
        return mode == "CROSS"
                   ? QStringLiteral("cross mode %1 is not supported").arg(quote(get("CrossMode")))
                   : QStringLiteral("tone mode %1 is not supported").arg(quote(get("Tone")));
    // Transmit tones come from rToneFreq and DtcsCode, receive tones from cToneFreq (rToneFreq
    // for Tone and TSQL as lists write them) and RxDtcsCode (DtcsCode when there is none).
    const QString txTone = mode == "TSQL" ? get("cToneFreq") : get("rToneFreq");
    const QString rxTone = mode == "CROSS" ? get("cToneFreq") : txTone;
    const QString txCode = get("DtcsCode");
    const QString rxCode = get("RxDtcsCode").isEmpty() ? txCode : get("RxDtcsCode");
    row.cells[T::Ctcss] = txTone.isEmpty() ? QStringLiteral("100.0") : txTone;
    row.cells[T::Dcs] = txCode.isEmpty() ? QStringLiteral("023") : txCode;

    // What is sent stays right; a receive side this radio cannot match opens.
    QString decode;
    QString became;
    if (sides->tx == K::Tone) {
        const bool same = sides->rx == K::Tone &&
                          DecimalText::scaled(rxTone, 1) == DecimalText::scaled(txTone, 1);
        decode = same ? QStringLiteral("Ctcss Codec") : QStringLiteral("Ctcss Encode");
        if (sides->rx != K::None && !same)
            became = QStringLiteral("sends %1 Hz, receives open").arg(row.cells[T::Ctcss]);
    } else if (sides->tx == K::Dcs) {
        // This radio sends a DCS code only with the same code as its squelch.
        decode = QStringLiteral("Dcs Codec");
        if (sides->rx != K::Dcs || DecimalText::scaled(rxCode, 0) != DecimalText::scaled(txCode, 0))
            became = QStringLiteral("sends DCS %1 and receives on it").arg(row.cells[T::Dcs]);
    } else {
        decode = QStringLiteral("Off");
        if (sides->rx != K::None || mode.endsWith(QStringLiteral("-R")))
            became = QStringLiteral("receives open");
    }
    row.cells[T::DecodeType] = decode;
    if (!became.isEmpty() || mode == "CROSS" || mode.endsWith(QStringLiteral("-R"))) {
        const QString named = mode == "CROSS"  ? QStringLiteral("Cross %1").arg(get("CrossMode"))
                              : mode == "DTCS" ? QStringLiteral("DTCS %1/%2").arg(txCode, rxCode)
                                               : get("Tone");
        row.notes << QStringLiteral("%1 became \"%2\"%3")
                         .arg(named, decode,
                              became.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(became));
    }
    static const QHash<QString, QString> polarity = {
        {"NN", "Positive"}, {"NR", "Decode Invert"}, {"RN", "Encode Invert"}, {"RR", "Invert"}};
    const QString pol = get("DtcsPolarity").toUpper();
    row.cells[T::DcsPolarity] =
        pol.isEmpty() ? QStringLiteral("Positive") : polarity.value(pol, pol);
    return {};
}

void interchangePower(const QString& power, ChannelRow& row) {
    using T = ChannelTable;
    // Watts are placed by the whole list's wattages (assignWattLevels); names are taken as text.
    row.given[T::Power] = false;
    if (power.isEmpty())
        return;
    if (const std::optional<double> w = watts(power)) {
        row.watts = *w;
        return;
    }
    const QString lower = power.toLower();
    if (lower == "mid" || lower == "medium" || lower == "med")
        row.cells[T::Power] = QStringLiteral("Middle 1");
    else if (const int i = listIndex(OptionTable::TxPower, power); i >= 0)
        row.cells[T::Power] = options(OptionTable::TxPower)[i];
    else {
        row.notes
            << QStringLiteral("power %1 is no level of this radio; power kept").arg(quote(power));
        return;
    }
    row.given[T::Power] = true;
}

QStringList assignWattLevels(std::vector<ChannelRow*>& rows) {
    std::vector<double> wattages;
    for (const ChannelRow* row : rows)
        if (row->watts && std::ranges::find(wattages, *row->watts) == wattages.end())
            wattages.push_back(*row->watts);
    if (wattages.empty())
        return {};
    std::ranges::sort(wattages);
    auto wattText = [](double w) { return QStringLiteral("%1 W").arg(w); };
    if (wattages.size() == 1)
        return {QStringLiteral("every line gives %1: the channels keep their power levels")
                    .arg(wattText(wattages.front()))};
    // Lowest to highest onto the four levels, the lowest always Low and the highest High.
    const QStringList& levels = options(OptionTable::TxPower);
    const int top = int(levels.size()) - 1;
    QStringList mapping;
    std::vector<QString> levelOf;
    for (std::size_t i = 0; i < wattages.size(); ++i) {
        const int level = int(std::lround(double(i) * top / double(wattages.size() - 1)));
        levelOf.push_back(levels[level]);
        mapping << QStringLiteral("%1 as %2").arg(wattText(wattages[i]), levels[level]);
    }
    for (ChannelRow* row : rows) {
        if (!row->watts)
            continue;
        const auto at = std::ranges::find(wattages, *row->watts) - wattages.begin();
        row->cells[ChannelTable::Power] = levelOf[std::size_t(at)];
        row->given[ChannelTable::Power] = true;
    }
    return {QStringLiteral("power in watts: %1").arg(mapping.join(QStringLiteral(", ")))};
}

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
            table.text(channel, T::Dcs),
            QStringLiteral("Tone->Tone"),
            mode,
            step,
            skip,
            table.text(channel, T::Power),
            QString(),
            QString(),
            QString(),
            QString(),
            QString()};
}

} // namespace ChannelList
