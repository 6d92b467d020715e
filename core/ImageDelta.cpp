#include "ImageDelta.h"

#include <algorithm>
#include <cstring>

namespace {

// Two changes closer than this make one run: fewer, longer runs cost less than many short ones.
constexpr std::size_t kJoinGap = 16;
// Unchanged data is skipped this many bytes at a time.
constexpr std::size_t kChunk = 64;

struct Area {
    std::span<const std::uint8_t> before;
    std::span<const std::uint8_t> after;
    std::uint32_t base;
};

std::span<std::uint8_t> areaAt(MemoryImage& data, std::uint32_t offset, std::size_t length) {
    if (offset < MemoryImage::kImageSize)
        return data.image().subspan(offset, length);
    return data.pc().subspan(offset - MemoryImage::kImageSize, length);
}

} // namespace

ImageDelta ImageDelta::between(const MemoryImage& before, const MemoryImage& after) {
    ImageDelta delta;
    const Area areas[] = {{before.image(), after.image(), 0},
                          {before.pc(), after.pc(), MemoryImage::kImageSize}};
    for (const Area& area : areas) {
        const std::size_t size = area.before.size();
        std::size_t i = 0;
        while (i < size) {
            // Whole chunks that are equal are passed over with one comparison each.
            const std::size_t chunk = std::min(kChunk, size - i);
            if (std::memcmp(area.before.data() + i, area.after.data() + i, chunk) == 0) {
                i += chunk;
                continue;
            }
            while (area.before[i] == area.after[i])
                ++i;
            // A run goes on until kJoinGap equal bytes in a row, or the end.
            std::size_t end = i + 1;
            for (std::size_t equal = 0; end < size && equal < kJoinGap; ++end)
                equal = area.before[end] == area.after[end] ? equal + 1 : 0;
            while (area.before[end - 1] == area.after[end - 1])
                --end;
            const auto bytes = [&](std::span<const std::uint8_t> s) {
                return QByteArray(reinterpret_cast<const char*>(s.data() + i), qsizetype(end - i));
            };
            delta.runs_.push_back(
                {area.base + std::uint32_t(i), bytes(area.before), bytes(area.after)});
            i = end;
        }
    }
    return delta;
}

std::size_t ImageDelta::size() const {
    std::size_t bytes = 0;
    for (const Run& run : runs_)
        bytes += sizeof(Run) + std::size_t(run.before.size() + run.after.size());
    return bytes;
}

std::size_t ImageDelta::changedBytes() const {
    std::size_t count = 0;
    for (const Run& run : runs_)
        for (qsizetype i = 0; i < run.before.size(); ++i)
            count += run.before[i] != run.after[i];
    return count;
}

void ImageDelta::apply(MemoryImage& data, bool forwards) const {
    for (const Run& run : runs_) {
        const QByteArray& bytes = forwards ? run.after : run.before;
        const auto target = areaAt(data, run.offset, std::size_t(bytes.size()));
        std::memcpy(target.data(), bytes.constData(), target.size());
    }
}

void ImageDelta::applyForwards(MemoryImage& data) const {
    apply(data, true);
}

void ImageDelta::applyBackwards(MemoryImage& data) const {
    apply(data, false);
}
