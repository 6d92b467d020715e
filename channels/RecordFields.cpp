#include "RecordFields.h"

#include "ChannelEditRules.h"

namespace RecordFields {

namespace {

using namespace ChannelRecord;

// The lists whose choice a form keeps to when the record's code is none of its items.
int fallbackIndex(const Field& field, const QStringList& items) {
    if (field.kind == Kind::Step)
        return std::min(6, int(items.size()) - 1);
    if (field.kind == Kind::List && field.field == ChannelField::TxPower)
        return std::max(0, int(items.indexOf(QStringLiteral("High"))));
    return 0;
}

QString listText(const Field& field, const QStringList& items, int code) {
    return code >= 0 && code < items.size() ? items[code] : listFallback(field, items);
}

QString textIn(const Field& field, const QStringList& items, const QString& text) {
    return items.contains(text) ? text : listFallback(field, items);
}

// The texts of one record, built in field order: the steps and SQL modes offered depend on the
// texts already shown.
class RecordTexts {
public:
    RecordTexts(ConstRecord r, RecordUse use, int number, const BandState& bands)
        : r_(r), use_(use), number_(number), bands_(bands) {}

    QString text(const Field& f) {
        switch (f.kind) {
        case Kind::Rx:
            rx_ = frequency(rxFrequency(r_), !isEmptyRecord(r_));
            return rx_;
        case Kind::Tx:
            return frequency(txFrequency(r_), txIsSet(r_));
        case Kind::Name:
            return name(r_);
        case Kind::Ctcss:
            return ctcssText(r_);
        case Kind::Dcs:
            return dcsText(r_);
        case Kind::List: {
            const QString shown = listText(f, options(f.table), code(r_, f.field));
            if (f.field == ChannelField::DecodeType)
                decodeType_ = int(options(f.table).indexOf(shown));
            if (f.field == ChannelField::OptionSignaling)
                signaling_ = int(options(f.table).indexOf(shown));
            return shown;
        }
        case Kind::SignalingDecode:
            return QString::number(code(r_, ChannelField::SignalingDecode) + 1);
        case Kind::SqlMode:
            return textIn(f, ChannelEditRules::sqlModes(decodeType_, signaling_),
                          sqlModeText(code(r_, ChannelField::SqlMode)));
        case Kind::Step: {
            const Frequency rx = FrequencyText::toValue(rx_);
            return textIn(f,
                          use_ == RecordUse::ScanEdge ? ChannelEditRules::scanStepsFor(rx, bands_)
                                                      : ChannelEditRules::stepsFor(rx, bands_),
                          frequencyStepText(code(r_, ChannelField::FrequencyStep)));
        }
        case Kind::OffsetDirection: {
            const int direction = code(r_, ChannelField::OffsetDirection);
            return listText(f, options(f.table), direction == 3 ? 0 : direction);
        }
        case Kind::Offset:
            return ChannelEditRules::normalizeOffset(
                r_[19] == 0xFF ? QString() : FrequencyText::fromValue(offset(r_)));
        case Kind::Check: {
            // Reverse and talk around exclude each other: with both set, reverse stays.
            const bool reverse = code(r_, ChannelField::Reverse) == 1;
            const bool on =
                code(r_, f.field) == 1 && !(f.field == ChannelField::TalkAround && reverse);
            return on ? QStringLiteral("On") : QStringLiteral("Off");
        }
        }
        return {};
    }

private:
    // A VFO record keeps its frequencies within its band.
    QString frequency(Frequency f, bool set) const {
        const QString text = set ? FrequencyText::fromValue(f) : QString();
        return use_ == RecordUse::Vfo ? ChannelEditRules::enterVfoFrequency(number_, text, bands_)
                                      : text;
    }

    ConstRecord r_;
    RecordUse use_;
    int number_;
    const BandState& bands_;
    QString rx_;
    int decodeType_ = 0;
    int signaling_ = 0;
};

} // namespace

const std::vector<Field>& fields() {
    using K = Kind;
    using F = ChannelField;
    using T = OptionTable;
    // clang-format off
    static const std::vector<Field> table = {
        {K::Rx,              QT_TRANSLATE_NOOP("Radio", "Rx frequency(MHz)"), {}, {}, 9, CharSet::Frequency},
        {K::Tx,              QT_TRANSLATE_NOOP("Radio", "Tx frequency(MHz)"), {}, {}, 9, CharSet::Frequency},
        {K::Name,            QT_TRANSLATE_NOOP("Radio", "Name"),              {}, {}, 6, CharSet::Name, true},
        {K::Ctcss,           QT_TRANSLATE_NOOP("Radio", "CTCSS tone"),        {}, {}, 5, CharSet::Tone},
        {K::Dcs,             QT_TRANSLATE_NOOP("Radio", "DCS code"),          {}, {}, 3, CharSet::Dcs},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "DCS polarity"),     F::DcsPolarity,     T::DcsPolarity},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "Decode type"),      F::DecodeType,      T::DecodeType},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "Option signaling"), F::OptionSignaling, T::OptionSignaling},
        {K::SignalingDecode, QT_TRANSLATE_NOOP("Radio", "Siganling decode")},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "PTT ID"),           F::PttId,           T::PttId},
        {K::SqlMode,         QT_TRANSLATE_NOOP("Radio", "SQL mode")},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "Tx stop"),          F::TxStop,          T::OnOff},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "Bandwidth"),        F::Bandwidth,       T::Bandwidth},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "Scan"),             F::Scan,            T::Scan},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "Tx power"),         F::TxPower,         T::TxPower},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "Busy lock"),        F::BusyLock,        T::BusyLock},
        {K::List,            QT_TRANSLATE_NOOP("Radio", "Display type"),     F::DisplayType,     T::DisplayType},
        {K::Step,            QT_TRANSLATE_NOOP("Radio", "Frequency step")},
        {K::OffsetDirection, QT_TRANSLATE_NOOP("Radio", "Offset direction"), F::OffsetDirection, T::OffsetDirection},
        {K::Offset,          QT_TRANSLATE_NOOP("Radio", "Offset freq(MHz)"), {}, {}, 8, CharSet::Frequency},
        {K::Check,           QT_TRANSLATE_NOOP("Radio", "Reverse backup"),   F::ReverseBackup},
        {K::Check,           QT_TRANSLATE_NOOP("Radio", "Emphasis"),         F::Emphasis},
        {K::Check,           QT_TRANSLATE_NOOP("Radio", "Compander"),        F::Compander},
        {K::Check,           QT_TRANSLATE_NOOP("Radio", "Scrambler"),        F::Scrambler},
        {K::Check,           QT_TRANSLATE_NOOP("Radio", "Reverse"),          F::Reverse},
        {K::Check,           QT_TRANSLATE_NOOP("Radio", "Talk around"),      F::TalkAround},
        {K::Check,           QT_TRANSLATE_NOOP("Radio", "Beat shift"),       F::BeatShift},
        {K::Check,           "AM",               F::Am},
    };
    // clang-format on
    return table;
}

QString label(const Field& field, RecordUse use) {
    static const std::pair<const char*, const char*> vfo[] = {
        {QT_TRANSLATE_NOOP("Radio", "Rx frequency(MHz)"),
         QT_TRANSLATE_NOOP("Radio", "Rx frequency (MHz)")},
        {QT_TRANSLATE_NOOP("Radio", "Tx frequency(MHz)"),
         QT_TRANSLATE_NOOP("Radio", "Tx frequency (MHz)")},
        {QT_TRANSLATE_NOOP("Radio", "Busy lock"), QT_TRANSLATE_NOOP("Radio", "Busy lcok")}};
    const QString base = QString::fromLatin1(field.label);
    if (use != RecordUse::Channel && base == QLatin1String("Decode type"))
        return QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Deocde type"));
    if (use == RecordUse::Vfo)
        for (auto [channel, own] : vfo)
            if (base == QLatin1String(channel))
                return QString::fromLatin1(own);
    return base;
}

bool hidden(const Field& field, RecordUse use) {
    static const QStringList channel = {"Tx stop", "Reverse backup", "Frequency step",
                                        QT_TRANSLATE_NOOP("Radio", "Offset direction"),
                                        QT_TRANSLATE_NOOP("Radio", "Offset freq(MHz)")};
    static const QStringList vfo = {"Tx frequency(MHz)",
                                    QT_TRANSLATE_NOOP("Radio", "Name"),
                                    QT_TRANSLATE_NOOP("Radio", "Tx stop"),
                                    QT_TRANSLATE_NOOP("Radio", "Scan"),
                                    QT_TRANSLATE_NOOP("Radio", "Display type"),
                                    QT_TRANSLATE_NOOP("Radio", "Reverse backup")};
    // Asked for every field of every record a report shows: looked up by the field's place.
    static const auto hiddenIn = [](const QStringList& labels) {
        std::vector<bool> out;
        for (const Field& f : fields())
            out.push_back(labels.contains(QString::fromLatin1(f.label)));
        return out;
    };
    static const std::vector<bool> hiddenInChannels = hiddenIn(channel);
    static const std::vector<bool> hiddenInVfos = hiddenIn(vfo);
    const std::vector<Field>& all = fields();
    if (std::less_equal<>()(all.data(), &field) && std::less<>()(&field, all.data() + all.size()))
        return (use == RecordUse::Vfo ? hiddenInVfos
                                      : hiddenInChannels)[std::size_t(&field - all.data())];
    return (use == RecordUse::Vfo ? vfo : channel).contains(QString::fromLatin1(field.label));
}

QString listFallback(const Field& field, const QStringList& items) {
    return items.value(fallbackIndex(field, items));
}

QStringList shownLabels(RecordUse use) {
    QStringList labels;
    for (const Field& f : fields())
        if (!hidden(f, use))
            labels << label(f, use);
    return labels;
}

std::array<std::uint8_t, 32> shownBits(RecordUse use) {
    std::array<std::uint8_t, 32> bits{};
    auto bytes = [&bits](std::size_t first, std::size_t count) {
        std::fill_n(bits.begin() + std::ptrdiff_t(first), count, 0xFF);
    };
    for (const Field& f : fields()) {
        if (hidden(f, use))
            continue;
        switch (f.kind) {
        case Kind::Rx:
            bytes(0, 4);
            break;
        case Kind::Tx:
            bytes(4, 4);
            break;
        case Kind::Ctcss:
            bytes(8, 2);
            break;
        case Kind::Dcs:
            bytes(10, 2);
            break;
        case Kind::Offset:
            bytes(16, 4);
            break;
        case Kind::Name:
            bytes(24, 6);
            break;
        default: {
            const ChannelField field = f.kind == Kind::SignalingDecode
                                           ? ChannelField::SignalingDecode
                                       : f.kind == Kind::SqlMode ? ChannelField::SqlMode
                                       : f.kind == Kind::Step    ? ChannelField::FrequencyStep
                                                                 : f.field;
            const auto [offset, mask] = ChannelRecord::bitsOf(field);
            bits[std::size_t(offset)] |= mask;
        }
        }
    }
    return bits;
}

QString fieldText(const Field& field, const QString& text) {
    return field.chars ? text.left(field.maxLength) : text;
}

QStringList shownTexts(ConstRecord r, RecordUse use, int number, const BandState& bands) {
    QStringList texts;
    if (use != RecordUse::Vfo && isEmptyRecord(r))
        return texts;
    RecordTexts record(r, use, number, bands);
    for (const Field& f : fields()) {
        const QString text = record.text(f); // hidden fields still decide the lists offered
        if (!hidden(f, use))
            texts << fieldText(f, text);
    }
    return texts;
}

} // namespace RecordFields
