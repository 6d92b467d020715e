#include "PageLayout.h"
#include "Texts.h"

#include <QFileInfo>

namespace PageLayout {

QString shownFileName(const QString& filePath, const QString& suggestedName) {
    return filePath.isEmpty() ? suggestedName : QFileInfo(filePath).fileName();
}

QString documentName(const QString& filePath, const QString& suggestedName) {
    const QString name = shownFileName(filePath, suggestedName);
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? QString() : name.left(dot);
}

int bodyHeight(int pageHeight, int textHeight) {
    return pageHeight - 3 * textHeight - 100;
}

QString footer(int page, int pages) {
    return Texts::tr("-- Page %1 of %2 --").arg(page).arg(pages);
}

} // namespace PageLayout
