#include "PrintableText.h"

#include <QByteArray>
#include <algorithm>

namespace PrintableText {

QString read(std::span<const std::uint8_t> field) {
    QString text;
    for (std::uint8_t c : field) {
        if (c < 0x20 || c > 0x7E)
            break;
        text += QChar(c);
    }
    return text;
}

void write(std::span<std::uint8_t> field, const QString& text) {
    if (read(field) == text.left(qsizetype(field.size())))
        return;
    std::fill(field.begin(), field.end(), 0xFF);
    const QByteArray latin = text.left(qsizetype(field.size())).toLatin1();
    std::copy(latin.begin(), latin.end(), field.begin());
}

} // namespace PrintableText
