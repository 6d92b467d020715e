#pragma once

#include <QString>
#include <vector>

// The page frame of a printed report, in device units: the document's name as a header, the
// body lines, and "-- Page %d of %d --" as a footer.
namespace PageLayout {

// The document's name: the data file's name without its folder, or the suggested name when
// there is no file, cut before its first "." (a name without "." gives no name).
QString documentName(const QString& filePath, const QString& suggestedName);

// The height left for body lines on a page.
int bodyHeight(int pageHeight, int textHeight);

// The first line of each page: lines of `lineHeight` fill a page until the next one would pass
// `bodyHeight`. There is always one page.
std::vector<int> pageStarts(int lineCount, int lineHeight, int bodyHeight);

QString footer(int page, int pages);

} // namespace PageLayout
