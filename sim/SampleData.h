#pragma once

#include "BandState.h"
#include "MemoryImage.h"

// Sample data for the virtual radio, the tests and the benchmarks: the factory default with all
// 800 channels in use, each with its own frequency and name; `bands` becomes its band state.
MemoryImage fullChannelImage(BandState& bands);
