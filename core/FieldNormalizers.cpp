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
    if (range.alignHeldSteps && size > 1 && v % size != 0) {
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

QString normalizeIntField(const QString& text, const IntFieldRule& rule) {
    int value = rule.fallback;
    if (!text.isEmpty()) {
        value = intFieldValue(text);
        if (rule.step > 1)
            value -= value % rule.step;
        if (value < rule.minimum || value > rule.maximum)
            value = rule.fallback;
    }
    return show(value, 0, rule.zeroText, 0);
}

QString normalizeTenthsField(const QString& text, const TenthsFieldRule& rule) {
    int value = rule.fallback;
    if (!text.isEmpty()) {
        value = tenthsFieldValue(text);
        if (value < rule.minimum || value > rule.maximum)
            value = rule.fallback;
    }
    return show(value, 1, rule.zeroText, 0);
}

QString spinIntStep(const QString& text, int delta, const SpinRange& range) {
    return show(stepped(intFieldValue(text), delta, range), 0, range.lowText, range.low);
}

QString spinTenthsStep(const QString& text, int delta, const SpinRange& range) {
    return show(stepped(tenthsFieldValue(text), delta, range), 1, range.lowText, range.low);
}
