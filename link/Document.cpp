#include "Document.h"

#include "DataFile.h"
#include "Plausibility.h"

#include <QFileInfo>

QString Document::displayName() const {
    return path_.isEmpty() ? suggestedName_ : QFileInfo(path_).fileName();
}

void Document::markClean() {
    clean_ = image_;
    unsaved_ = false;
}

DefaultSource Document::loadDefault(const QString& defaultFile) {
    const DefaultSource source = loadDefaultData(image_, defaultFile, bands_.nine);
    bands_.loadLimitsFromImage(image_);
    path_.clear();
    markClean();
    return source;
}

Result Document::open(const QString& path, const Confirm& confirm) {
    MemoryImage staged = image_; // a bare memory image keeps the PC block
    Result result = openDataFile(path, staged);
    if (!result.ok)
        return result;
    if (const QString doubt = implausibility(staged);
        !doubt.isEmpty() && confirm && !confirm(doubt))
        return {false, {}, doubt};
    image_ = staged;
    bands_.loadLimitsFromImage(image_);
    belongTo(path);
    return result;
}

void Document::becomeUntitled() {
    path_.clear();
    unsaved_ = true;
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

void Document::rememberRadioData() {
    radioImage_ = image_;
    radioBands_ = bands_;
}
