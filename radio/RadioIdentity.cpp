#include "RadioIdentity.h"

#include "Bcd.h"
#include "ImageMap.h"
#include "MemoryImage.h"

#include <QDate>

namespace {

bool isAlnum(std::uint8_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isPrintable(std::uint8_t c) {
    return c >= 0x20 && c <= 0x7E;
}

// The characters of a text field up to the first one the field does not allow.
QString readField(const MemoryImage& image, std::uint32_t address, int length,
                  bool (*allowed)(std::uint8_t)) {
    QString text;
    for (std::uint8_t c : image.at(address, std::size_t(length))) {
        if (!allowed(c))
            break;
        text += QChar(c);
    }
    return text;
}

QString readDate(const MemoryImage& image) {
    const std::uint32_t d = ImageMap::kProgrammingDate;
    const QString text = QStringLiteral("%1-%2-%3")
                             .arg(image.word(d), 4, 16, QChar(u' '))
                             .arg(image.byte(d + 2), 2, 16, QChar(u'0'))
                             .arg(image.byte(d + 3), 2, 16, QChar(u'0'))
                             .toUpper();
    // Valid only when the hex digits read back as a calendar date.
    const QStringList parts = text.split(u'-');
    bool ok[3] = {};
    const QDate date(parts[0].trimmed().toInt(&ok[0]), parts[1].toInt(&ok[1]),
                     parts[2].toInt(&ok[2]));
    return ok[0] && ok[1] && ok[2] && date.isValid() ? text : QString();
}

} // namespace

RadioIdentity RadioIdentity::read(const MemoryImage& image) {
    const std::uint32_t id = ImageMap::kIdentity;
    return {readField(image, id, 8, isAlnum), readField(image, id + 8, 8, isAlnum),
            readField(image, id + 16, 16, isPrintable), readField(image, id + 32, 8, isPrintable),
            readDate(image)};
}

bool RadioIdentity::serialCharacter(QChar c) {
    return c.unicode() < 0x80 && isAlnum(std::uint8_t(c.unicode()));
}
bool RadioIdentity::codeCharacter(QChar c) {
    return c.unicode() < 0x80 && isPrintable(std::uint8_t(c.unicode()));
}

const std::array<RadioIdentity::Field, 5>& RadioIdentity::fields() {
    static const std::array<Field, 5> table = {{
        {QT_TRANSLATE_NOOP("Radio", "Serial number"), &RadioIdentity::serialNumber, 8,
         serialCharacter},
        {QT_TRANSLATE_NOOP("Radio", "Model name"), &RadioIdentity::modelName, 8, serialCharacter},
        {QT_TRANSLATE_NOOP("Radio", "Model code"), &RadioIdentity::modelCode, 16, codeCharacter},
        {QT_TRANSLATE_NOOP("Radio", "Firmware Version"), &RadioIdentity::firmware, 8, nullptr},
        {QT_TRANSLATE_NOOP("Radio", "Last program date"), &RadioIdentity::programDate, 10, nullptr},
    }};
    return table;
}

void RadioIdentity::writeEditable(MemoryImage& image, const QString& serialNumber,
                                  const QString& modelName, const QString& modelCode) {
    const std::uint32_t id = ImageMap::kIdentity;
    image.fill(id, 0x20, 0xFF);
    auto store = [&](std::uint32_t address, int length, const QString& text,
                     bool (*allowed)(QChar)) {
        for (int i = 0; i < std::min<int>(length, int(text.size())) && allowed(text[i]); ++i)
            image.setByte(address + std::uint32_t(i), std::uint8_t(text[i].unicode()));
    };
    store(id, 8, serialNumber, serialCharacter);
    store(id + 8, 8, modelName, serialCharacter);
    store(id + 16, 16, modelCode, codeCharacter);
}

BandEdges readBandEdges(const MemoryImage& image, int band) {
    BandEdges edges{};
    for (std::uint32_t i = 0; i < 4; ++i) {
        const auto bytes = image.at<4>(ImageMap::kBandLimitRecords.at(band) + 4 * i);
        edges[i] = (bytes[3] == 0x00 || bytes[3] == 0xFF) ? 0 : Bcd::read32(bytes);
    }
    return edges;
}
