#include "TwoToneContacts.h"

#include "DecimalText.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "PrintableText.h"
#include "Tones.h"

#include <algorithm>

namespace {

// A contact: alias at +0 (6), +6/+7 unused, first tone +8, second tone +10 (u16 tenths of a
// hertz, 0xFFFF none), format +12 (0 two, 1 single), system +13, +14/+15 unused.
constexpr std::uint32_t kAlias = 0;
constexpr int kAliasLength = 6;
constexpr std::uint32_t kFirst = 8;
constexpr std::uint32_t kSecond = 10;
constexpr std::uint32_t kFormat = 12;
constexpr std::uint32_t kSystem = 13;

const ImageMap::RecordArray& records() {
    return ImageMap::kTwoToneContactRecords;
}

bool noTone(std::uint16_t word) {
    return word == 0x0000 || word == 0xFFFF;
}

} // namespace

const QStringList& TwoToneContacts::headers() {
    static const QStringList h = {
        QT_TRANSLATE_NOOP("Radio", "No."),    QT_TRANSLATE_NOOP("Radio", "First"),
        QT_TRANSLATE_NOOP("Radio", "Second"), QT_TRANSLATE_NOOP("Radio", "Format"),
        QT_TRANSLATE_NOOP("Radio", "System"), QT_TRANSLATE_NOOP("Radio", "Alias")};
    return h;
}

const QStringList& TwoToneContacts::formatItems() {
    static const QStringList items = {QT_TRANSLATE_NOOP("Radio", "Two"),
                                      QT_TRANSLATE_NOOP("Radio", "Single")};
    return items;
}

const QStringList& TwoToneContacts::systemItems() {
    static const QStringList items = [] {
        QStringList list;
        for (int s = 1; s <= 16; ++s)
            list << QString::number(s);
        return list;
    }();
    return items;
}

const std::vector<std::pair<int, int>>& TwoToneContacts::shownBytes() {
    static const std::vector<std::pair<int, int>> bytes = {
        {kAlias, 6}, {kFirst, 2}, {kSecond, 2}, {kFormat, 1}, {kSystem, 1}};
    return bytes;
}

int TwoToneContacts::widthTwips(int column) {
    return column == Number ? 500 : 1000;
}

TwoToneContacts::TwoToneContacts(MemoryImage& image) : image_(image) {
    for (int r = 1; r <= kRows; ++r)
        cell(r, Number) = QString::number(r);
}

void TwoToneContacts::clearRow(int row) {
    for (int c = First; c < kColumns; ++c)
        cell(row, c).clear();
}

QString TwoToneContacts::toneText(const QString& typed) {
    std::int64_t tenths = DecimalText::scaled(typed, 1);
    if (tenths == 0)
        return {};
    tenths = std::clamp<std::int64_t>(tenths, SignalTone::kLowest, SignalTone::kHighest);
    return DecimalText::format(tenths, 1);
}

void TwoToneContacts::fill() {
    for (int r = 1; r <= kRows; ++r) {
        const std::uint32_t c = records().number(r);
        const std::uint16_t first = image_.word(c + kFirst);
        if (noTone(first)) {
            clearRow(r);
            continue;
        }
        const std::uint16_t second = image_.word(c + kSecond);
        cell(r, First) = DecimalText::format(first, 1);
        cell(r, Second) = noTone(second) ? QString() : DecimalText::format(second, 1);
        cell(r, Format) = formatItems()[image_.byte(c + kFormat) == 1 ? 1 : 0];
        cell(r, System) = QString::number(image_.byte(c + kSystem));
        cell(r, Alias) = PrintableText::read(image_.at(c + kAlias, kAliasLength));
    }
}

void TwoToneContacts::store() {
    for (int r = 1; r <= kRows; ++r) {
        const std::uint32_t c = records().number(r);
        image_.fill(c, records().stride, 0xFF);
        if (rowEmpty(r)) {
            image_.setByte(c + kFormat, 0x00);
            image_.setByte(c + kSystem, 0x01);
            continue;
        }
        image_.setWord(c + kFirst, std::uint16_t(DecimalText::scaled(text(r, First), 1)));
        image_.setWord(c + kSecond, text(r, Second).isEmpty()
                                        ? 0xFFFF
                                        : std::uint16_t(DecimalText::scaled(text(r, Second), 1)));
        image_.setByte(c + kFormat, secondUnused(r) ? 1 : 0);
        image_.setByte(c + kSystem, std::uint8_t(DecimalText::leadingInt(text(r, System))));
        PrintableText::write(image_.at(c + kAlias, kAliasLength), text(r, Alias));
    }
}

int TwoToneContacts::editColumn(int row, int column) const {
    if (row < 1 || row > kRows || column < First || column >= kColumns)
        return -1;
    if (rowEmpty(row))
        return First;
    if (column == Second && secondUnused(row))
        return -1;
    return column;
}

void TwoToneContacts::commit(int row, int column, const QString& text) {
    if (row < 1 || row > kRows)
        return;
    switch (column) {
    case First: {
        const QString tone = toneText(text);
        if (tone.isEmpty()) {
            if (row != 1)
                clearRow(row);
        } else if (rowEmpty(row)) {
            cell(row, First) = cell(row, Second) = tone;
            cell(row, Format) = formatItems()[0];
            cell(row, System) = systemItems()[0];
            cell(row, Alias) = QStringLiteral("2T-%1").arg(row, 2, 10, QChar(u'0'));
        } else {
            cell(row, First) = tone;
        }
        break;
    }
    case Second:
        if (!rowEmpty(row))
            cell(row, Second) = toneText(text);
        break;
    case Format:
    case System:
        if (!rowEmpty(row))
            cell(row, column) = text;
        break;
    case Alias:
        if (!text.isEmpty())
            cell(row, Alias) = text;
        break;
    default:
        break;
    }
}
