#pragma once

class BandState;
class MemoryImage;

// What every store of the channel table ends with: the derived regions of the image are
// rebuilt and the records other forms own are brought back within their limits, in a fixed
// order.
void normalizeAfterTableStore(MemoryImage& image, const BandState& bands);

// The steps on their own, for the parts of the program that own them.
namespace Normalization {
void cleanFiveToneCodes(MemoryImage& image);
void checkEmiCode(MemoryImage& image);
void checkVfoRecords(MemoryImage& image, const BandState& bands);
void checkChannelReferences(MemoryImage& image);
void setBandVfoPairFrequencies(MemoryImage& image, const BandState& bands);
void checkBandSettingsRecords(MemoryImage& image, const BandState& bands);
} // namespace Normalization
