#pragma once

#include "FieldNormalizers.h"

#include <QAbstractSpinBox>
#include <optional>

// A number edit field with an optional spin: integers or tenths, a range, a value taken when
// the text is empty or out of range (or, for clamping fields, the nearest limit), a step it is
// cut down to, and a text shown for 0 ("Off", "Continuous"). It corrects itself when it loses
// the focus and whenever its form asks before storing; its arrows step with wrap-around and,
// held down, in larger steps aligned to their size.
class NumberField : public QAbstractSpinBox {
    Q_OBJECT
public:
    struct Rule {
        bool tenths = false;
        int minimum = 0;
        int maximum = 0;
        int fallback = 0;
        int step = 1;                       // values are cut down to multiples (integers)
        bool clamp = false;                 // out of range: the nearest limit, not the fallback
        std::optional<QString> zeroText = std::nullopt;    // the leave-field text for 0
        std::optional<QString> spinLowText = std::nullopt; // the arrows' text for the minimum
        int spinUnit = 1;                   // one arrow press, in the field's units
        bool arrows = true;
        int maxLength = 3;
    };

    NumberField(const QString& accessibleName, const Rule& rule, QWidget* parent = nullptr);

    // The stored number printed into the field ("%d", or tenths with "%.1f"), then corrected.
    void setNumber(int value);
    // The number the field shows, as a store reads it ("Off" and the like read as 0).
    int number() const;
    // The correction made when the field is left.
    void normalize();

    void stepBy(int steps) override;
    // The edit inside, for selecting and typing.
    QLineEdit* editor() const { return lineEdit(); }

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Rule rule_;
};
