#include "DtmfCodeTable.h"
#include "Texts.h"

#include "Digits.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "PrintableText.h"

namespace {

// An entry: Num at +0 (16 digit codes), Alias at +16 (6 characters), +22 reserved, Type at +23.
constexpr std::uint32_t kNum = 0;
constexpr int kNumLength = 16;
constexpr std::uint32_t kAlias = 16;
constexpr int kAliasLength = 6;
constexpr std::uint32_t kType = 23;

const ImageMap::RecordArray& entries() {
    return ImageMap::kDtmfCodeRecords;
}

QString sixDigits(int row) {
    return QStringLiteral("%1").arg(row, 6, 10, QChar(u'0'));
}

QString defaultAlias(int row) {
    return QStringLiteral(QT_TRANSLATE_NOOP("Radio", "DTMF%1")).arg(row, 2, 10, QChar(u'0'));
}

// The code of a separator stored in the DTMF settings, as a character (null when none).
QChar storedCharacter(const MemoryImage& image, std::uint32_t address) {
    return Digits::dtmfChar(image.byte(address));
}

} // namespace

const QStringList& DtmfCodeTable::headers() {
    static const QStringList h = {
        QT_TRANSLATE_NOOP("Radio", "No."), QT_TRANSLATE_NOOP("Radio", "Type"),
        QT_TRANSLATE_NOOP("Radio", "Num"), QT_TRANSLATE_NOOP("Radio", "Alias")};
    return h;
}

const QStringList& DtmfCodeTable::typeItems() {
    static const QStringList items = {"", QT_TRANSLATE_NOOP("Radio", "None"), "ANI"};
    return items;
}

const std::vector<std::pair<int, int>>& DtmfCodeTable::shownBytes() {
    static const std::vector<std::pair<int, int>> bytes = {{kNum, 16}, {kAlias, 6}, {kType, 1}};
    return bytes;
}

int DtmfCodeTable::widthTwips(int column) {
    static constexpr int widths[kColumns] = {500, 800, 2400, 1500};
    return widths[column];
}

DtmfCodeTable::DtmfCodeTable(MemoryImage& image) : image_(image) {
    for (int r = 1; r <= kRows; ++r)
        cell(r, Number) = QString::number(r);
}

void DtmfCodeTable::clearRow(int row) {
    for (int c : {Type, Num, Alias})
        cell(row, c).clear();
}

void DtmfCodeTable::fill() {
    for (int r = 1; r <= kRows; ++r) {
        const std::uint32_t e = entries().number(r);
        const std::uint8_t type = image_.byte(e + kType);
        if (type > 1) {
            clearRow(r);
            continue;
        }
        cell(r, Type) = typeItems()[type + 1];
        cell(r, Num) = Digits::readCode(image_.at(e + kNum, kNumLength), Digits::Code::Dtmf);
        cell(r, Alias) = PrintableText::read(image_.at(e + kAlias, kAliasLength));
    }
}

void DtmfCodeTable::store() {
    image_.fill(entries().base, std::size_t(entries().stride) * kRows, 0xFF);
    for (int r = 1; r <= kRows; ++r) {
        const int type = typeItems().indexOf(text(r, Type)) - 1; // exactly "None" or "ANI"
        if (type < 0)
            continue;
        const std::uint32_t e = entries().number(r);
        image_.setByte(e + kType, std::uint8_t(type));
        Digits::writeCode(image_.at(e + kNum, kNumLength), text(r, Num), Digits::Code::Dtmf);
        PrintableText::write(image_.at(e + kAlias, kAliasLength), text(r, Alias));
    }
}

int DtmfCodeTable::editColumn(int row, int column) const {
    if (row < 1 || row > kRows || column < Type || column > Alias)
        return -1;
    return rowEmpty(row) ? int(Type) : column;
}

void DtmfCodeTable::commitType(int row, const QString& chosen) {
    if (chosen.isEmpty()) {
        if (row != 1)
            clearRow(row);
        return;
    }
    cell(row, Type) = chosen;
    if (text(row, Num).isEmpty()) {
        cell(row, Num) = sixDigits(row);
    } else if (isAni(row)) {
        // The separators stored in the image, which the radio would split the number at.
        for (std::uint32_t at : {0xD6B4u, 0xD6B5u})
            if (const QChar c = storedCharacter(image_, at); !c.isNull())
                cell(row, Num).remove(c);
    }
    if (text(row, Alias).isEmpty())
        cell(row, Alias) = defaultAlias(row);
}

void DtmfCodeTable::commit(int row, int column, const QString& text) {
    if (row < 1 || row > kRows)
        return;
    switch (column) {
    case Type:
        commitType(row, text);
        break;
    case Num:
        if (text.isEmpty()) {
            if (row != 1)
                clearRow(row);
        } else {
            if (this->text(row, Num).isEmpty())
                cell(row, Alias) = defaultAlias(row);
            cell(row, Num) = text;
        }
        break;
    case Alias:
        if (!text.isEmpty())
            cell(row, Alias) = text;
        break;
    default:
        break;
    }
}

void DtmfCodeTable::removeFromAniNums(QChar delimiter) {
    for (int r = 1; r <= kRows; ++r) {
        if (!isAni(r))
            continue;
        cell(r, Num).remove(delimiter);
        if (text(r, Num).isEmpty())
            cell(r, Num) = sixDigits(r);
    }
}

bool DtmfCodeTable::clearEntry(int row) {
    if (row <= 1 || row > kRows)
        return false;
    clearRow(row);
    return true;
}

// The radio's alarm names an entry whose number starts with a digit other than 0.
QString DtmfCodeTable::emiCodeNote(int row) const {
    if (rowEmpty(row))
        return {};
    const QString num = text(row, Num);
    if (num.isEmpty())
        return Texts::tr("Entry %1 has no Num: it is not offered as the Alarm's EMI code").arg(row);
    if (num.startsWith(u'0'))
        return Texts::tr(
                   "Entry %1 is not offered as the Alarm's EMI code: its Num %2 begins with 0")
            .arg(row)
            .arg(num);
    return {};
}
