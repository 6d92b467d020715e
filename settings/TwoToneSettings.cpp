#include "TwoToneSettings.h"

#include "FieldCodecs.h"
#include "Tones.h"

namespace TwoToneSettings {

namespace {

// The format byte: the high nibble names the first tone, the low nibble the second (A = 1 ...
// D = 4, 0 none).
const std::vector<int>& formatCodes() {
    static const std::vector<int> codes = {0x00, 0x12, 0x13, 0x14, 0x21, 0x23, 0x24, 0x31,
                                           0x32, 0x34, 0x41, 0x42, 0x43, 0x10, 0x20, 0x30};
    return codes;
}

NumberRule tenths(int minimum, int maximum, int fallback, int maxLength = 3) {
    return {.tenths = true,
            .minimum = minimum,
            .maximum = maximum,
            .fallback = fallback,
            .maxLength = maxLength};
}

// A tone in tenths of a hertz, within the decoders' range.
NumberRule tone(int fallback) {
    return tenths(SignalTone::kLowest, SignalTone::kHighest, fallback, 6);
}

} // namespace

const QStringList& formats() {
    static const QStringList list = {QT_TRANSLATE_NOOP("Radio", "Off"),
                                     "A-B",
                                     "A-C",
                                     "A-D",
                                     "B-A",
                                     "B-C",
                                     "B-D",
                                     "C-A",
                                     "C-B",
                                     "C-D",
                                     "D-A",
                                     "D-B",
                                     "D-C",
                                     QT_TRANSLATE_NOOP("Radio", "Long A"),
                                     QT_TRANSLATE_NOOP("Radio", "Long B"),
                                     QT_TRANSLATE_NOOP("Radio", "Long C")};
    return list;
}

QString formatLabel(int decoder) {
    return QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Decode %1 Format")).arg(decoder);
}

QString responseLabel(int decoder) {
    return QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Decode %1 Response")).arg(decoder);
}

const std::vector<FieldDescription>& systemFields() {
    static const std::vector<FieldDescription> table = [] {
        using namespace FieldCodecs;
        // clang-format off
        std::vector<FieldDescription> fields = {
            {.label = QT_TRANSLATE_NOOP("Radio", "Alias"), .address = 0, .width = 6, .codec = &text},
            {.label = QT_TRANSLATE_NOOP("Radio", "Pre-carrier time(s)"), .address = 8, .codec = &numberField,
             .number = tenths(0, 50, 5)},
            {.label = QT_TRANSLATE_NOOP("Radio", "First toen duration (s)"), .address = 9, .codec = &numberField,
             .number = tenths(0, 40, 10)},
            {.label = QT_TRANSLATE_NOOP("Radio", "Second tone duration(s)"), .address = 10, .codec = &numberField,
             .number = tenths(0, 40, 30)},
            {.label = QT_TRANSLATE_NOOP("Radio", "Long duration(s)"), .address = 11, .codec = &numberField,
             .number = tenths(5, 100, 50, 4)},
            {.label = QT_TRANSLATE_NOOP("Radio", "Interval(s)"), .address = 12, .codec = &numberField,
             .number = tenths(0, 20, 10)},
            {.label = QT_TRANSLATE_NOOP("Radio", "Side tone"), .address = 13, .shift = 0, .width = 1, .codec = &check},
            // Never shown: the bit is carried through as it was.
            {.label = QT_TRANSLATE_NOOP("Radio", "Beep"), .address = 13, .shift = 1, .width = 1, .codec = &check,
             .hidden = true},
            {.label = QT_TRANSLATE_NOOP("Radio", "Idle reply"), .address = 13, .shift = 7, .width = 1, .codec = &check},
            {.label = QT_TRANSLATE_NOOP("Radio", "A tone"), .address = 16, .width = 16, .codec = &numberField,
             .number = tone(3217)},
            {.label = QT_TRANSLATE_NOOP("Radio", "B tone"), .address = 18, .width = 16, .codec = &numberField,
             .number = tone(9281)},
            {.label = QT_TRANSLATE_NOOP("Radio", "C tone"), .address = 20, .width = 16, .codec = &numberField,
             .number = tone(6265)},
            {.label = QT_TRANSLATE_NOOP("Radio", "D tone"), .address = 22, .width = 16, .codec = &numberField,
             .number = tone(20438)},
            {.label = QT_TRANSLATE_NOOP("Radio", "Reply wait (s)"), .address = 30, .codec = &numberField,
             .number = {.tenths = true, .minimum = 0, .maximum = 50, .fallback = 0,
                        .zeroText = QT_TRANSLATE_NOOP("Radio", "Off"), .spinLowText = QT_TRANSLATE_NOOP("Radio", "Off")}},
            {.label = QT_TRANSLATE_NOOP("Radio", "Auto reset time (s)"), .address = 31, .codec = &numberField,
             .number = {.minimum = 0, .maximum = 255, .fallback = 10, .zeroText = QT_TRANSLATE_NOOP("Radio", "Off"),
                        .spinLowText = QT_TRANSLATE_NOOP("Radio", "Off")}},
        };
        // clang-format on
        // The four decoders in a table of their own: a row each, format and response.
        for (int k = 1; k <= 4; ++k) {
            const QString row = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Decode %1")).arg(k);
            // A format without a choice stores 0 ("Off"): two decoders that shared a format
            // lose it both.
            fields.push_back({.label = formatLabel(k),
                              .address = std::uint32_t(23 + k),
                              .codec = &codedList,
                              .items = formats(),
                              .codes = formatCodes(),
                              .place = {kDecoderGroup, k, 1, row,
                                        k == 1 ? QT_TRANSLATE_NOOP("Radio", "Format") : ""}});
            fields.push_back(
                {.label = responseLabel(k),
                 .address = 28,
                 .shift = 2 * (k - 1),
                 .width = 2,
                 .codec = &code,
                 .items = {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "Remind"),
                           QT_TRANSLATE_NOOP("Radio", "Reply"),
                           QT_TRANSLATE_NOOP("Radio", "Remind+Reply")},
                 .fallback = 1,
                 .place = {kDecoderGroup,
                           k,
                           2,
                           {},
                           k == 1 ? QT_TRANSLATE_NOOP("Radio", "Response") : ""}});
        }
        return fields;
    }();
    return table;
}

std::array<QStringList, 4> formatChoices(const std::array<QString, 4>& chosen) {
    std::array<QStringList, 4> choices;
    for (std::size_t k = 0; k < 4; ++k) {
        choices[k] = formats();
        if (k == 0)
            choices[k].removeAll(QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Off")));
        for (std::size_t other = 0; other < 4; ++other)
            if (other != k && !chosen[other].isEmpty() && chosen[other] != QLatin1String("Off"))
                choices[k].removeAll(chosen[other]);
    }
    return choices;
}

QString aliasFallback(const QString& alias, const QString& previous, int system) {
    if (!alias.isEmpty())
        return alias;
    if (!previous.isEmpty())
        return previous;
    return QStringLiteral("2T-S%1").arg(system, 2, 10, QChar(u'0'));
}

} // namespace TwoToneSettings
