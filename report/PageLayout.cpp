#include "PageLayout.h"

#include <QFileInfo>

namespace PageLayout {

QString documentName(const QString& filePath, const QString& suggestedName) {
    const QString name = filePath.isEmpty() ? suggestedName : QFileInfo(filePath).fileName();
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? QString() : name.left(dot);
}

int bodyHeight(int pageHeight, int textHeight) {
    return pageHeight - 3 * textHeight - 100;
}

std::vector<int> pageStarts(int lineCount, int lineHeight, int bodyHeight) {
    std::vector<int> starts = {0};
    int used = 0;
    for (int line = 0; line < lineCount; ++line) {
        used += lineHeight;
        if (used > bodyHeight && line > starts.back()) {
            starts.push_back(line);
            used = lineHeight;
        }
    }
    return starts;
}

QString footer(int page, int pages) {
    return QStringLiteral("-- Page %1 of %2 --").arg(page).arg(pages);
}

} // namespace PageLayout
