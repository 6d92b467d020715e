#pragma once

#include <QString>
#include <optional>

// The corrections applied to a numeric edit field when it loses the focus or a spin arrow is
// pressed. Typed values are never refused with a message: they become a default or a limit.

struct IntFieldRule {
    int minimum = 0;
    int maximum = 0;
    int fallback = 0;                               // taken for an empty or out-of-range text
    int step = 1;                                   // values are cut down to a multiple of it
    std::optional<QString> zeroText = std::nullopt; // shown for 0 ("Off", "Continuous")
};

// Same fields in tenths (minimum, maximum and fallback are tenths); no step.
struct TenthsFieldRule {
    int minimum = 0;
    int maximum = 0;
    int fallback = 0;
    std::optional<QString> zeroText = std::nullopt;
};

struct SpinRange {
    int low = 0;
    int high = 0;
    std::optional<QString> lowText = std::nullopt; // shown when the value equals `low`
    bool alignHeldSteps = true; // a held arrow's larger steps land on multiples of their size
};

QString normalizeIntField(const QString& text, const IntFieldRule& rule);
QString normalizeTenthsField(const QString& text, const TenthsFieldRule& rule);

// One spin press of `delta` units (negative steps down; |delta| > 1 while an arrow is held
// aligns to multiples of |delta|). Values that leave the range wrap to the other end.
QString spinIntStep(const QString& text, int delta, const SpinRange& range);
// Same on tenths: the range and delta are in tenths.
QString spinTenthsStep(const QString& text, int delta, const SpinRange& range);

// The number a field shows, as its store reads it ("Off" and other texts read as 0).
int intFieldValue(const QString& text);
int tenthsFieldValue(const QString& text);
