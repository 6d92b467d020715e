#include "FiveToneSettings.h"

#include "DecimalText.h"
#include "Digits.h"
#include "FieldCodecs.h"
#include "FiveToneStandards.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "Tones.h"

#include <algorithm>

namespace FiveToneSettings {

namespace {

// A standard's record: +0 index, +1 width, +2 group, +3 repeat, +4 delimiter (0 none), +5..+7
// not the form's, +8 sixteen tones as little-endian tenths of a hertz.
constexpr std::uint32_t kWidth = 1;
constexpr std::uint32_t kGroup = 2;
constexpr std::uint32_t kRepeat = 3;
constexpr std::uint32_t kDelimiter = 4;
constexpr std::uint32_t kTones = 8;

const QString kNone = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "None"));

NumberRule milliseconds() {
    return {.minimum = 0,
            .maximum = 2550,
            .fallback = 100,
            .step = 10,
            .spinUnit = 10,
            .maxLength = 4,
            .heldUnit = 50,
            .heldAfterMs = 5000};
}

} // namespace

const QStringList& standardNames() {
    static const QStringList names = [] {
        QStringList list;
        for (int k = 0; k < kStandards; ++k)
            list << QString::fromLatin1(fiveToneStandard(k).name);
        return list;
    }();
    return names;
}

const QStringList& letters() {
    static const QStringList list = {"A", "B", "C", "D", "E", "F"};
    return list;
}

int loadStandard(MemoryImage& image) {
    int k = image.byte(ImageMap::kFiveToneSystem);
    if (k > kUserStandard)
        k = 0;
    const auto block = image.at(ImageMap::kFiveToneSystem, ImageMap::kFiveToneRecordSize);
    const std::size_t copied = k == kUserStandard ? block.size() : kTones;
    std::copy_n(block.begin(), copied, image.pc().begin() + ImageMap::pcFiveToneSystem(k));
    return k;
}

void storeStandard(MemoryImage& image, int k) {
    auto entry = image.pc().subspan(ImageMap::pcFiveToneSystem(k), ImageMap::kFiveToneRecordSize);
    entry[0] = std::uint8_t(k);
    std::copy(entry.begin(), entry.end(),
              image.at(ImageMap::kFiveToneSystem, ImageMap::kFiveToneRecordSize).begin());
}

QString toneLabel(int digit) {
    return QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Tone %1")).arg(Digits::hexChar(digit));
}

NumberRule widthRule(int k) {
    const int nominal = fiveToneStandard(k).nominalWidthMs;
    return {.minimum = nominal, .maximum = 255, .fallback = nominal};
}

const std::array<QString, 3>& letterLabels() {
    static const std::array<QString, 3> labels = {QT_TRANSLATE_NOOP("Radio", "Group"),
                                                  QT_TRANSLATE_NOOP("Radio", "Repeat"),
                                                  QT_TRANSLATE_NOOP("Radio", "Delimiter")};
    return labels;
}

const std::vector<FieldDescription>& standardFields() {
    static const std::vector<FieldDescription> table = [] {
        using namespace FieldCodecs;
        const std::vector<int> letterCodes = {10, 11, 12, 13, 14, 15};
        std::vector<int> delimiterCodes = letterCodes;
        delimiterCodes.insert(delimiterCodes.begin(), 0);
        // clang-format off
        std::vector<FieldDescription> fields = {
            {.label = QT_TRANSLATE_NOOP("Radio", "Width"), .address = kWidth, .codec = &numberField, .number = widthRule(0)},
            {.label = QT_TRANSLATE_NOOP("Radio", "Group"), .address = kGroup, .codec = &codedList, .items = letters(),
             .codes = letterCodes, .fallback = 0},
            {.label = QT_TRANSLATE_NOOP("Radio", "Repeat"), .address = kRepeat, .codec = &codedList, .items = letters(),
             .codes = letterCodes, .fallback = 4},
            {.label = QT_TRANSLATE_NOOP("Radio", "Delimiter"), .address = kDelimiter, .codec = &codedList,
             .items = QStringList{kNone} + letters(), .codes = delimiterCodes},
        };
        // clang-format on
        const NumberRule tone = {.tenths = true,
                                 .minimum = SignalTone::kLowest,
                                 .maximum = SignalTone::kHighest,
                                 .fallback = 0,
                                 .zeroText = QString(),
                                 .maxLength = 6};
        for (int i = 0; i < 16; ++i)
            fields.push_back(
                {.label = toneLabel(i),
                 .address = kTones + 2 * std::uint32_t(i),
                 .width = 16,
                 .codec = &numberField,
                 .number = tone,
                 .place = {kToneGroup, i / 4 + 1, (i % 4) * 2 + 1, QString(Digits::hexChar(i))}});
        return fields;
    }();
    return table;
}

std::vector<std::pair<QString, QString>> shownStandard(const MemoryImage& image, int k) {
    std::vector<std::pair<QString, QString>> shown = {
        {QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Standard")), standardNames().value(k)}};
    std::array<QString, 3> letters;
    for (FieldDescription f : standardFields()) {
        if (f.label == QLatin1String("Width"))
            f.number = widthRule(k);
        const QString text = Fields::shownText(
            f, f.items, Fields::load(f, f.items, image, ImageMap::kFiveToneStandardRecords.at(k)));
        for (std::size_t x = 0; x < 3; ++x)
            if (f.label == letterLabels()[x])
                letters[x] = text;
        shown.emplace_back(f.label, text);
    }
    keepLettersApart(letters, 0);
    for (auto& [label, text] : shown)
        for (std::size_t x = 0; x < 3; ++x)
            if (label == letterLabels()[x])
                text = letters[x];
    return shown;
}

void keepLettersApart(std::array<QString, 3>& shown, int changed) {
    QString free;
    for (const QString& letter : letters())
        if (std::find(shown.begin(), shown.end(), letter) == shown.end()) {
            free = letter;
            break;
        }
    const QString& x = shown[std::size_t(changed)];
    if (!letters().contains(x))
        return; // "None" clashes with nothing
    for (std::size_t other = 0; other < 3; ++other)
        if (int(other) != changed && shown[other] == x)
            shown[other] = free;
}

bool codeAccepts(QChar c, const std::array<QString, 16>& tones, const QString& repeat) {
    const std::uint8_t digit = Digits::hexValue(c);
    if (digit > 15)
        return false;
    return !tones[digit].isEmpty() && QString(c.toUpper()) != repeat;
}

const std::vector<FieldDescription>& fields() {
    using namespace FieldCodecs;
    static const QStringList responses = {
        QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "Remind"),
        QT_TRANSLATE_NOOP("Radio", "Reply"), QT_TRANSLATE_NOOP("Radio", "Remind+Reply")};
    // clang-format off
    static const std::vector<FieldDescription> table = {
        {.label = QT_TRANSLATE_NOOP("Radio", "Pre-carreier time(ms)"), .address = 0xD2A8, .codec = &numberField,
         .number = milliseconds(), .unit = 10},
        {.label = QT_TRANSLATE_NOOP("Radio", "First expand(ms)"), .address = 0xD2A9, .codec = &numberField,
         .number = milliseconds(), .unit = 10},
        {.label = QT_TRANSLATE_NOOP("Radio", "End exit delay(ms)"), .address = 0xD2AA, .codec = &numberField,
         .number = milliseconds(), .unit = 10},
        {.label = QT_TRANSLATE_NOOP("Radio", "Reply delay(ms)"), .address = 0xD2AB, .codec = &numberField,
         .number = milliseconds(), .unit = 10},
        {.label = QT_TRANSLATE_NOOP("Radio", "Side tone"), .address = 0xD2AF, .shift = 0, .width = 1, .codec = &check},
        {.label = QT_TRANSLATE_NOOP("Radio", "Beep"), .address = 0xD2AF, .shift = 1, .width = 1, .codec = &check,
         .hidden = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Begin ID"), .address = 0xD2B0, .width = 8, .codec = &hexDigits,
         .chars = CharSet::Hex, .upperCase = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "End ID"), .address = 0xD2B8, .width = 8, .codec = &hexDigits,
         .chars = CharSet::Hex, .upperCase = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Self ID"), .address = 0xD2C0, .width = 8, .codec = &hexDigits,
         .chars = CharSet::Dcs},
        {.label = QT_TRANSLATE_NOOP("Radio", "Decode response"), .address = 0xD2C8, .codec = &code, .items = responses,
         .noChoice = 0xFF},
        {.label = QT_TRANSLATE_NOOP("Radio", "Auto reset time(s)"), .address = 0xD2C9, .codec = &numberField,
         .number = {.minimum = 0, .maximum = 255, .fallback = 10, .zeroText = QT_TRANSLATE_NOOP("Radio", "Off"),
                    .spinLowText = QT_TRANSLATE_NOOP("Radio", "Off")}},
    };
    // clang-format on
    return table;
}

const std::vector<FieldDescription>& informationFields() {
    using namespace FieldCodecs;
    // clang-format off
    static const std::vector<FieldDescription> table = {
        {.label = QT_TRANSLATE_NOOP("Radio", "Type"), .address = 15, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Select"), QT_TRANSLATE_NOOP("Radio", "Stun"), QT_TRANSLATE_NOOP("Radio", "Kill"), QT_TRANSLATE_NOOP("Radio", "Wake")}, .noChoice = 0xFF},
        {.label = QT_TRANSLATE_NOOP("Radio", "Response"), .address = 14, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "Remind"), QT_TRANSLATE_NOOP("Radio", "Reply"), QT_TRANSLATE_NOOP("Radio", "Remind+Reply")}, .noChoice = 0xFF},
        {.label = "ID", .address = 0, .width = 8, .codec = &hexDigits, .chars = CharSet::Hex,
         .upperCase = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Name"), .address = 8, .width = 6, .codec = &text, .hidden = true},
    };
    // clang-format on
    return table;
}

const std::vector<FieldDescription>& contactFields() {
    using namespace FieldCodecs;
    // clang-format off
    static const std::vector<FieldDescription> table = {
        {.label = QT_TRANSLATE_NOOP("Radio", "Code type"), .address = 15, .codec = &code, .items = {QT_TRANSLATE_NOOP("Radio", "Off"), "ANI", QT_TRANSLATE_NOOP("Radio", "Message")}},
        {.label = QT_TRANSLATE_NOOP("Radio", "Code"), .address = 0, .width = 8, .codec = &hexDigits, .chars = CharSet::Hex,
         .upperCase = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Alias"), .address = 8, .width = 6, .codec = &text},
        {.label = QT_TRANSLATE_NOOP("Radio", "Message"), .address = 16, .width = 16, .codec = &text},
    };
    // clang-format on
    return table;
}

QString contactAliasFallback(const QString& alias, const QString& previous, int contact) {
    if (!alias.isEmpty())
        return alias;
    if (!previous.isEmpty())
        return previous;
    return QStringLiteral("2T-S%1").arg(contact, 2, 10, QChar(u'0'));
}

QString contactCodeFallback(const QString& code, const QString& previous, int contact) {
    if (!code.isEmpty() || contact != 1)
        return code;
    return previous.isEmpty() ? QStringLiteral("12345") : previous;
}

} // namespace FiveToneSettings
