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
    QStringList list = {QStringLiteral("Off")};
    for (int n = 1; n <= ImageMap::kChannelsPerBank; ++n)
        if (!isEmptyRecord(image.at<32>(ImageMap::channelAddress(kFirstChannel + n - 1))))
            list << QString::number(n);
    return list;
}

} // namespace

const std::vector<FieldDescription>& optionFields() {
    using namespace FieldCodecs;
    using ImageMap::kChannelsPerBank;
    const QStringList offOn = {"Off", "On"}, sql = {"Off", "2", "5", "9", "Full"};
    // clang-format off
    static const std::vector<FieldDescription> table = {
        {.label = "Left Priority Ch", .address = ImageMap::kLeftPriorityChannel, .width = 16,
         .codec = &number, .itemsFrom = channelsInUse<1>, .fallback = 0, .hidden = true},
        {.label = "Right Priority Ch", .address = ImageMap::kRightPriorityChannel, .width = 16,
         .codec = &number, .itemsFrom = channelsInUse<kChannelsPerBank + 1>, .fallback = 0,
         .hidden = true},
        {.label = "SQL(Left)", .address = 0xCC20, .codec = &codeOrFirst, .items = sql, .fallback = 0},
        {.label = "Auto power off(h)", .address = 0xCC21, .codec = &hours,
         .items = {"Off", "0.5", "1.0", "1.5", "2.0"}, .fallback = 0},
        {.label = "Backlight Brightness", .address = 0xCC22, .codec = &level,
         .items = {"Off", "1", "2", "3", "4"}, .fallback = 0},
        {.label = "Backlight Color", .address = 0xCC23, .codec = &code,
         .items = {"Off", "Blue", "Purple", "Red"}, .fallback = 0, .hidden = true},
        {.label = "Beep", .address = 0xCC24, .shift = 7, .width = 1, .codec = &code, .items = offOn},
        {.label = "Key lock", .address = 0xCC24, .shift = 6, .width = 1, .codec = &code,
         .items = {"Manual", "Auto"}},
        {.label = "PTT lock", .address = 0xCC24, .shift = 4, .width = 2, .codec = &code,
         .items = {"Off", "Right", "Left", "Both"}},
        {.label = "Hyper Channel", .address = 0xCC24, .shift = 1, .width = 1, .codec = &code,
         .items = {"Manual", "Auto"}},
        {.label = "Right Function Key", .address = 0xCC24, .shift = 0, .width = 1, .codec = &code,
         .items = {"Key1", "Key2"}},
        {.label = "TBST Frequency(Hz)", .address = 0xCC25, .shift = 6, .width = 2, .codec = &code,
         .items = {"1000", "1450", "1750", "2100"}},
        {.label = "ANI Display", .address = 0xCC25, .shift = 5, .width = 1, .codec = &code,
         .items = offOn},
        {.label = "Selent mode", .address = 0xCC25, .shift = 2, .width = 2, .codec = &code,
         .items = {"Off", "TX", "RX", "TX/RX"}},
        {.label = "STE", .address = 0xCC25, .shift = 0, .width = 2, .codec = &code,
         .items = {"Frequency", "120", "180", "240"}, .hidden = true},
        {.label = "Auto transfer", .address = 0xCC26, .shift = 7, .width = 1, .codec = &flag,
         .items = offOn},
        {.label = "Auto contact", .address = 0xCC26, .shift = 6, .width = 1, .codec = &flag,
         .items = {"Connect remind", "Always remind"}},
        {.label = "Auto AM", .address = 0xCC26, .shift = 3, .width = 1, .codec = &code,
         .items = {"Off", "Auto"}},
        {.label = "AM Function", .address = 0xCC26, .shift = 2, .width = 1, .codec = &code,
         .items = offOn, .hidden = true},
        {.label = "Span Transit", .address = 0xCC26, .shift = 1, .width = 1, .codec = &code,
         .items = offOn, .hidden = true},
        {.label = "Scan mode", .address = 0xCC27, .shift = 2, .width = 1, .codec = &code,
         .items = {"MEM", "MSM"}},
        // Codes 2 and 3 have no entry: they show, and are written back as, "TO".
        {.label = "Scan resume mode", .address = 0xCC27, .shift = 0, .width = 2, .codec = &code,
         .items = {"TO", "CO"}, .fallback = 0},
        {.label = "Span Transit Exit Delay", .address = 0xCC2C, .codec = &codeOrFirst,
         .items = delays(), .fallback = 0},
        {.label = "SQL(Right)", .address = 0xCC2E, .codec = &codeOrFirst, .items = sql, .fallback = 0},
        {.label = "Scarmbler(2600 - 4000Hz)", .address = ImageMap::kScramblerFrequency, .width = 16,
         .codec = &numberField,
         .number = {.minimum = 2600, .maximum = 4000, .fallback = 3300, .arrows = false,
                    .maxLength = 4}},
        {.label = "Volume", .address = 0xCC2F, .codec = &numberField,
         .number = {.minimum = 1, .maximum = 15, .fallback = 15, .maxLength = 3}},
    };
    // clang-format on
    return table;
}

const std::vector<FieldDescription>& totFields() {
    auto tot = [](const char* label, std::uint32_t address, int maximum) {
        return FieldDescription{.label = label,
                                .address = address,
                                .codec = &FieldCodecs::numberField,
                                .number = {.minimum = 0,
                                           .maximum = maximum,
                                           .clamp = true,
                                           .zeroText = QStringLiteral("Off"),
                                           .spinLowText = QStringLiteral("Off"),
                                           .maxLength = 2}};
    };
    static const std::vector<FieldDescription> table = {
        tot("TOT (min)", 0xCC30, 30),
        tot("TOT pre-alert (s)", 0xCC31, 15),
        tot("TOT rekey (s)", 0xCC32, 30),
        tot("TOT reset (s)", 0xCC33, 30),
    };
    return table;
}

const QStringList& keyFunctions() {
    static const QStringList list = {"Off",  "SCAN", "SQL.OFF", "TCALL", "PPTR", "PRI",   "LOW",
                                     "TONE", "MHz",  "REV",     "HOME",  "BAND", "VFO/MR"};
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
