#include "NumberField.h"
#include "Language.h"

#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

namespace {

NumberRule translated(NumberRule rule) {
    for (std::optional<QString>* words : {&rule.zeroText, &rule.spinLowText})
        if (*words)
            **words = Language::shown(**words);
    return rule;
}

// `text` with the words of `from` replaced by those of `to`.
QString withWordsOf(const QString& text, const NumberRule& from, const NumberRule& to) {
    if (text == from.zeroText)
        return *to.zeroText;
    if (text == from.spinLowText)
        return *to.spinLowText;
    return text;
}

} // namespace

NumberField::NumberField(const QString& accessibleName, const NumberRule& rule, QWidget* parent)
    : QAbstractSpinBox(parent), rule_(translated(rule)), english_(rule) {
    setAccessibleName(accessibleName);
    // The character limit is for typing (see validate): the words shown for 0 may be longer.
    setButtonSymbols(rule.arrows ? UpDownArrows : NoButtons);
    setAccelerated(rule.arrows && rule.heldUnit == 0); // a held step is its own acceleration
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
    lineEdit()->setText(NumberText::stepped(rule_, text(), stepUnits(steps)));
    Q_EMIT edited();
}

// A field with a held step (the 5-Tone timings) steps by it once the arrow has been held for a
// while; steps that keep coming within a moment of each other count as one hold.
int NumberField::stepUnits(int steps) {
    if (rule_.heldUnit == 0)
        return steps;
    constexpr qint64 kRepeatGapMs = 400;
    const qint64 now = held_.isValid() ? held_.elapsed() : 0;
    if (!held_.isValid() || now - lastStep_ > kRepeatGapMs) {
        held_.start();
        lastStep_ = 0;
        return steps;
    }
    lastStep_ = now;
    if (now < rule_.heldAfterMs)
        return steps;
    const int sign = steps < 0 ? -1 : 1;
    return sign * (rule_.heldUnit / std::max(1, rule_.spinUnit));
}

QString NumberField::storedText() const {
    return withWordsOf(text(), rule_, english_);
}

void NumberField::setStoredText(const QString& text) {
    lineEdit()->setText(withWordsOf(text, english_, rule_));
}

void NumberField::setRule(const NumberRule& rule) {
    rule_ = translated(rule);
    english_ = rule;
    sizeHint_ = {};
    updateGeometry();
}

void NumberField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        sizeHint_ = {};
    QAbstractSpinBox::changeEvent(event);
}

QSize NumberField::sizeHint() const {
    if (sizeHint_.isValid())
        return sizeHint_;
    ensurePolished();
    const QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(QString(rule_.maxLength, u'8'));
    for (const auto& words : {rule_.zeroText, rule_.spinLowText})
        if (words)
            width = std::max(width, metrics.horizontalAdvance(*words));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize text(width + 4, lineEdit()->sizeHint().height()); // 4: the cursor and margins
    sizeHint_ = style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
    return sizeHint_;
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    return rule_.arrows ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    normalize();
    QAbstractSpinBox::focusOutEvent(event);
}

#include "moc_NumberField.cpp"
