#pragma once

#include "ChannelRecord.h"
#include "Frequency.h"

class BandState;
class MemoryImage;

// The rules every channel edit goes through, whichever form or import makes it.
namespace ChannelRules {

constexpr int kChannelsPerBank = 800;

// Puts a typed frequency on a channel raster: 5 or 12.5 kHz in the 850M band (band 8); the
// 8.33 kHz air raster where the kHz digits call for it; otherwise the frequency grid check.
Frequency snapFrequency(Frequency f, int band);

// The offset direction a stored row gets: off when Tx equals Rx, the stored "-" or "+" when Tx
// is Rx minus or plus the offset, otherwise 3 (Tx set explicitly).
int offsetDirection(Frequency rx, Frequency tx, int storedDirection, Frequency offset);

// SQL modes that need tone decoding or option signaling fall back to "Carrier" without them.
void applySqlModeRule(Record r);

// The channel initializer: the template record for channel n with frequency f (0 = none,
// clearing the channel), f's band taken from the 9-band table.
void initializeChannel(MemoryImage& image, int n, Frequency f, const BandState& bands);

// Channels 1 and 801 are never empty: an empty one gets the lower limit of band 4 when that
// band is enabled, otherwise that of band 7.
void ensureFirstChannels(MemoryImage& image, const BandState& bands);

// After the band limits changed: every bank A channel whose Rx lies in no band is cleared.
void clearChannelsOutsideBands(MemoryImage& image, const BandState& bands);

} // namespace ChannelRules
