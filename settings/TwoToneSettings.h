#pragma once

#include "FieldDescription.h"

#include <QStringList>
#include <array>
#include <vector>

// The sixteen 2-Tone decoder systems, 32-byte records at 0xCF80. The fields' addresses are
// offsets in a record; bits 2-6 of +13 and bytes +6, +7, +14, +15 and +29 are never written.
namespace TwoToneSettings {

const std::vector<FieldDescription>& systemFields();

// The group of the four decoders' fields: a table of its own (a row each, format and response).
constexpr int kDecoderGroup = 1;

// The labels of decoder k's (1-4) format and response lists.
QString formatLabel(int decoder);
QString responseLabel(int decoder);

// The formats in list order, "Off" first.
const QStringList& formats();

// Format exclusivity: the entries each of the four format lists offers when they show `chosen`
// (one text a decoder, empty for none): every format but those the other decoders chose ("Off"
// excepted), and never "Off" for decoder 1.
std::array<QStringList, 4> formatChoices(const std::array<QString, 4>& chosen);

// The alias a system gets when its field is left empty: the previous alias, else "2T-S%02d".
QString aliasFallback(const QString& alias, const QString& previous, int system);

} // namespace TwoToneSettings
