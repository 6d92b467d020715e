#pragma once

#include "BandTable.h"

class MemoryImage;

// The program's own factory default: every channel empty but channels 1 and 801, every
// setting at a value its form offers, a VHF/UHF band-limit table that the band-limit editor
// accepts as it stands, and the derived regions consistent with all of that, so that storing
// the channel table changes nothing.
MemoryImage buildFactoryDefault();

// The working band limits of the factory band-limit table (150M and 450M), as the program
// has them after opening the factory default.
NineBands factoryWorkingBands();

// Model name written into the identity block of the factory default.
inline constexpr const char* kFactoryModelName = "DUOBAND";
