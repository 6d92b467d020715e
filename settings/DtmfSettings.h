#pragma once

#include "FieldDescription.h"

#include <QChar>
#include <vector>

class MemoryImage;

// The DTMF settings at 0xD6B0-0xD75F: the Code page's timings, characters, identity, response
// and stun code, and the PTTID page's four PTT identity codes. Bits and bytes no field names
// (bits 7-2 of 0xD6B7, 0xD6C0-0xD6C7, 0xD6D9, 0xD6DC-0xD6DF) are never written.
namespace DtmfSettings {

// The characters "Group code" and "Delimiter" choose from: "A" "B" "C" "D" "*" "#".
const QStringList& separators();

// "Code" page, in load and store order.
const std::vector<FieldDescription>& codeFields();
// "PTTID" page: "PTT ID 1 Type", "PTT ID 1 Up", "PTT ID 1 Down", ... "PTT ID 4 Down".
const std::vector<FieldDescription>& pttIdFields();

// Written with every store of the Code page: the byte after the stun code is always 0xFF.
void storeFixedBytes(MemoryImage& image);

// Group code and Delimiter must differ. After the user chose `changed` in one list, the text the
// other list must show instead of `other`: "*" (or "A" when the clash is on "*") for the
// Delimiter, "D" (or "A" when the clash is on "D") for the Group code; `other` when they differ.
enum class Separator { Group, Delimiter };
QString afterChoice(Separator changedList, const QString& changed, const QString& other);

// The Self ID without the group code and delimiter characters, which would split it.
QString withoutSeparators(const QString& selfId, QChar group, QChar delimiter);

} // namespace DtmfSettings
