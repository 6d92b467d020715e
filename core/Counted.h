#pragma once

#include <QString>

// "1 channel", "40 channels": a count with its noun, as status lines and summaries say it.
inline QString counted(qsizetype n, const char* one, const char* many) {
    return n == 1 ? QStringLiteral("1 %1").arg(QLatin1String(one))
                  : QStringLiteral("%1 %2").arg(n).arg(QLatin1String(many));
}
