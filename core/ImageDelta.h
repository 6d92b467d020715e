#pragma once

#include "MemoryImage.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

// What changed between two states of the data (the image and its PC block): the runs of bytes
// that differ, with their old and new values. Applied forwards it turns the first state into
// the second; applied backwards the second into the first, touching no other byte.
class ImageDelta {
public:
    static ImageDelta between(const MemoryImage& before, const MemoryImage& after);

    bool isEmpty() const { return runs_.empty(); }
    // Bytes held, old and new: what keeping the step costs.
    std::size_t size() const;
    // The number of data bytes that differ (the image's and the PC block's).
    std::size_t changedBytes() const;

    void applyForwards(MemoryImage& data) const;
    void applyBackwards(MemoryImage& data) const;

private:
    // Offsets count the image first, then the PC block.
    struct Run {
        std::uint32_t offset;
        QByteArray before;
        QByteArray after;
    };
    void apply(MemoryImage& data, bool forwards) const;

    std::vector<Run> runs_;
};
