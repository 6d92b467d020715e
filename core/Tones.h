#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

// CTCSS tones (tenths of a hertz) and DCS codes (three octal-looking digits), both kept in the
// image as 2-byte BCD numbers, and the coefficient the radio's tone decoder needs per tone.
namespace Ctcss {

const QStringList& toneList(); // the 51 standard tones, "63.0" .. "254.1"

QString fromBytes(std::span<const std::uint8_t, 2> in); // "%.1f" of the stored tenths
int fromText(const QString& text);                      // tenths, truncated
void toBytes(std::span<std::uint8_t, 2> out, const QString& text);

// What a tone box shows when it loses the focus: the typed tone when it is within 60.0 to
// 260.0 Hz, otherwise (and for an empty text) "100.0".
QString normalize(const QString& text);

} // namespace Ctcss

namespace Dcs {

const QStringList& codeList(); // the 106 standard codes, "017" .. "754"

QString fromBytes(std::span<const std::uint8_t, 2> in); // "%03d"
int fromText(const QString& text);                      // leading integer
void toBytes(std::span<std::uint8_t, 2> out, const QString& text);

// What a code box shows when it loses the focus: a leading integer 0..777 as "%03d",
// anything else "023".
QString normalize(const QString& text);

} // namespace Dcs

// The tones the 2-Tone and 5-Tone decoders take, in tenths of a hertz: 288.0 to 3116.0 Hz.
namespace SignalTone {
constexpr int kLowest = 2880;
constexpr int kHighest = 31160;
// "Tone range: 288 - 3116Hz", as the 2-Tone contacts show it.
QString rangeText();
} // namespace SignalTone

// Q14 coefficient of the radio's tone decoder (8 kHz sampling) for a tone in tenths of a hertz;
// 0 gives 32768, which is stored as 0x8000.
std::uint16_t toneDecoderCoefficient(int tenthsOfHertz);
