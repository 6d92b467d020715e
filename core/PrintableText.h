#pragma once

#include <QString>
#include <cstdint>
#include <span>

// Names and aliases as the radio stores them: printable ASCII characters, 0xFF after the last.
namespace PrintableText {

// The characters up to the first byte that is not printable (or the end of the field).
QString read(std::span<const std::uint8_t> field);
// Fills the field with 0xFF, then writes the text's first field.size() characters. A field that
// already reads as that text is left as it is: a name shown and not edited keeps the bytes after
// it that no form shows.
void write(std::span<std::uint8_t> field, const QString& text);

} // namespace PrintableText
