#include "AlarmSettings.h"

#include "FieldCodecs.h"
#include "ImageMap.h"
#include "MemoryImage.h"

namespace AlarmSettings {

namespace {

constexpr std::uint32_t kTypeOffset = 23; // 0 "None", 1 "ANI", anything else: not in use

bool offered(const MemoryImage& image, int n) {
    const std::uint8_t first = image.byte(ImageMap::kDtmfCodeRecords.number(n));
    return first != 0x00 && first != 0xFF;
}

} // namespace

QStringList emiCodes(const MemoryImage& image) {
    QStringList list = {QStringLiteral("None")};
    for (int n = 1; n <= ImageMap::kDtmfCodeRecords.count; ++n)
        if (offered(image, n))
            list << QString::number(n);
    return list;
}

QString emiCodesLeftOut(const MemoryImage& image) {
    QStringList left;
    for (int n = 1; n <= ImageMap::kDtmfCodeRecords.count; ++n)
        if (image.byte(ImageMap::kDtmfCodeRecords.number(n) + kTypeOffset) <= 1 &&
            !offered(image, n))
            left << QString::number(n);
    if (left.isEmpty())
        return {};
    return (left.size() == 1 ? QStringLiteral("DTMF entry %1 is not offered: its Num is empty "
                                              "or begins with 0")
                             : QStringLiteral("DTMF entries %1 are not offered: their Num is "
                                              "empty or begins with 0"))
        .arg(left.join(QStringLiteral(", ")));
}

const std::vector<FieldDescription>& fields() {
    using namespace FieldCodecs;
    // clang-format off
    static const std::vector<FieldDescription> table = {
        {.label = "Alarm type", .address = 0xCC70, .codec = &codeOrFirst,
         .items = {"Alarm", "Transpond+Background", "Transpond+Alarm", "Secret", "Both"},
         .fallback = 0},
        {.label = "Cycle", .address = 0xCC71, .codec = &numberField,
         .number = {.minimum = 0, .maximum = 255, .fallback = 5, .zeroText = "Continuous",
                    .spinLowText = "Continuous", .alignHeldSteps = false}},
        {.label = "Tx time (s)", .address = 0xCC72, .codec = &numberField,
         .number = {.minimum = 1, .maximum = 255, .fallback = 5, .alignHeldSteps = false}},
        {.label = "Rx time (s)", .address = 0xCC73, .codec = &numberField,
         .number = {.minimum = 1, .maximum = 255, .fallback = 8, .alignHeldSteps = false}},
        // The entry number exactly as the code table offers it: never a longer number that
        // begins with the same digits.
        {.label = "EMI code", .address = ImageMap::kEmiCode, .codec = &entryNumber,
         .itemsFrom = emiCodes, .fallback = 0},
        {.label = "EMI code type", .address = 0xCC77, .shift = 0, .width = 2, .codec = &code,
         .items = {"None", "DTMF"}, .fallback = 0},
        {.label = "Remote EMI alarm", .address = 0xCC77, .shift = 7, .width = 1, .codec = &code,
         .items = {"Off", "On"}, .fallback = 0},
    };
    // clang-format on
    return table;
}

} // namespace AlarmSettings
