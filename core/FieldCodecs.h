#pragma once

#include "FieldDescription.h"

#include <vector>

// The encodings of the forms' fields. A list chooses its entry by the stored code or by the
// text the stored value prints as (prefix rule); a list without a choice stores what its codec
// says. Numbers, bit fields and 16-bit words take the field's shift and width.
namespace FieldCodecs {

extern const FieldCodec code;        // the entry at the stored code; no choice stores 0
extern const FieldCodec codeOrFirst; // as code, but a code without an entry shows entry 0
extern const FieldCodec flag;        // as code; the bit is set for any entry but the first
extern const FieldCodec level;       // "Off" for 0, else the number; stores the chosen number
extern const FieldCodec number;      // the stored number times `unit`; stores it divided back
extern const FieldCodec entryNumber; // an entry number chosen by its exact text ("12", not "1")
extern const FieldCodec hours;       // tenths of an hour ("0.5", "1", ...), "Off" for 0
extern const FieldCodec codedList;   // entry i stores codes[i]; an unknown code shows the entry of
                                     // code 0; no choice stores 0
extern const FieldCodec dtmfChar;    // one DTMF character ("A"-"D", "*", "#", digits)
extern const FieldCodec hexChar;     // one hexadecimal digit ("A"-"F")
extern const FieldCodec numberField; // an edit field: the number times `unit` (tenths too)
extern const FieldCodec check;       // a check box on one bit
extern const FieldCodec dtmfDigits;  // DTMF digit codes, one a byte, 0xFF after the last
extern const FieldCodec hexDigits;   // hexadecimal digit codes, one a byte, 0xFF after the last
extern const FieldCodec text;        // printable characters, 0xFF after the last

} // namespace FieldCodecs

namespace Fields {

// The field's list: its fixed items, or those built from the image.
QStringList items(const FieldDescription& field, const MemoryImage& image);

// The fallback step of a form: a list without a choice takes its fallback entry; a number field
// is corrected as when it is left. Other values stay.
FieldValue withFallback(const FieldDescription& field, const QStringList& items, FieldValue value);

// Decoded from the record at `base` (0 for fields at absolute addresses), fallback applied.
FieldValue load(const FieldDescription& field, const QStringList& items, const MemoryImage& image,
                std::uint32_t base = 0);
// The fallback applied, then encoded into the record at `base`; the bits and bytes the field
// does not own stay as they were.
void store(const FieldDescription& field, const QStringList& items, const FieldValue& value,
           MemoryImage& image, std::uint32_t base = 0);

// What the field's control shows for the value: the chosen entry, the text, "On" or "Off".
QString shownText(const FieldDescription& field, const QStringList& items, const FieldValue& value);

// The field of a table with this label; null when there is none.
const FieldDescription* find(const std::vector<FieldDescription>& table, const QString& label);

} // namespace Fields
