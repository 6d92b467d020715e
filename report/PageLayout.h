#pragma once

#include <QString>

// The page frame of a printed report, in device units: the document's name as a header, the
// body, and "-- Page %d of %d --" as a footer.
namespace PageLayout {

// The data file's name without its folder, or the suggested name when there is no file.
QString shownFileName(const QString& filePath, const QString& suggestedName);

// The document's name: the data file's name without its folder, or the suggested name when
// there is no file, cut before its first "." (a name without "." gives no name).
QString documentName(const QString& filePath, const QString& suggestedName);

// The height left for body lines on a page.
int bodyHeight(int pageHeight, int textHeight);

QString footer(int page, int pages);

} // namespace PageLayout
