#include "Tones.h"
#include "Texts.h"

#include "Bcd.h"
#include "DecimalText.h"

#include <algorithm>
#include <cmath>

namespace Ctcss {

const QStringList& toneList() {
    static const QStringList tones = {
        "63.0",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
        "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8",
        "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7",
        "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5",
        "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7", "218.1",
        "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
    return tones;
}

QString fromBytes(std::span<const std::uint8_t, 2> in) {
    return DecimalText::format(Bcd::read16(in), 1);
}

int fromText(const QString& text) {
    return int(std::clamp<std::int64_t>(DecimalText::scaled(text, 1), INT32_MIN, INT32_MAX));
}

void toBytes(std::span<std::uint8_t, 2> out, const QString& text) {
    Bcd::write16(out, fromText(text));
}

QString normalize(const QString& text) {
    if (!text.isEmpty()) {
        const int t = fromText(text.toUpper());
        if (t >= 600 && t <= 2600)
            return DecimalText::format(t, 1);
    }
    return QStringLiteral("100.0");
}

} // namespace Ctcss

namespace Dcs {

const QStringList& codeList() {
    static const QStringList codes = [] {
        static const int values[] = {
            17,  23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,
            74,  114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165,
            172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263,
            265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
            371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466,
            503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624, 627, 631, 632, 645, 654,
            662, 664, 703, 712, 723, 731, 732, 734, 743, 754};
        QStringList list;
        for (int v : values)
            list << QString::number(v).rightJustified(3, u'0');
        return list;
    }();
    return codes;
}

QString fromBytes(std::span<const std::uint8_t, 2> in) {
    return QString::number(Bcd::read16(in)).rightJustified(3, u'0');
}

int fromText(const QString& text) {
    return DecimalText::leadingInt(text);
}

void toBytes(std::span<std::uint8_t, 2> out, const QString& text) {
    Bcd::write16(out, fromText(text));
}

QString normalize(const QString& text) {
    const QString upper = text.toUpper();
    if (DecimalText::startsWithInteger(upper)) {
        const int n = DecimalText::leadingInt(upper);
        if (n >= 0 && n <= 777)
            return QString::number(n).rightJustified(3, u'0');
    }
    return QStringLiteral("023");
}

} // namespace Dcs

std::uint16_t toneDecoderCoefficient(int tenthsOfHertz) {
    // 6.2831852 is the value of 2*pi the radio's firmware was tuned with; keep it.
    const double c = 2.0 * std::cos(6.2831852 * tenthsOfHertz / 80000.0) * 16384.0 + 0.5;
    return std::uint16_t(std::int32_t(std::trunc(c)));
}

QString SignalTone::rangeText() {
    return Texts::tr("Tone range: %1 - %2Hz").arg(kLowest / 10).arg(kHighest / 10);
}
