// The interchange columns whose values this radio holds differently: tone modes beyond its
// four decode types, and power given in watts.
#include "ChannelListDialects.h"
#include "Texts.h"

#include "DecimalText.h"

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
    if (!power.endsWith(u'W', Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView number = QStringView(power).chopped(1).trimmed();
    if (!DecimalText::isPlainDecimal(number) || number.startsWith(u'.'))
        return std::nullopt;
    return number.toDouble();
}

} // namespace

QString interchangeTones(const ListRow& record, const Columns& columns, ChannelRow& row) {
    using T = ChannelTable;
    using K = ToneSides::Kind;
    auto get = [&](const char* name) { return field(record, columns, QLatin1String(name)); };
    const QString mode = get("Tone").toUpper();
    const std::optional<ToneSides> sides = toneSides(mode, get("CrossMode"));
    if (!sides)
        return mode == "CROSS"
                   ? Texts::tr("cross mode %1 is not supported").arg(quote(get("CrossMode")))
                   : Texts::tr("tone mode %1 is not supported").arg(quote(get("Tone")));
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
            became = Texts::tr("sends %1 Hz, receives open").arg(row.cells[T::Ctcss]);
    } else if (sides->tx == K::Dcs) {
        // This radio sends a DCS code only with the same code as its squelch.
        decode = QStringLiteral("Dcs Codec");
        if (sides->rx != K::Dcs || DecimalText::scaled(rxCode, 0) != DecimalText::scaled(txCode, 0))
            became = Texts::tr("sends DCS %1 and receives on it").arg(row.cells[T::Dcs]);
    } else {
        decode = QStringLiteral("Off");
        if (sides->rx != K::None || mode.endsWith(QStringLiteral("-R")))
            became = Texts::tr("receives open");
    }
    row.cells[T::DecodeType] = decode;
    if (!became.isEmpty() || mode == "CROSS" || mode.endsWith(QStringLiteral("-R"))) {
        const QString named = mode == "CROSS"  ? Texts::tr("Cross %1").arg(get("CrossMode"))
                              : mode == "DTCS" ? Texts::tr("DTCS %1/%2").arg(txCode, rxCode)
                                               : get("Tone");
        row.notes << Texts::tr("%1 became \"%2\"%3")
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
        row.notes << Texts::tr("power %1 is no level of this radio; power kept").arg(quote(power));
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
        return {Texts::tr("every line gives %1: the channels keep their power levels")
                    .arg(wattText(wattages.front()))};
    // Lowest to highest onto the four levels, the lowest always Low and the highest High.
    const QStringList& levels = options(OptionTable::TxPower);
    const int top = int(levels.size()) - 1;
    QStringList mapping;
    std::vector<QString> levelOf;
    for (std::size_t i = 0; i < wattages.size(); ++i) {
        const int level = int(std::lround(double(i) * top / double(wattages.size() - 1)));
        levelOf.push_back(levels[level]);
        mapping << Texts::tr("%1 as %2").arg(wattText(wattages[i]), levels[level]);
    }
    for (ChannelRow* row : rows) {
        if (!row->watts)
            continue;
        const auto at = std::ranges::find(wattages, *row->watts) - wattages.begin();
        row->cells[ChannelTable::Power] = levelOf[std::size_t(at)];
        row->given[ChannelTable::Power] = true;
    }
    return {Texts::tr("power in watts: %1").arg(mapping.join(QStringLiteral(", ")))};
}

} // namespace ChannelList
