#pragma once

#include <QString>
#include <vector>

class ChannelTable;
class MemoryImage;

// One value entered in one column of many channels, each through that column's rule as if it
// were typed into the row's cell. Empty channels stay empty; a row whose rule would not take the
// value as typed (a frequency outside its band), or whose store would change it back, keeps
// what it had.
namespace ChannelBulkEdit {

struct Outcome {
    int set = 0;              // channels that took the value
    std::vector<int> refused; // channels that kept theirs
    QString firstReason;      // why the first of them did
    std::vector<int> changed; // rows whose texts changed, after the table store
};

// `table` works on `image`.
Outcome setForRows(ChannelTable& table, MemoryImage& image, const std::vector<int>& rows,
                   int column, const QString& text);

} // namespace ChannelBulkEdit
