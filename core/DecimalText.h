#pragma once

#include <QString>
#include <cstdint>

// Exact decimal arithmetic on typed numbers: the radio's values are decimal (10 Hz, 0.1 Hz,
// tenths of a second), so a text is scaled on its digits rather than through a double, which
// would turn "145.125" into 14512499.
namespace DecimalText {

// The longest leading decimal number of `text` (leading white space and one sign allowed)
// multiplied by 10^decimals and truncated toward zero. Empty or non-numeric text gives 0.
// Results beyond the range of int64 saturate.
std::int64_t scaled(const QString& text, int decimals);

// The leading integer of `text` as C's atoi reads it (white space, sign, digits); 0 when none.
// Saturates at the int range.
int leadingInt(const QString& text);

// True when the text (after leading white space and an optional sign) starts with a digit.
bool startsWithInteger(const QString& text);

// True when the whole text is a plain unsigned decimal: digits with at most one point and at
// least one digit ("145", "145.", "145.5", ".5"); no sign, space or exponent.
bool isPlainDecimal(QStringView text);

// `value` / 10^decimals printed with exactly `decimals` digits after the point ("%.Nf" of the
// exact quotient).
QString format(std::int64_t value, int decimals);

} // namespace DecimalText
