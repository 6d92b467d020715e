#include "Document.h"

#include "DataFile.h"

#include <QFileInfo>

QString Document::displayName() const {
    return path_.isEmpty() ? suggestedName_ : QFileInfo(path_).fileName();
}

DefaultSource Document::loadDefault(const QString& defaultFile) {
    const DefaultSource source = loadDefaultData(image_, defaultFile, bands_.nine);
    path_.clear();
    markClean();
    return source;
}

Result Document::open(const QString& path) {
    Result result = openDataFile(path, image_);
    if (result.ok) {
        bands_.loadLimitsFromImage(image_);
        belongTo(path);
    }
    return result;
}

Result Document::saveAs(const QString& path) {
    Result result = saveDataFile(path, image_);
    if (result.ok)
        belongTo(path);
    return result;
}

void Document::belongTo(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    markClean();
}
