// The channel list in the columns multi-radio programmers exchange: a row translated into the
// table's cells, a channel translated into the list's columns.
#include "ChannelListDialects.h"
#include "Texts.h"

#include "BandState.h"
#include "ChannelRecord.h"
#include "DecimalText.h"
#include "ImageMap.h"
#include "MemoryImage.h"

namespace ChannelList {

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
        return Texts::tr("%1 is not a location").arg(quote(get("Location")));
    const QString rx = get("Frequency");
    if (rx.isEmpty() || !isNumber(rx))
        return Texts::tr("%1 is not a frequency").arg(quote(rx));
    // Some lists write the offset of a "-" duplex as a negative number.
    QString offsetText = get("Offset");
    const bool negativeOffset = offsetText.startsWith(u'-');
    if (negativeOffset)
        offsetText.remove(0, 1);
    if (!offsetText.isEmpty() && !isNumber(offsetText))
        return Texts::tr("%1 is not an offset").arg(quote(get("Offset")));
    const std::optional<Frequency> f = storable(rx);
    const std::optional<Frequency> offsetValue = storable(offsetText);
    if (!f)
        return Texts::tr("%1 MHz is more than a frequency holds").arg(quote(rx));
    if (!offsetValue)
        return Texts::tr("offset %1 MHz is more than a frequency holds").arg(quote(offsetText));
    const std::int64_t offset = negativeOffset ? -std::int64_t(*offsetValue) : *offsetValue;
    const QString duplex = get("Duplex").toLower();
    std::int64_t tx = *f;
    if (duplex == "+") {
        tx = std::int64_t(*f) + offset;
    } else if (duplex == "-") {
        tx = std::int64_t(*f) - offset;
    } else if (duplex == "split") {
        if (negativeOffset)
            return Texts::tr("split Tx %1 MHz is not a frequency").arg(quote(get("Offset")));
        tx = offset;
    } else if (duplex == "off") {
        // The channel record has no transmit inhibit that a store keeps: Tx = Rx.
        row.notes << Texts::tr("Duplex \"off\" cannot be kept; Tx = Rx");
    } else if (!duplex.isEmpty()) {
        return Texts::tr("%1 is not a duplex").arg(quote(get("Duplex")));
    }
    if (tx <= 0 || tx > kMaxStorableFrequency)
        return Texts::tr("Tx %1 MHz lies outside what a frequency holds")
            .arg(DecimalText::format(tx, 5));
    if (negativeOffset && (duplex == "+" || duplex == "-"))
        row.notes
            << Texts::tr("negative offset: Tx %1 MHz").arg(FrequencyText::fromValue(Frequency(tx)));
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
        return Texts::tr("mode %1 is not supported").arg(quote(get("Mode")));
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
        return Texts::tr("skip %1 is not supported").arg(quote(get("Skip")));
    row.cells[T::Scan] = skip[skipText];
    interchangePower(get("Power"), row);
    // Option signaling has no column in these lists.
    row.given[T::Signaling] = false;
    row.cells[T::Name] = get("Name");
    row.given[T::Name] = columns.contains(QStringLiteral("Name"));
    return {};
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
