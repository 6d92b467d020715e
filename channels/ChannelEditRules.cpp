#include "ChannelEditRules.h"

#include "BandState.h"
#include "ChannelRules.h"
#include "DecimalText.h"
#include "OptionTables.h"

namespace ChannelEditRules {

QStringList sqlModes(int decodeType, int optionSignaling) {
    const QStringList& all = options(OptionTable::SqlMode);
    const bool tone = decodeType >= 2;
    const bool signaling = optionSignaling > 0;
    if (tone && signaling)
        return all;
    QStringList list = {all[0]};
    if (tone)
        list << all[1];
    if (signaling)
        list << all[2];
    return list;
}

QStringList stepsFor(Frequency rx, const BandState& bands) {
    const QStringList& all = options(OptionTable::FrequencyStep);
    if (bands.bandOf(rx) != 8)
        return all;
    return {"5.0", "10", "12.5", "15", "20", "25", "30", "50", "100"};
}

QString normalizeOffset(const QString& text) {
    std::int64_t o = DecimalText::scaled(text, 5);
    if (o < 0 || o > 5'000'000)
        o = 760'000;
    else
        o = gridCheck(Frequency(o));
    return FrequencyText::fromValue(Frequency(o));
}

namespace {

bool inBand(const QString& text, const BandState& bands) {
    return !text.isEmpty() && bands.bandOf(FrequencyText::toValue(text)) >= 0;
}

// Channel 1 keeps to the main bands and only gets the grid check.
Entry enterFirstChannel(const QString& text, const QString& previous, const BandState& bands) {
    const Frequency f = FrequencyText::toValue(text);
    if (bands.mainBandCheck(f) >= 0)
        return {FrequencyText::fromValue(gridCheck(f))};
    if (!previous.isEmpty() && bands.mainBandCheck(FrequencyText::toValue(previous)) >= 0)
        return {previous};
    const int fallback = bands.defaultBand();
    if (fallback >= 0)
        return {FrequencyText::fromValue(bands.nine[std::size_t(fallback)].lower)};
    return {text, false};
}

// Other channels: out-of-band entries fall back, then the raster.
QString snapped(const QString& text, const QString& previous, const BandState& bands) {
    Frequency f = FrequencyText::toValue(text);
    if (bands.bandOf(f) < 0) {
        const int first = bands.firstDefinedBand();
        if (inBand(previous, bands))
            f = FrequencyText::toValue(previous);
        else if (first >= 0)
            f = bands.nine[std::size_t(first)].lower;
    }
    return FrequencyText::fromValue(ChannelRules::snapFrequency(f, bands.bandOf(f)));
}

} // namespace

Entry enterRx(int channel, const QString& text, const QString& previous, const BandState& bands) {
    if (channel == 1)
        return enterFirstChannel(text, previous, bands);
    if (text.isEmpty())
        return {QString()};
    return {snapped(text, previous, bands)};
}

Entry enterTx(int channel, const QString& text, const QString& previous, const BandState& bands) {
    if (channel == 1)
        return enterFirstChannel(text, previous, bands);
    if (text.isEmpty())
        return {previous};
    return {snapped(text, previous, bands)};
}

QString scanEdgeName(int k) {
    return QStringLiteral("%1%2").arg(QChar(k % 2 ? u'U' : u'L')).arg(k / 2 + 1);
}

QStringList scanStepsFor(Frequency rx, const BandState& bands) {
    const int band = bands.bandOf(rx);
    if (band == 8)
        return stepsFor(rx, bands);
    QStringList steps = options(OptionTable::FrequencyStep);
    if (band != 3)
        steps.removeAll(QStringLiteral("8.33"));
    return steps;
}

namespace {

QString onRaster(Frequency f, const BandState& bands) {
    return FrequencyText::fromValue(ChannelRules::snapFrequency(f, bands.bandOf(f)));
}

} // namespace

Entry enterScanRx(const QString& text, const QString& previous, const BandState& bands) {
    if (text.isEmpty())
        return {QString()};
    Frequency f = FrequencyText::toValue(text);
    if (bands.bandOf(f) < 0) {
        if (previous.isEmpty())
            return {QString()};
        f = FrequencyText::toValue(previous);
    }
    return {onRaster(f, bands)};
}

Entry enterScanTx(const QString& text, const QString& previous, const QString& rx,
                  const BandState& bands) {
    if (rx.isEmpty())
        return {QString()};
    if (text.isEmpty())
        return {previous};
    Frequency f = FrequencyText::toValue(text);
    if (bands.bandOf(f) < 0) {
        if (!inBand(previous, bands))
            return {rx};
        f = FrequencyText::toValue(previous);
    }
    return {onRaster(f, bands)};
}

std::vector<VfoTab> vfoTabs(const BandState& bands) {
    const QStringList& names = options(OptionTable::BandName);
    std::vector<VfoTab> tabs;
    for (int k = 0; k < kBandCount; ++k)
        if (k != 3 && bands.enabled[std::size_t(k)])
            tabs.push_back({k, names[k]});
    if (bands.enabled[BandState::kVhf])
        tabs.push_back({9, names[BandState::kVhf] + QStringLiteral(" R")});
    if (bands.enabled[BandState::kBand220] || bands.enabled[BandState::kUhf]) {
        const int band = bands.enabled[BandState::kBand220] ? BandState::kBand220 : BandState::kUhf;
        tabs.push_back({10, names[band] + QStringLiteral(" R")});
    }
    return tabs;
}

BandRange vfoLimits(int record, const BandState& bands) {
    return record < kBandCount ? bands.nine[std::size_t(record)]
                               : bands.mainBands[std::size_t(record - kBandCount)];
}

bool vfoEnabled(int record, const BandState& bands) {
    if (record < kBandCount)
        return bands.enabled[std::size_t(record)];
    if (record == kBandCount)
        return bands.enabled[BandState::kVhf];
    return bands.enabled[BandState::kBand220] || bands.enabled[BandState::kUhf];
}

Frequency vfoBuiltInLower(int record) {
    const int band = record < kBandCount    ? record
                     : record == kBandCount ? BandState::kVhf
                                            : BandState::kUhf;
    return kAbsoluteBands[std::size_t(band)].lower;
}

bool vfoAccepts(int record, Frequency f, const BandState& bands) {
    constexpr int kAirBand = 3;
    return vfoLimits(record, bands).contains(f) ||
           (record == BandState::kVhf && bands.bandOf(f) == kAirBand);
}

QString enterVfoFrequency(int record, const QString& text, const BandState& bands) {
    Frequency f = FrequencyText::toValue(text);
    if (!vfoAccepts(record, f, bands))
        f = vfoLimits(record, bands).lower;
    return onRaster(f, bands);
}

Frequency vfoTx(Frequency rx, int& direction, Frequency offset, const BandState& bands) {
    Frequency tx = rx;
    if (direction == 1)
        tx = rx - std::min(offset, rx);
    else if (direction == 2)
        tx = rx + offset;
    if (bands.bandOf(tx) != bands.bandOf(rx)) {
        direction = 0;
        tx = rx;
    }
    return tx;
}

} // namespace ChannelEditRules
