#pragma once

#include <QChar>
#include <QString>
#include <cstdint>
#include <span>

// Digit codes: DTMF and 5-Tone identities are stored one digit per byte, 0xFF after the last.
namespace Digits {

// DTMF: "0"-"9" are 0-9, "A"-"D" 10-13, "*" 14, "#" 15. Any other character is read as one hex
// digit in either case (E and F give 14 and 15); a non-hex character gives 0xFF.
std::uint8_t dtmfValue(QChar c);
// 14 gives "*", 15 "#", 0-13 the hex digit; 16 and more give no character (a null QChar).
QChar dtmfChar(int value);

// 5-Tone: a hex digit "0"-"F" (either case) is its value; anything else reads as 0xFF.
std::uint8_t hexValue(QChar c);
// 0-15 give "0"-"F"; 16 and more give no character (a null QChar).
QChar hexChar(int value);

enum class Code { Dtmf, Hex };

// Decodes up to field.size() digits, stopping at the first byte of 16 or more.
QString readCode(std::span<const std::uint8_t> field, Code code);
// Fills the field with 0xFF, then writes the text's digit codes (at most field.size()).
void writeCode(std::span<std::uint8_t> field, const QString& text, Code code);

} // namespace Digits
