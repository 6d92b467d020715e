#pragma once

#include <QString>
#include <optional>

// A number edit field as its form describes it: integers or tenths, a range, the value an empty
// or out-of-range text becomes (or, for clamping fields, the nearest limit), a step values are
// cut down to, a text shown for 0 ("Off", "Continuous"), and its spin arrows, which wrap and,
// held down, take larger steps aligned to their size. The functions below are what the field
// does with its text; the widget only shows it.
struct NumberRule {
    bool tenths = false;
    int minimum = 0;
    int maximum = 0;
    int fallback = 0;
    int step = 1;                                      // integers are cut down to multiples
    bool clamp = false;                                // out of range: the nearest limit
    std::optional<QString> zeroText = std::nullopt;    // the leave-field text for 0
    std::optional<QString> spinLowText = std::nullopt; // the arrows' text for the minimum
    int spinUnit = 1;                                  // one arrow press, in the field's units
    bool arrows = true;
    int maxLength = 3;          // characters that can be typed
    bool alignHeldSteps = true; // a held arrow's larger steps land on multiples of their size
    int heldUnit = 0;           // an arrow held for heldAfterMs steps by this instead (0: never)
    int heldAfterMs = 0;
};

namespace NumberText {

// A stored number as the field first shows it: "%d", or tenths with "%.1f".
QString printed(const NumberRule& rule, int value);
// The correction made when the field is left.
QString normalized(const NumberRule& rule, const QString& text);
// The number the text stands for, as a store reads it ("Off" and the like read as 0).
int value(const NumberRule& rule, const QString& text);
// The text after `steps` arrow presses (negative: down).
QString stepped(const NumberRule& rule, const QString& text, int steps);

} // namespace NumberText
