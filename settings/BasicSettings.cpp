#include "BasicSettings.h"

#include "DecimalText.h"
#include "FieldCodecs.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"

namespace BasicSettings {

namespace {

QStringList delays() {
    QStringList list;
    for (int tenths = 0; tenths <= 50; ++tenths)
        list << DecimalText::format(tenths, 1);
    return list;
}

// "Off" and the channels in use of one channel memory, by number.
template <int kFirstChannel> QStringList channelsInUse(const MemoryImage& image) {
    QStringList list = {QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Off"))};
    for (int n = 1; n <= ImageMap::kChannelsPerBank; ++n)
        if (!isEmptyRecord(image.at<32>(ImageMap::channelAddress(kFirstChannel + n - 1))))
            list << QString::number(n);
    return list;
}

} // namespace

const std::vector<FieldDescription>& optionFields() {
    using namespace FieldCodecs;
    using ImageMap::kChannelsPerBank;
    const QStringList offOn = {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "On")},
                      sql = {QT_TRANSLATE_NOOP("Radio", "Off"), "2", "5", "9",
                             QT_TRANSLATE_NOOP("Radio", "Full")};
    // clang-format off
    static const std::vector<FieldDescription> table = {
        {.label = QT_TRANSLATE_NOOP("Radio", "Left Priority Ch"), .address = ImageMap::kLeftPriorityChannel, .width = 16,
         .codec = &number, .itemsFrom = channelsInUse<1>, .fallback = 0, .hidden = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Right Priority Ch"), .address = ImageMap::kRightPriorityChannel, .width = 16,
         .codec = &number, .itemsFrom = channelsInUse<kChannelsPerBank + 1>, .fallback = 0,
         .hidden = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "SQL(Left)"), .address = 0xCC20, .codec = &codeOrFirst, .items = sql, .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "Auto power off(h)"), .address = 0xCC21, .codec = &hours,
         .items = {QT_TRANSLATE_NOOP("Radio", "Off"), "0.5", "1.0", "1.5", "2.0"}, .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "Backlight Brightness"), .address = 0xCC22, .codec = &level,
         .items = {QT_TRANSLATE_NOOP("Radio", "Off"), "1", "2", "3", "4"}, .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "Backlight Color"), .address = 0xCC23, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "Blue"), QT_TRANSLATE_NOOP("Radio", "Purple"), QT_TRANSLATE_NOOP("Radio", "Red")}, .fallback = 0, .hidden = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Beep"), .address = 0xCC24, .shift = 7, .width = 1, .codec = &code, .items = offOn},
        {.label = QT_TRANSLATE_NOOP("Radio", "Key lock"), .address = 0xCC24, .shift = 6, .width = 1, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Manual"), QT_TRANSLATE_NOOP("Radio", "Auto")}},
        {.label = QT_TRANSLATE_NOOP("Radio", "PTT lock"), .address = 0xCC24, .shift = 4, .width = 2, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "Right"), QT_TRANSLATE_NOOP("Radio", "Left"), QT_TRANSLATE_NOOP("Radio", "Both")}},
        {.label = QT_TRANSLATE_NOOP("Radio", "Hyper Channel"), .address = 0xCC24, .shift = 1, .width = 1, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Manual"), QT_TRANSLATE_NOOP("Radio", "Auto")}},
        {.label = QT_TRANSLATE_NOOP("Radio", "Right Function Key"), .address = 0xCC24, .shift = 0, .width = 1, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Key1"), QT_TRANSLATE_NOOP("Radio", "Key2")}},
        {.label = QT_TRANSLATE_NOOP("Radio", "TBST Frequency(Hz)"), .address = 0xCC25, .shift = 6, .width = 2, .codec = &code,
         .items = {"1000", "1450", "1750", "2100"}},
        {.label = QT_TRANSLATE_NOOP("Radio", "ANI Display"), .address = 0xCC25, .shift = 5, .width = 1, .codec = &code,
         .items = offOn},
        {.label = QT_TRANSLATE_NOOP("Radio", "Selent mode"), .address = 0xCC25, .shift = 2, .width = 2, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Off"), "TX", "RX", "TX/RX"}},
        {.label = "STE", .address = 0xCC25, .shift = 0, .width = 2, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Frequency"), "120", "180", "240"}, .hidden = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Auto transfer"), .address = 0xCC26, .shift = 7, .width = 1, .codec = &flag,
         .items = offOn},
        {.label = QT_TRANSLATE_NOOP("Radio", "Auto contact"), .address = 0xCC26, .shift = 6, .width = 1, .codec = &flag,
         .items = {QT_TRANSLATE_NOOP("Radio", "Connect remind"), QT_TRANSLATE_NOOP("Radio", "Always remind")}},
        {.label = QT_TRANSLATE_NOOP("Radio", "Auto AM"), .address = 0xCC26, .shift = 3, .width = 1, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "Auto")}},
        {.label = QT_TRANSLATE_NOOP("Radio", "AM Function"), .address = 0xCC26, .shift = 2, .width = 1, .codec = &code,
         .items = offOn, .hidden = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Span Transit"), .address = 0xCC26, .shift = 1, .width = 1, .codec = &code,
         .items = offOn, .hidden = true},
        {.label = QT_TRANSLATE_NOOP("Radio", "Scan mode"), .address = 0xCC27, .shift = 2, .width = 1, .codec = &code,
         .items = {"MEM", "MSM"}},
        // Codes 2 and 3 have no entry: they show, and are written back as, "TO".
        {.label = QT_TRANSLATE_NOOP("Radio", "Scan resume mode"), .address = 0xCC27, .shift = 0, .width = 2, .codec = &code,
         .items = {"TO", "CO"}, .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "Span Transit Exit Delay"), .address = 0xCC2C, .codec = &codeOrFirst,
         .items = delays(), .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "SQL(Right)"), .address = 0xCC2E, .codec = &codeOrFirst, .items = sql, .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "Scarmbler(2600 - 4000Hz)"), .address = ImageMap::kScramblerFrequency, .width = 16,
         .codec = &numberField,
         .number = {.minimum = 2600, .maximum = 4000, .fallback = 3300, .arrows = false,
                    .maxLength = 4}},
        {.label = QT_TRANSLATE_NOOP("Radio", "Volume"), .address = 0xCC2F, .codec = &numberField,
         .number = {.minimum = 1, .maximum = 15, .fallback = 15, .maxLength = 3}},
    };
    // clang-format on
    return table;
}

const std::vector<FieldDescription>& totFields() {
    auto tot = [](const char* label, std::uint32_t address, int maximum) {
        return FieldDescription{
            .label = label,
            .address = address,
            .codec = &FieldCodecs::numberField,
            .number = {.minimum = 0,
                       .maximum = maximum,
                       .clamp = true,
                       .zeroText = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Off")),
                       .spinLowText = QStringLiteral(QT_TRANSLATE_NOOP("Radio", "Off")),
                       .maxLength = 2}};
    };
    static const std::vector<FieldDescription> table = {
        tot(QT_TRANSLATE_NOOP("Radio", "TOT (min)"), 0xCC30, 30),
        tot(QT_TRANSLATE_NOOP("Radio", "TOT pre-alert (s)"), 0xCC31, 15),
        tot(QT_TRANSLATE_NOOP("Radio", "TOT rekey (s)"), 0xCC32, 30),
        tot(QT_TRANSLATE_NOOP("Radio", "TOT reset (s)"), 0xCC33, 30),
    };
    return table;
}

const QStringList& keyFunctions() {
    static const QStringList list = {QT_TRANSLATE_NOOP("Radio", "Off"),
                                     "SCAN",
                                     QT_TRANSLATE_NOOP("Radio", "SQL.OFF"),
                                     QT_TRANSLATE_NOOP("Radio", "TCALL"),
                                     "PPTR",
                                     "PRI",
                                     "LOW",
                                     "TONE",
                                     QT_TRANSLATE_NOOP("Radio", "MHz"),
                                     "REV",
                                     "HOME",
                                     "BAND",
                                     "VFO/MR"};
    return list;
}

const std::vector<FieldDescription>& keyFields() {
    // A code without a function (13 and above) shows, and is written back as, the key's default.
    auto key = [](const char* label, std::uint32_t address, int defaultCode) {
        return FieldDescription{.label = label,
                                .address = address,
                                .codec = &FieldCodecs::code,
                                .items = keyFunctions(),
                                .fallback = defaultCode};
    };
    static const std::vector<FieldDescription> table = {
        key("P1", 0xCC38, 11),
        key("P2", 0xCC39, 12),
        key("P3", 0xCC3A, 7),
        key("P4", 0xCC3B, 6),
    };
    return table;
}

} // namespace BasicSettings
