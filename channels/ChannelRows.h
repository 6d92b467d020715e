#pragma once

#include "Result.h"

#include <array>
#include <cstdint>

#include <vector>

class MemoryImage;

// Whole channels of bank A moved, inserted, removed or emptied: their 32-byte records with
// every field, and the priority channel when it names one of them. The table store that
// follows rebuilds the derived regions; channel 1 is never left empty.
namespace ChannelRows {

// `count` empty channels at `at`; the channels from there move down. Refused, with nothing
// changed, when a channel in use would be pushed past 800.
Result insertEmpty(MemoryImage& image, int at, int count);
// The channels at..at+count-1 go; the ones after move up and empty channels fill the end.
void remove(MemoryImage& image, int at, int count);
// The channels first..last move one place up (by = -1) or down (by = +1); the neighbour they
// pass takes the other end. False, with nothing changed, at the first or last channel.
bool move(MemoryImage& image, int first, int last, int by);
// Empties the channels; channel 1 is kept. Returns how many were emptied.
int clear(MemoryImage& image, const std::vector<int>& channels);

// Channel n becomes what channel source[n] was (0: an empty channel; source has 801 entries,
// source[0] unused). The priority channel follows the channel it names, or is cleared when
// that channel is gone. Every move above is one of these.
void rearrange(MemoryImage& image, const std::vector<int>& source);
// The source of a rearrangement that moves nothing.
std::vector<int> unchanged();
bool inUse(const MemoryImage& image, int channel);

// Raw records at `first`, `first` + 1, ...: the ones past 800 are left out. Returns how many
// were written.
int place(MemoryImage& image, int first, const std::vector<std::array<std::uint8_t, 32>>& records);

} // namespace ChannelRows
