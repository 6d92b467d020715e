#include "ChannelRows.h"
#include "Texts.h"

#include "ChannelRules.h"
#include "ImageMap.h"
#include "MemoryImage.h"
#include "RecordTemplates.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kChannels = ChannelRules::kChannelsPerBank;
using RecordBytes = std::array<std::uint8_t, 32>;

RecordBytes recordOf(const MemoryImage& image, int channel) {
    RecordBytes bytes;
    std::ranges::copy(image.at<32>(ImageMap::channelAddress(channel)), bytes.begin());
    return bytes;
}

} // namespace

namespace ChannelRows {

bool inUse(const MemoryImage& image, int channel) {
    return !isEmptyRecord(image.at<32>(ImageMap::channelAddress(channel)));
}

std::vector<int> unchanged() {
    std::vector<int> source(kChannels + 1);
    for (int n = 0; n <= kChannels; ++n)
        source[std::size_t(n)] = n;
    return source;
}

void rearrange(MemoryImage& image, const std::vector<int>& source) {
    std::vector<RecordBytes> old(kChannels + 1);
    for (int n = 1; n <= kChannels; ++n)
        old[std::size_t(n)] = recordOf(image, n);
    RecordBytes empty{};
    writeEmptyRowRecord(empty);
    const int priority = image.word(ImageMap::kLeftPriorityChannel);
    int newPriority = 0;
    for (int n = 1; n <= kChannels; ++n) {
        const int from = source[std::size_t(n)];
        std::ranges::copy(from ? old[std::size_t(from)] : empty,
                          image.at<32>(ImageMap::channelAddress(n)).begin());
        if (from != 0 && from == priority)
            newPriority = n;
    }
    if (priority >= 1 && priority <= kChannels)
        image.setWord(ImageMap::kLeftPriorityChannel, std::uint16_t(newPriority));
}

Result insertEmpty(MemoryImage& image, int at, int count) {
    if (at < 1 || at > kChannels || count < 1)
        return Result::failure(Texts::tr("No channel to insert at."));
    count = std::min(count, kChannels - at + 1);
    for (int n = kChannels - count + 1; n <= kChannels; ++n)
        if (inUse(image, n))
            return Result::failure(Texts::tr("Channel %1 is in use: inserting would push it past "
                                             "channel %2. Delete a row below first.")
                                       .arg(n)
                                       .arg(kChannels));
    std::vector<int> source = unchanged();
    for (int n = at; n <= kChannels; ++n)
        source[std::size_t(n)] = n < at + count ? 0 : n - count;
    rearrange(image, source);
    return {};
}

void remove(MemoryImage& image, int at, int count) {
    if (at < 1 || at > kChannels || count < 1)
        return;
    std::vector<int> source = unchanged();
    for (int n = at; n <= kChannels; ++n)
        source[std::size_t(n)] = n + count <= kChannels ? n + count : 0;
    rearrange(image, source);
}

bool move(MemoryImage& image, int first, int last, int by) {
    if (first < 1 || last > kChannels || first > last || (by != -1 && by != 1))
        return false;
    if ((by < 0 && first == 1) || (by > 0 && last == kChannels))
        return false;
    std::vector<int> source = unchanged();
    for (int n = first; n <= last; ++n)
        source[std::size_t(n + by)] = n;
    // The neighbour passed over lands at the far end of the block.
    const int neighbour = by < 0 ? first - 1 : last + 1;
    source[std::size_t(by < 0 ? last : first)] = neighbour;
    rearrange(image, source);
    return true;
}

int clear(MemoryImage& image, const std::vector<int>& channels) {
    std::vector<int> source = unchanged();
    int emptied = 0;
    for (int n : channels) {
        if (n < 2 || n > kChannels || !inUse(image, n))
            continue;
        source[std::size_t(n)] = 0;
        ++emptied;
    }
    if (emptied > 0)
        rearrange(image, source);
    return emptied;
}

int place(MemoryImage& image, int first, const std::vector<std::array<std::uint8_t, 32>>& records) {
    int placed = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int n = first + int(i);
        if (n < 1 || n > kChannels)
            break;
        std::ranges::copy(records[i], image.at<32>(ImageMap::channelAddress(n)).begin());
        ++placed;
    }
    return placed;
}

} // namespace ChannelRows
