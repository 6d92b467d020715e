#pragma once

#include <QString>

// How the channel table's commands count what they did in their undo steps and status lines.
namespace ChannelTableTexts {

inline QString channelCount(int n) {
    return n == 1 ? QStringLiteral("1 channel") : QStringLiteral("%1 channels").arg(n);
}

inline QString rowCount(int n) {
    return n == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(n);
}

// "5" or "5-7".
inline QString rangeText(int first, int last) {
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

} // namespace ChannelTableTexts
