#pragma once

#include "BandTable.h"

class MemoryImage;

// Regions of the image that are computed from others and rebuilt after every store of the
// channel table; nothing edits them directly.

// The tone-decoder coefficients at 0x0060 (selected 5-Tone standard) and 0x0080 (2-Tone
// systems A-D tones).
void recomputeToneDecoderCoefficients(MemoryImage& image);

// The value at 0xCC2A that the radio derives its scrambler from: s * 2 / 0.7324 rounded half
// up, s being the scrambler frequency at 0xCC28 or 3300 Hz when that lies outside 2600..4000.
void recomputeScramblerCoefficient(MemoryImage& image);

// The six channel bitmaps (in band; scanned; priority) of banks A and B; bands decide "in band".
void rebuildChannelBitmaps(MemoryImage& image, const NineBands& bands);
