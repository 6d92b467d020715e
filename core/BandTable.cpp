#include "BandTable.h"

int bandOf(const NineBands& bands, Frequency f) {
    for (int b = 0; b < kBandCount; ++b)
        if (bands[b].contains(f))
            return b;
    return -1;
}
