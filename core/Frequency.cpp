#include "Frequency.h"

#include "DecimalText.h"

#include <algorithm>

namespace FrequencyText {

QString fromValue(Frequency f) {
    return DecimalText::format(f, 5);
}

Frequency toValue(const QString& text) {
    const auto v = DecimalText::scaled(text, 5);
    return Frequency(std::clamp<std::int64_t>(v, 0, UINT32_MAX));
}

} // namespace FrequencyText

Frequency gridCheck(Frequency f) {
    if (f % 250 == 0 || f % 625 == 0)
        return f;
    const Frequency r5 = f % 500;
    const Frequency r6 = f % 625;
    return r5 > r6 ? f - r6 : f - r5;
}
