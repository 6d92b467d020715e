#pragma once

#include "BandTable.h"

#include <QString>

class MemoryImage;

// Where the data of "Load default data" came from.
enum class DefaultSource { File, Factory };

// Load default data (program start and New): "Default.dat" into the PC block and image, or the
// built-in factory default when that file is missing, unreadable or not a data file (so New
// always clears the data); then the band VFO and band settings defaults and the standard
// 5-Tone tone tables. The band defaults come from the built-in 9-band table, whatever was
// loaded before: start-up and New give the same data from the same file.
DefaultSource loadDefaultData(MemoryImage& image, const QString& defaultFilePath);

// The twelve band VFO records at 0xDA00 (30, 450, 50, 450, 150, 450, 350, 450, 450, 450, 850,
// 450 MHz) and the six band settings records at 0xDB80 copied from the settings record with the
// band indexes of their pair's frequencies.
void applyBandDefaults(MemoryImage& image, const NineBands& bands);

// Band settings record b: a copy of 0xCC00..0xCC3F with bytes 2 and 6 set to the bands of the
// first and second frequency of band VFO pair b (0xFF for no band).
void writeBandSettingsRecord(MemoryImage& image, int b, const NineBands& bands);
