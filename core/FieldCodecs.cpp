#include "FieldCodecs.h"

#include "DecimalText.h"
#include "Digits.h"
#include "ListChoice.h"
#include "MemoryImage.h"
#include "PrintableText.h"

using ListChoice::indexOfCode;
using ListChoice::indexOfText;
using ListChoice::textAt;

namespace {

// --- Stored numbers: a bit field, a byte or a little-endian word ----------------------------

int storedNumber(const FieldDescription& f, const MemoryImage& image, std::uint32_t address) {
    return f.width == 16 ? image.word(address) : image.bits(address, f.shift, f.width);
}

void setStoredNumber(const FieldDescription& f, MemoryImage& image, std::uint32_t address,
                     int value) {
    if (f.width == 16)
        image.setWord(address, std::uint16_t(value));
    else
        image.setBits(address, f.shift, f.width, value);
}

FieldValue chosen(int index) {
    return {index, {}};
}

// A list chosen by the text the stored value prints as.
FieldValue chosenByText(const QStringList& items, const QString& text) {
    return chosen(text.isEmpty() ? -1 : indexOfText(items, text));
}

int chosenNumber(const QStringList& items, const FieldValue& v) {
    return DecimalText::leadingInt(textAt(items, v.index));
}

// --- Lists ----------------------------------------------------------------------------------

FieldValue decodeCode(const FieldDescription& f, const QStringList& items, const MemoryImage& image,
                      std::uint32_t address) {
    return chosen(indexOfCode(items, storedNumber(f, image, address)));
}
void encodeCode(const FieldDescription& f, const QStringList&, const FieldValue& v,
                MemoryImage& image, std::uint32_t address) {
    setStoredNumber(f, image, address, std::max(0, v.index));
}

FieldValue decodeCodeOrFirst(const FieldDescription& f, const QStringList& items,
                             const MemoryImage& image, std::uint32_t address) {
    const int index = indexOfCode(items, storedNumber(f, image, address));
    return chosen(index >= 0 ? index : indexOfCode(items, 0));
}

void encodeFlag(const FieldDescription& f, const QStringList&, const FieldValue& v,
                MemoryImage& image, std::uint32_t address) {
    setStoredNumber(f, image, address, v.index > 0 ? 1 : 0);
}

FieldValue decodeLevel(const FieldDescription& f, const QStringList& items,
                       const MemoryImage& image, std::uint32_t address) {
    const int stored = storedNumber(f, image, address);
    return chosenByText(items, stored == 0 ? QStringLiteral("Off") : QString::number(stored));
}
void encodeChosenNumber(const FieldDescription& f, const QStringList& items, const FieldValue& v,
                        MemoryImage& image, std::uint32_t address) {
    setStoredNumber(f, image, address, chosenNumber(items, v) / f.unit);
}

FieldValue decodeNumber(const FieldDescription& f, const QStringList& items,
                        const MemoryImage& image, std::uint32_t address) {
    return chosenByText(items, QString::number(storedNumber(f, image, address) * f.unit));
}

FieldValue decodeEntryNumber(const FieldDescription& f, const QStringList& items,
                             const MemoryImage& image, std::uint32_t address) {
    return chosen(indexOfText(items, QString::number(storedNumber(f, image, address)),
                              ListChoice::Match::Exact));
}

FieldValue decodeCodedList(const FieldDescription& f, const QStringList&, const MemoryImage& image,
                           std::uint32_t address) {
    const int stored = storedNumber(f, image, address);
    for (int wanted : {stored, 0})
        for (std::size_t i = 0; i < f.codes.size(); ++i)
            if (f.codes[i] == wanted)
                return chosen(int(i));
    return chosen(-1);
}
void encodeCodedList(const FieldDescription& f, const QStringList&, const FieldValue& v,
                     MemoryImage& image, std::uint32_t address) {
    const bool chosenEntry = v.index >= 0 && std::size_t(v.index) < f.codes.size();
    setStoredNumber(f, image, address, chosenEntry ? f.codes[std::size_t(v.index)] : 0);
}

// "%G" of the stored tenths: 5 is "0.5", 10 is "1", 15 is "1.5".
FieldValue decodeHours(const FieldDescription& f, const QStringList& items,
                       const MemoryImage& image, std::uint32_t address) {
    const int stored = storedNumber(f, image, address);
    QString text = DecimalText::format(stored, 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return chosenByText(items, stored == 0 ? QStringLiteral("Off") : text);
}
void encodeHours(const FieldDescription& f, const QStringList& items, const FieldValue& v,
                 MemoryImage& image, std::uint32_t address) {
    setStoredNumber(f, image, address, int(DecimalText::scaled(textAt(items, v.index), 1)));
}

// One digit character chosen by text; a code the list does not show leaves no choice.
template <QChar (*toChar)(int)>
FieldValue decodeCharacter(const FieldDescription& f, const QStringList& items,
                           const MemoryImage& image, std::uint32_t address) {
    const QChar c = toChar(storedNumber(f, image, address));
    return chosenByText(items, c.isNull() ? QString() : QString(c));
}
template <std::uint8_t (*toCode)(QChar)>
void encodeCharacter(const FieldDescription& f, const QStringList& items, const FieldValue& v,
                     MemoryImage& image, std::uint32_t address) {
    const QString text = textAt(items, v.index);
    setStoredNumber(f, image, address, text.isEmpty() ? 0xFF : toCode(text[0]));
}

// --- Edit fields and check boxes ------------------------------------------------------------

FieldValue decodeNumberField(const FieldDescription& f, const QStringList&,
                             const MemoryImage& image, std::uint32_t address) {
    return {-1, NumberText::printed(f.number, storedNumber(f, image, address) * f.unit)};
}
void encodeNumberField(const FieldDescription& f, const QStringList&, const FieldValue& v,
                       MemoryImage& image, std::uint32_t address) {
    setStoredNumber(f, image, address, NumberText::value(f.number, v.text) / f.unit);
}

FieldValue decodeCheck(const FieldDescription& f, const QStringList&, const MemoryImage& image,
                       std::uint32_t address) {
    return chosen(storedNumber(f, image, address) != 0 ? 1 : 0);
}

template <Digits::Code kind>
FieldValue decodeDigits(const FieldDescription& f, const QStringList&, const MemoryImage& image,
                        std::uint32_t address) {
    return {-1, Digits::readCode(image.at(address, std::size_t(f.width)), kind)};
}
template <Digits::Code kind>
void encodeDigits(const FieldDescription& f, const QStringList&, const FieldValue& v,
                  MemoryImage& image, std::uint32_t address) {
    Digits::writeCode(image.at(address, std::size_t(f.width)), v.text, kind);
}

FieldValue decodeText(const FieldDescription& f, const QStringList&, const MemoryImage& image,
                      std::uint32_t address) {
    return {-1, PrintableText::read(image.at(address, std::size_t(f.width)))};
}
void encodeText(const FieldDescription& f, const QStringList&, const FieldValue& v,
                MemoryImage& image, std::uint32_t address) {
    PrintableText::write(image.at(address, std::size_t(f.width)), v.text);
}

} // namespace

namespace FieldCodecs {

using C = FieldControl;
const FieldCodec code{C::List, decodeCode, encodeCode};
const FieldCodec codeOrFirst{C::List, decodeCodeOrFirst, encodeCode};
const FieldCodec flag{C::List, decodeCode, encodeFlag};
const FieldCodec level{C::List, decodeLevel, encodeChosenNumber};
const FieldCodec number{C::List, decodeNumber, encodeChosenNumber};
const FieldCodec entryNumber{C::List, decodeEntryNumber, encodeChosenNumber};
const FieldCodec hours{C::List, decodeHours, encodeHours};
const FieldCodec codedList{C::List, decodeCodedList, encodeCodedList};
const FieldCodec dtmfChar{C::List, decodeCharacter<Digits::dtmfChar>,
                          encodeCharacter<Digits::dtmfValue>};
const FieldCodec hexChar{C::List, decodeCharacter<Digits::hexChar>,
                         encodeCharacter<Digits::hexValue>};
const FieldCodec numberField{C::Number, decodeNumberField, encodeNumberField};
const FieldCodec check{C::Check, decodeCheck, encodeFlag};
const FieldCodec dtmfDigits{C::Text, decodeDigits<Digits::Code::Dtmf>,
                            encodeDigits<Digits::Code::Dtmf>};
const FieldCodec hexDigits{C::Text, decodeDigits<Digits::Code::Hex>,
                           encodeDigits<Digits::Code::Hex>};
const FieldCodec text{C::Text, decodeText, encodeText};

} // namespace FieldCodecs

namespace Fields {

QStringList items(const FieldDescription& field, const MemoryImage& image) {
    return field.itemsFrom ? field.itemsFrom(image) : field.items;
}

FieldValue withFallback(const FieldDescription& field, const QStringList& items, FieldValue value) {
    switch (field.codec->control) {
    case FieldControl::List:
        if (value.index < 0 && field.fallback)
            value.index = indexOfCode(items, *field.fallback);
        break;
    case FieldControl::Number:
        value.text = NumberText::normalized(field.number, value.text);
        break;
    case FieldControl::Check:
    case FieldControl::Text:
        break;
    }
    return value;
}

FieldValue load(const FieldDescription& field, const QStringList& items, const MemoryImage& image,
                std::uint32_t base) {
    return withFallback(field, items,
                        field.codec->decode(field, items, image, base + field.address));
}

void store(const FieldDescription& field, const QStringList& items, const FieldValue& value,
           MemoryImage& image, std::uint32_t base) {
    const FieldValue v = withFallback(field, items, value);
    if (field.codec->control == FieldControl::List && v.index < 0 && field.noChoice)
        setStoredNumber(field, image, base + field.address, *field.noChoice);
    else
        field.codec->encode(field, items, v, image, base + field.address);
}

QString shownText(const FieldDescription& field, const QStringList& items,
                  const FieldValue& value) {
    switch (field.codec->control) {
    case FieldControl::List:
        return textAt(items, value.index);
    case FieldControl::Check:
        return value.index > 0 ? QStringLiteral("On") : QStringLiteral("Off");
    case FieldControl::Number:
    case FieldControl::Text:
        break;
    }
    return value.text;
}

const FieldDescription* find(const std::vector<FieldDescription>& table, const QString& label) {
    for (const FieldDescription& f : table)
        if (label == f.label)
            return &f;
    return nullptr;
}

} // namespace Fields
