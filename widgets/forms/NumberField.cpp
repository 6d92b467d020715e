#include "NumberField.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

NumberField::NumberField(const QString& accessibleName, const NumberRule& rule, QWidget* parent)
    : QAbstractSpinBox(parent), rule_(rule) {
    setAccessibleName(accessibleName);
    // The character limit is for typing (see validate): the words shown for 0 may be longer.
    setButtonSymbols(rule.arrows ? UpDownArrows : NoButtons);
    setAccelerated(rule.arrows);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, &NumberField::edited);
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
    return NumberText::value(rule_, text());
}

void NumberField::setNumber(int value) {
    lineEdit()->setText(NumberText::printed(rule_, value));
    normalize();
}

void NumberField::normalize() {
    const QString shown = NumberText::normalized(rule_, text());
    if (shown != text())
        lineEdit()->setText(shown);
}

void NumberField::stepBy(int steps) {
    lineEdit()->setText(NumberText::stepped(rule_, text(), steps));
    Q_EMIT edited();
}

QSize NumberField::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(QString(rule_.maxLength, u'8'));
    for (const auto& words : {rule_.zeroText, rule_.spinLowText})
        if (words)
            width = std::max(width, metrics.horizontalAdvance(*words));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize text(width + 4, lineEdit()->sizeHint().height()); // 4: the cursor and margins
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    return rule_.arrows ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    normalize();
    QAbstractSpinBox::focusOutEvent(event);
}
