#pragma once

#include "BandTable.h"

class MemoryImage;

// Regions of the image that are computed from others: rebuilt after every store of the channel
// table and with every change the program records; nothing edits them directly.

// The tone-decoder coefficients at 0x0060 (selected 5-Tone standard) and 0x0080 (2-Tone
// systems A-D tones).
void recomputeToneDecoderCoefficients(MemoryImage& image);

// The value at 0xCC2A that the radio derives its scrambler from: s * 2 / 0.7324 rounded half
// up, s being the scrambler frequency at 0xCC28 or 3300 Hz when that lies outside 2600..4000.
void recomputeScramblerCoefficient(MemoryImage& image);

// The six channel bitmaps (in band; scanned; priority) of banks A and B; bands decide "in band".
void rebuildChannelBitmaps(MemoryImage& image, const NineBands& bands);

// The copy of VFO records 0-8 at 0xD8E0.
void copyVfoRecords(MemoryImage& image);

// Every region above, from the data as it is now: what the radio is sent and a file keeps
// always matches the tones, channels and VFO records it holds.
void refreshDerivedRegions(MemoryImage& image, const NineBands& bands);
