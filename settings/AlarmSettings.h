#pragma once

#include "FieldDescription.h"

#include <vector>

// The emergency alarm at 0xCC70-0xCC77. 0xCC74, 0xCC75 and bits 6-2 of 0xCC77 are never
// written.
namespace AlarmSettings {

const std::vector<FieldDescription>& fields();

// "None", then the number of every DTMF code table entry in use whose number does not begin
// with 0 (its first digit code is neither 0x00 nor 0xFF), as the image holds them now.
QStringList emiCodes(const MemoryImage& image);
// Why entries in use are missing from emiCodes(), for the user; empty when none is.
QString emiCodesLeftOut(const MemoryImage& image);

} // namespace AlarmSettings
