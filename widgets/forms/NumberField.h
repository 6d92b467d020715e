#pragma once

#include "NumberRule.h"

#include <QAbstractSpinBox>
#include <QElapsedTimer>

// A number edit field with an optional spin, as its rule describes it. It corrects itself when
// it loses the focus and whenever its form asks before storing.
class NumberField : public QAbstractSpinBox {
    Q_OBJECT
public:
    NumberField(const QString& accessibleName, const NumberRule& rule, QWidget* parent = nullptr);

    // The stored number printed into the field ("%d", or tenths with "%.1f"), then corrected.
    void setNumber(int value);
    // The number the field shows, as a store reads it ("Off" and the like read as 0).
    int number() const;
    // The correction made when the field is left.
    void normalize();
    // A field whose range depends on another choice (a standard's nominal width) takes a new rule.
    void setRule(const NumberRule& rule);
    // What the field holds with its words for 0 in English, as a store reads it, and back: the
    // field itself shows them in the user's language.
    QString storedText() const;
    void setStoredText(const QString& text);

    void stepBy(int steps) override;
    // Wide enough for the longest number it takes and for its words for 0.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The edit inside, for selecting and typing.
    QLineEdit* editor() const { return lineEdit(); }

Q_SIGNALS:
    // The user typed or stepped a new value.
    void edited();

protected:
    void changeEvent(QEvent* event) override;
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int stepUnits(int steps);

    NumberRule rule_;    // its words translated
    NumberRule english_; // as given
    QElapsedTimer held_; // since the arrow went down, while steps keep coming
    qint64 lastStep_ = -1;
    mutable QSize sizeHint_; // layouts ask often; it changes only with the rule or the font
};
