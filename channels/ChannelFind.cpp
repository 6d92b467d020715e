// Finding channels by name or frequency in the table's texts.
#include "ChannelFind.h"

#include "ChannelTable.h"
#include "DecimalText.h"
#include "Frequency.h"

#include <array>

namespace {

using T = ChannelTable;
constexpr std::array kSearched = {int(T::Rx), int(T::Tx), int(T::Name)};

bool looksLikeFrequency(const QString& text) {
    return DecimalText::isPlainDecimal(text);
}

} // namespace

namespace ChannelFind {

bool matches(const ChannelTable& table, int row, int column, const QString& typed) {
    const QString text = typed.trimmed();
    const QString& cell = table.text(row, column);
    if (text.isEmpty() || cell.isEmpty())
        return false;
    if (column == T::Name)
        return cell.contains(text, Qt::CaseInsensitive);
    if (!looksLikeFrequency(text))
        return false;
    // "145.5" is 145.50000 itself; "145.5" also begins "145.5125".
    return FrequencyText::toValue(text) == FrequencyText::toValue(cell) || cell.startsWith(text);
}

std::optional<Cell> next(const ChannelTable& table, const QString& text, Cell from, bool forward,
                         bool* wrapped) {
    const int width = int(kSearched.size());
    const int total = T::kRows * width;
    // The cell `from` as a place in the order Rx, Tx, Name of row 1, then of row 2, ...
    // (another column: just before the row's Rx going forward, its start going back).
    const int rowStart = (std::max(from.row, 1) - 1) * width;
    int place = forward ? rowStart - 1 : rowStart;
    for (int i = 0; i < width; ++i)
        if (kSearched[std::size_t(i)] == from.column)
            place = rowStart + i;
    if (wrapped)
        *wrapped = false;
    for (int step = 1; step <= total; ++step) {
        const int raw = forward ? place + step : place - step;
        const int at = ((raw % total) + total) % total;
        const int row = at / width + 1;
        const int column = kSearched[std::size_t(at % width)];
        if (matches(table, row, column, text)) {
            if (wrapped)
                *wrapped = raw >= total || raw < 0;
            return Cell{row, column};
        }
    }
    return std::nullopt;
}

} // namespace ChannelFind
