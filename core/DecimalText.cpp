#include "DecimalText.h"

#include <limits>

namespace DecimalText {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

struct Cursor {
    const QString& text;
    qsizetype pos = 0;
    bool atDigit() const { return pos < text.size() && text[pos].isDigit() && text[pos] < u'\x80'; }
    int digit() const { return text[pos].unicode() - u'0'; }
};

// Skips white space and a sign; returns true for a minus sign.
bool readSign(Cursor& c) {
    while (c.pos < c.text.size() && c.text[c.pos].isSpace())
        ++c.pos;
    if (c.pos < c.text.size() && (c.text[c.pos] == u'-' || c.text[c.pos] == u'+'))
        return c.text[c.pos++] == u'-';
    return false;
}

std::int64_t appendDigit(std::int64_t value, int digit) {
    if (value > (kMax - digit) / 10)
        return kMax;
    return value * 10 + digit;
}

} // namespace

std::int64_t scaled(const QString& text, int decimals) {
    Cursor c{text};
    const bool negative = readSign(c);
    std::int64_t value = 0;
    bool anyDigit = false;
    for (; c.atDigit(); ++c.pos) {
        value = appendDigit(value, c.digit());
        anyDigit = true;
    }
    int fractionDigits = 0;
    if (c.pos < text.size() && text[c.pos] == u'.') {
        ++c.pos;
        // Digits past the requested precision are cut off: that is the truncation.
        for (; c.atDigit(); ++c.pos) {
            anyDigit = true;
            if (fractionDigits < decimals) {
                value = appendDigit(value, c.digit());
                ++fractionDigits;
            }
        }
    }
    if (!anyDigit)
        return 0;
    for (; fractionDigits < decimals; ++fractionDigits)
        value = appendDigit(value, 0);
    return negative ? -value : value;
}

int leadingInt(const QString& text) {
    Cursor c{text};
    const bool negative = readSign(c);
    std::int64_t value = 0;
    for (; c.atDigit(); ++c.pos)
        value =
            std::min<std::int64_t>(appendDigit(value, c.digit()), std::numeric_limits<int>::max());
    return static_cast<int>(negative ? -value : value);
}

bool startsWithInteger(const QString& text) {
    Cursor c{text};
    readSign(c);
    return c.atDigit();
}

bool isPlainDecimal(QStringView text) {
    int digits = 0;
    bool point = false;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits > 0;
}

QString format(std::int64_t value, int decimals) {
    std::int64_t divisor = 1;
    for (int i = 0; i < decimals; ++i)
        divisor *= 10;
    const bool negative = value < 0;
    // Work on the magnitude as unsigned so that INT64_MIN prints too.
    const auto magnitude =
        negative ? std::uint64_t(0) - std::uint64_t(value) : std::uint64_t(value);
    QString out = QString::number(magnitude / std::uint64_t(divisor));
    if (decimals > 0)
        out += u'.' +
               QString::number(magnitude % std::uint64_t(divisor)).rightJustified(decimals, u'0');
    return negative ? u'-' + out : out;
}

} // namespace DecimalText
