#pragma once

#include "Counted.h"

#include <QString>

// How the channel table's commands count what they did in their undo steps and status lines.
namespace ChannelTableTexts {

inline QString channelCount(int n) {
    return counted(n, "channel", "channels");
}

inline QString rowCount(int n) {
    return counted(n, "row", "rows");
}

// "5" or "5-7".
inline QString rangeText(int first, int last) {
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

} // namespace ChannelTableTexts
