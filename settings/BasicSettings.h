#pragma once

#include "FieldDescription.h"

#include <vector>

// The fields of the basic settings form, at 0xCC18-0xCC3B of the settings block. Bits and bytes
// of the block that no field names are never written.
namespace BasicSettings {

// "Option" page: general radio options.
const std::vector<FieldDescription>& optionFields();
// "TOT" page: the transmit time-out timer, four clamped numbers with "Off" for 0.
const std::vector<FieldDescription>& totFields();
// "Key" page: the functions of the programmable keys P1 to P4.
const std::vector<FieldDescription>& keyFields();

// The key function table, in stored-code order.
const QStringList& keyFunctions();

} // namespace BasicSettings
