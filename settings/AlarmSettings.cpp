#include "AlarmSettings.h"
#include "Texts.h"

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
    QStringList list = {QStringLiteral(QT_TRANSLATE_NOOP("Radio", "None"))};
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
    return (left.size() == 1
                ? Texts::tr("DTMF entry %1 is not offered: its Num is empty or begins with 0")
                : Texts::tr("DTMF entries %1 are not offered: their Num is empty or begins with 0"))
        .arg(left.join(QStringLiteral(", ")));
}

const std::vector<FieldDescription>& fields() {
    using namespace FieldCodecs;
    // clang-format off
    static const std::vector<FieldDescription> table = {
        {.label = QT_TRANSLATE_NOOP("Radio", "Alarm type"), .address = 0xCC70, .codec = &codeOrFirst,
         .items = {QT_TRANSLATE_NOOP("Radio", "Alarm"), QT_TRANSLATE_NOOP("Radio", "Transpond+Background"), QT_TRANSLATE_NOOP("Radio", "Transpond+Alarm"), QT_TRANSLATE_NOOP("Radio", "Secret"), QT_TRANSLATE_NOOP("Radio", "Both")},
         .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "Cycle"), .address = 0xCC71, .codec = &numberField,
         .number = {.minimum = 0, .maximum = 255, .fallback = 5, .zeroText = QT_TRANSLATE_NOOP("Radio", "Continuous"),
                    .spinLowText = QT_TRANSLATE_NOOP("Radio", "Continuous"), .alignHeldSteps = false}},
        {.label = QT_TRANSLATE_NOOP("Radio", "Tx time (s)"), .address = 0xCC72, .codec = &numberField,
         .number = {.minimum = 1, .maximum = 255, .fallback = 5, .alignHeldSteps = false}},
        {.label = QT_TRANSLATE_NOOP("Radio", "Rx time (s)"), .address = 0xCC73, .codec = &numberField,
         .number = {.minimum = 1, .maximum = 255, .fallback = 8, .alignHeldSteps = false}},
        // The entry number exactly as the code table offers it: never a longer number that
        // begins with the same digits.
        {.label = QT_TRANSLATE_NOOP("Radio", "EMI code"), .address = ImageMap::kEmiCode, .codec = &entryNumber,
         .itemsFrom = emiCodes, .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "EMI code type"), .address = 0xCC77, .shift = 0, .width = 2, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "None"), "DTMF"}, .fallback = 0},
        {.label = QT_TRANSLATE_NOOP("Radio", "Remote EMI alarm"), .address = 0xCC77, .shift = 7, .width = 1, .codec = &code,
         .items = {QT_TRANSLATE_NOOP("Radio", "Off"), QT_TRANSLATE_NOOP("Radio", "On")}, .fallback = 0},
    };
    // clang-format on
    return table;
}

} // namespace AlarmSettings
