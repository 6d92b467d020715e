#include "NumberField.h"

#include "DecimalText.h"

#include <QLineEdit>

NumberField::NumberField(const QString& accessibleName, const Rule& rule, QWidget* parent)
    : QAbstractSpinBox(parent), rule_(rule) {
    setAccessibleName(accessibleName);
    // The character limit is for typing (see validate): the words shown for 0 may be longer.
    setButtonSymbols(rule.arrows ? UpDownArrows : NoButtons);
    setAccelerated(rule.arrows);
    setKeyboardTracking(true);
}

QValidator::State NumberField::validate(QString& input, int& pos) const {
    // Digits (and the point of tenths) can be typed; the words for 0 are shown, never typed.
    if (input == rule_.zeroText || input == rule_.spinLowText)
        return QValidator::Acceptable;
    QString kept;
    int before = 0;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c.isDigit() || (rule_.tenths && c == u'.')) {
            kept += c;
            before += i < pos ? 1 : 0;
        }
    }
    input = kept.left(rule_.maxLength);
    pos = std::min(before, int(input.size()));
    return QValidator::Acceptable;
}

int NumberField::number() const {
    return rule_.tenths ? tenthsFieldValue(text()) : intFieldValue(text());
}

void NumberField::setNumber(int value) {
    lineEdit()->setText(rule_.tenths ? DecimalText::format(value, 1) : QString::number(value));
    normalize();
}

void NumberField::normalize() {
    const QString t = text();
    QString shown;
    if (rule_.clamp) {
        const int v = std::clamp(number(), rule_.minimum, rule_.maximum);
        shown = v == 0 && rule_.zeroText ? *rule_.zeroText
                                         : DecimalText::format(v, rule_.tenths ? 1 : 0);
    } else if (rule_.tenths) {
        shown =
            normalizeTenthsField(t, {rule_.minimum, rule_.maximum, rule_.fallback, rule_.zeroText});
    } else {
        shown = normalizeIntField(
            t, {rule_.minimum, rule_.maximum, rule_.fallback, rule_.step, rule_.zeroText});
    }
    if (shown != t)
        lineEdit()->setText(shown);
}

void NumberField::stepBy(int steps) {
    const SpinRange range{rule_.minimum, rule_.maximum, rule_.spinLowText};
    const int delta = steps * rule_.spinUnit;
    lineEdit()->setText(rule_.tenths ? spinTenthsStep(text(), delta, range)
                                     : spinIntStep(text(), delta, range));
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    return rule_.arrows ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    normalize();
    QAbstractSpinBox::focusOutEvent(event);
}
