#include "Digits.h"

#include <algorithm>

namespace Digits {

std::uint8_t hexValue(QChar c) {
    const char16_t u = c.toUpper().unicode();
    if (u >= u'0' && u <= u'9')
        return std::uint8_t(u - u'0');
    if (u >= u'A' && u <= u'F')
        return std::uint8_t(u - u'A' + 10);
    return 0xFF;
}

QChar hexChar(int value) {
    if (value < 0 || value > 15)
        return QChar();
    return QChar(u"0123456789ABCDEF"[value]);
}

std::uint8_t dtmfValue(QChar c) {
    if (c == u'*')
        return 14;
    if (c == u'#')
        return 15;
    return hexValue(c);
}

QChar dtmfChar(int value) {
    if (value == 14)
        return u'*';
    if (value == 15)
        return u'#';
    return hexChar(value);
}

QString readCode(std::span<const std::uint8_t> field, Code code) {
    QString text;
    for (std::uint8_t b : field) {
        if (b >= 16)
            break;
        text += code == Code::Dtmf ? dtmfChar(b) : hexChar(b);
    }
    return text;
}

void writeCode(std::span<std::uint8_t> field, const QString& text, Code code) {
    std::fill(field.begin(), field.end(), 0xFF);
    const auto n = std::min<std::size_t>(field.size(), std::size_t(text.size()));
    for (std::size_t i = 0; i < n; ++i)
        field[i] =
            code == Code::Dtmf ? dtmfValue(text[qsizetype(i)]) : hexValue(text[qsizetype(i)]);
}

} // namespace Digits
