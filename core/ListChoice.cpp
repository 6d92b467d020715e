#include "ListChoice.h"

namespace ListChoice {

int indexOfText(const QStringList& items, const QString& text, Match match) {
    for (int i = 0; i < items.size(); ++i) {
        const bool hit = match == Match::Prefix ? items[i].startsWith(text, Qt::CaseInsensitive)
                                                : items[i] == text;
        if (hit)
            return i;
    }
    return -1;
}

int indexOfCode(const QStringList& items, int code) {
    return code >= 0 && code < items.size() ? code : -1;
}

QString textAt(const QStringList& items, int index) {
    return index >= 0 && index < items.size() ? items[index] : QString();
}

} // namespace ListChoice
