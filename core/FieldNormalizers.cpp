#include "FieldNormalizers.h"

#include "DecimalText.h"

#include <algorithm>
#include <cstdlib>

namespace {

QString show(int value, int decimals, const std::optional<QString>& textFor, int textValue) {
    if (textFor && value == textValue)
        return *textFor;
    return DecimalText::format(value, decimals);
}

int stepped(int value, int delta, const SpinRange& range) {
    long long v = (long long)value + delta;
    const int size = std::abs(delta);
    if (size > 1 && v % size != 0) {
        if (delta > 0)
            v -= v % size;
        else
            v = v < 0 ? 0 : v + size - v % size;
    }
    if (v < range.low || v > range.high)
        v = delta < 0 ? range.high : range.low;
    return int(v);
}

} // namespace

int intFieldValue(const QString& text) {
    return DecimalText::leadingInt(text);
}

int tenthsFieldValue(const QString& text) {
    return int(std::clamp<std::int64_t>(DecimalText::scaled(text, 1), INT32_MIN, INT32_MAX));
}

QString normalizeIntField(const QString& text, const IntFieldSpec& spec) {
    int value = spec.fallback;
    if (!text.isEmpty()) {
        value = intFieldValue(text);
        if (spec.step > 1)
            value -= value % spec.step;
        if (value < spec.minimum || value > spec.maximum)
            value = spec.fallback;
    }
    return show(value, 0, spec.zeroText, 0);
}

QString normalizeTenthsField(const QString& text, const TenthsFieldSpec& spec) {
    int value = spec.fallback;
    if (!text.isEmpty()) {
        value = tenthsFieldValue(text);
        if (value < spec.minimum || value > spec.maximum)
            value = spec.fallback;
    }
    return show(value, 1, spec.zeroText, 0);
}

QString spinIntStep(const QString& text, int delta, const SpinRange& range) {
    return show(stepped(intFieldValue(text), delta, range), 0, range.lowText, range.low);
}

QString spinTenthsStep(const QString& text, int delta, const SpinRange& range) {
    return show(stepped(tenthsFieldValue(text), delta, range), 1, range.lowText, range.low);
}
