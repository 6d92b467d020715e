#include "NumberRule.h"

#include "DecimalText.h"
#include "FieldNormalizers.h"

#include <algorithm>

namespace NumberText {

QString printed(const NumberRule& rule, int value) {
    return DecimalText::format(value, rule.tenths ? 1 : 0);
}

int value(const NumberRule& rule, const QString& text) {
    return rule.tenths ? tenthsFieldValue(text) : intFieldValue(text);
}

QString normalized(const NumberRule& rule, const QString& text) {
    if (rule.clamp) {
        const int v = std::clamp(value(rule, text), rule.minimum, rule.maximum);
        return v == 0 && rule.zeroText ? *rule.zeroText : printed(rule, v);
    }
    if (rule.tenths)
        return normalizeTenthsField(text,
                                    {rule.minimum, rule.maximum, rule.fallback, rule.zeroText});
    return normalizeIntField(text,
                             {rule.minimum, rule.maximum, rule.fallback, rule.step, rule.zeroText});
}

QString stepped(const NumberRule& rule, const QString& text, int steps) {
    const SpinRange range{rule.minimum, rule.maximum, rule.spinLowText, rule.alignHeldSteps};
    const int delta = steps * rule.spinUnit;
    return rule.tenths ? spinTenthsStep(text, delta, range) : spinIntStep(text, delta, range);
}

} // namespace NumberText
