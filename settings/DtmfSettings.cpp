#include "DtmfSettings.h"

#include "FieldCodecs.h"
#include "ImageMap.h"
#include "MemoryImage.h"

namespace DtmfSettings {

namespace {

QStringList numbers(std::initializer_list<int> values) {
    QStringList list;
    for (int v : values)
        list << QString::number(v);
    return list;
}

} // namespace

const QStringList& separators() {
    static const QStringList list = {"A", "B", "C", "D", "*", "#"};
    return list;
}

const std::vector<FieldDescription>& codeFields() {
    using namespace FieldCodecs;
    // clang-format off
    static const std::vector<FieldDescription> table = {
        {.label = QT_TRANSLATE_NOOP("Radio", "DTMF speed(ms)"), .address = 0xD6B0, .codec = &number,
         .items = numbers({50, 75, 100}), .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "First digit delay(ms)"), .address = 0xD6B1, .codec = &number,
         .items = numbers({50, 250, 450, 750, 1000}), .fallback = 2, .unit = 50},
        {.label = QT_TRANSLATE_NOOP("Radio", "First digit(ms)"), .address = 0xD6B2, .codec = &number,
         .items = numbers({0, 100, 500, 1000}), .fallback = 1, .unit = 50},
        // No fallback: a number without an entry is written back as 0.
        {.label = QT_TRANSLATE_NOOP("Radio", "Hold time(s)"), .address = 0xD6B3, .codec = &number,
         .items = numbers({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
        {.label = QT_TRANSLATE_NOOP("Radio", "Group code"), .address = 0xD6B4, .codec = &dtmfChar, .items = separators(),
         .fallback = 4},
        {.label = QT_TRANSLATE_NOOP("Radio", "Delimiter"), .address = 0xD6B5, .codec = &dtmfChar, .items = separators(),
         .fallback = 3},
        {.label = QT_TRANSLATE_NOOP("Radio", "Side tone"), .address = 0xD6B7, .shift = 0, .width = 1, .codec = &check},
        {.label = QT_TRANSLATE_NOOP("Radio", "Beep"), .address = 0xD6B7, .shift = 1, .width = 1, .codec = &check,
         .hidden = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Self ID"), .address = 0xD6B8, .width = 8, .codec = &dtmfDigits,
         .chars = CharSet::Dtmf, .upperCase = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Stun code"), .address = 0xD6C8, .width = 15, .codec = &dtmfDigits,
         .chars = CharSet::Dtmf, .upperCase = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Decode response"), .address = 0xD6D8, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "Remind"), QT_TRANSLATE_NOOP("Radio", "Reply"), QT_TRANSLATE_NOOP("Radio", "Remind+Reply")}, .fallback = 2},
        {.label = QT_TRANSLATE_NOOP("Radio", "Stun type"), .address = 0xD6DA, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Tx Inhibit"), QT_TRANSLATE_NOOP("Radio", "Rx/Tx Inhibit"), QT_TRANSLATE_NOOP("Radio", "Kill")}, .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "Auto reset time(s)"), .address = 0xD6DB, .codec = &numberField,
         .number = {.minimum = 0, .maximum = 255, .fallback = 10, .zeroText = QT_TRANSLATE_NOOP("Radio", "Continuous"),
                    .spinLowText = QT_TRANSLATE_NOOP("Radio", "Off"), .maxLength = 3}},
    };
    // clang-format on
    return table;
}

const std::vector<FieldDescription>& pttIdFields() {
    static const std::vector<FieldDescription> table = [] {
        // A table: a row a PTT ID, its type, up and down codes in the columns.
        const char* const columns[3] = {QT_TRANSLATE_NOOP("Radio", "Type"),
                                        QT_TRANSLATE_NOOP("Radio", "Up"),
                                        QT_TRANSLATE_NOOP("Radio", "Down")};
        std::vector<FieldDescription> fields;
        for (int k = 0; k < ImageMap::kDtmfPttIdRecords.count; ++k) {
            const std::uint32_t record = ImageMap::kDtmfPttIdRecords.at(k);
            const QString row = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "PTT ID %1")).arg(k + 1);
            auto place = [&](int column) {
                return FieldPlace{0, k + 1, column + 1, column == 0 ? row : QString(),
                                  k == 0 ? QString::fromLatin1(columns[column]) : QString()};
            };
            // The four types share 0xD6B6, two bits each; type 3 has no entry and shows "Up".
            fields.push_back(
                {.label = row + QStringLiteral(QT_TRANSLATE_NOOP("Radio", " Type")),
                 .address = 0xD6B6,
                 .shift = 2 * k,
                 .width = 2,
                 .codec = &FieldCodecs::code,
                 .items = {QT_TRANSLATE_NOOP("Radio", "Up"), QT_TRANSLATE_NOOP("Radio", "Down"),
                           QT_TRANSLATE_NOOP("Radio", "Both")},
                 .fallback = 0,
                 .place = place(0)});
            for (int half = 0; half < 2; ++half)
                fields.push_back({.label = row + u' ' + QLatin1String(columns[1 + half]),
                                  .address = record + 16 * std::uint32_t(half),
                                  .width = 16,
                                  .codec = &FieldCodecs::dtmfDigits,
                                  .chars = CharSet::Dtmf,
                                  .upperCase = true,
                                  .place = place(1 + half)});
        }
        return fields;
    }();
    return table;
}

void storeFixedBytes(MemoryImage& image) {
    image.setByte(0xD6D7, 0xFF);
}

QString afterChoice(Separator changedList, const QString& changed, const QString& other) {
    if (changed.compare(other, Qt::CaseInsensitive) != 0)
        return other;
    if (changedList == Separator::Group)
        return changed == QLatin1String("*") ? QStringLiteral("A") : QStringLiteral("*");
    return changed == QLatin1String("D") ? QStringLiteral("A") : QStringLiteral("D");
}

QString withoutSeparators(const QString& selfId, QChar group, QChar delimiter) {
    QString kept = selfId;
    kept.remove(group);
    kept.remove(delimiter);
    return kept;
}

} // namespace DtmfSettings
