#include "NumberField.h"

#include "DecimalText.h"

#include <QLineEdit>

NumberField::NumberField(const QString& accessibleName, const Spec& spec, QWidget* parent)
    : QAbstractSpinBox(parent), spec_(spec) {
    setAccessibleName(accessibleName);
    // The character limit is for typing (see validate): the words shown for 0 may be longer.
    setButtonSymbols(spec.arrows ? UpDownArrows : NoButtons);
    setAccelerated(spec.arrows);
    setKeyboardTracking(true);
}

QValidator::State NumberField::validate(QString& input, int& pos) const {
    // Digits (and the point of tenths) can be typed; the words for 0 are shown, never typed.
    if (input == spec_.zeroText || input == spec_.spinLowText)
        return QValidator::Acceptable;
    QString kept;
    int before = 0;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c.isDigit() || (spec_.tenths && c == u'.')) {
            kept += c;
            before += i < pos ? 1 : 0;
        }
    }
    input = kept.left(spec_.maxLength);
    pos = std::min(before, int(input.size()));
    return QValidator::Acceptable;
}

int NumberField::number() const {
    return spec_.tenths ? tenthsFieldValue(text()) : intFieldValue(text());
}

void NumberField::setNumber(int value) {
    lineEdit()->setText(spec_.tenths ? DecimalText::format(value, 1) : QString::number(value));
    normalize();
}

void NumberField::normalize() {
    const QString t = text();
    QString shown;
    if (spec_.clamp) {
        const int v = std::clamp(number(), spec_.minimum, spec_.maximum);
        shown = v == 0 && spec_.zeroText ? *spec_.zeroText
                                         : DecimalText::format(v, spec_.tenths ? 1 : 0);
    } else if (spec_.tenths) {
        shown =
            normalizeTenthsField(t, {spec_.minimum, spec_.maximum, spec_.fallback, spec_.zeroText});
    } else {
        shown = normalizeIntField(
            t, {spec_.minimum, spec_.maximum, spec_.fallback, spec_.step, spec_.zeroText});
    }
    if (shown != t)
        lineEdit()->setText(shown);
}

void NumberField::stepBy(int steps) {
    const SpinRange range{spec_.minimum, spec_.maximum, spec_.spinLowText};
    const int delta = steps * spec_.spinUnit;
    lineEdit()->setText(spec_.tenths ? spinTenthsStep(text(), delta, range)
                                     : spinIntStep(text(), delta, range));
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    return spec_.arrows ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    normalize();
    QAbstractSpinBox::focusOutEvent(event);
}
