// A value for many channels at once, through the one rule path of a typed cell.
#include "ChannelBulkEdit.h"
#include "Texts.h"

#include "ChannelTable.h"
#include "ImageMap.h"
#include "MemoryImage.h"

#include <algorithm>

namespace ChannelBulkEdit {

Outcome setForRows(ChannelTable& table, MemoryImage& image, const std::vector<int>& rows,
                   int column, const QString& text) {
    Outcome outcome;
    const MemoryImage original = image;
    const auto before = table.snapshot();
    auto refuse = [&](int r, const QString& reason) {
        if (outcome.firstReason.isEmpty())
            outcome.firstReason = reason;
        outcome.refused.push_back(r);
    };
    std::vector<std::pair<int, QString>> taken; // row and the text its rule gave
    for (int r : rows) {
        if (r < 1 || r > ChannelTable::kRows || table.rowEmpty(r))
            continue;
        if (table.commit(r, column, text) && table.correction().isEmpty()) {
            taken.emplace_back(r, table.text(r, column));
            continue;
        }
        refuse(r, table.correction());
        table.fillRow(r); // what the row held: the image has not changed yet
    }
    table.store();
    table.fill();
    // The store's own rules (an offset of at most 50 MHz, ...) may still undo a value: such a
    // channel keeps what it had, whole.
    bool restored = false;
    for (const auto& [r, wanted] : taken) {
        if (table.text(r, column) == wanted) {
            ++outcome.set;
            continue;
        }
        refuse(r, Texts::tr("%1 would not stay with the rest of channel %2").arg(wanted).arg(r));
        const auto from = original.at<32>(ImageMap::channelAddress(r));
        std::ranges::copy(from, image.at<32>(ImageMap::channelAddress(r)).begin());
        restored = true;
    }
    if (restored) {
        table.fill();
        table.store();
        table.fill();
    }
    std::ranges::sort(outcome.refused);
    outcome.changed = table.rowsChangedSince(before);
    return outcome;
}

} // namespace ChannelBulkEdit
