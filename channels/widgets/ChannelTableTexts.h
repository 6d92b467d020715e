#pragma once

#include <QString>

// How the channel table's commands name the channels they acted on in undo steps and status lines.
namespace ChannelTableTexts {

// "5" or "5-7".
inline QString rangeText(int first, int last) {
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

} // namespace ChannelTableTexts
