#pragma once

#include "BandTable.h"
#include "Frequency.h"

#include <cstdint>
#include <span>

// The complete 32-byte records the program writes without user values. Channels, VFO records,
// scan edges and band VFO pairs all share the channel record layout.
using Record = std::span<std::uint8_t, 32>;

// A record holding frequency f (0 = none): receive = transmit = f, tone 100.0 Hz, DCS 023,
// power High, Wide, Emphasis on, step 12.5 kHz, AM on in the air band, and a shift of 7.6 MHz
// in the 450M and 850M bands, 0.6 MHz elsewhere. This is the default VFO record and the
// channel initializer; `bands` decides which band f lies in.
void writeInitialRecord(Record record, Frequency f, const NineBands& bands);

// An empty channel as the channel table stores an empty row: no frequency, the same defaults,
// and a shift of 7.6 MHz.
void writeEmptyRowRecord(Record record);

// A channel is empty when the most significant byte of its receive frequency is 0xFF or 0x00.
bool isEmptyRecord(std::span<const std::uint8_t, 32> record);
