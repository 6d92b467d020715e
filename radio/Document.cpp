#include "Document.h"
#include "Texts.h"

#include "DataFile.h"
#include "DerivedValues.h"
#include "Plausibility.h"

#include <QFileInfo>

QString Document::displayName() const {
    return path_.isEmpty() ? suggestedName_ : QFileInfo(path_).fileName();
}

void Document::markClean() {
    record(Texts::tr("Edit"));
    history_.setClean();
    historyChanged();
}

bool Document::record(const QString& step) {
    if (groupDepth_ > 0 || image_ == recorded_)
        return false;
    refreshDerivedRegions();
    if (image_ == recorded_)
        return false;
    history_.push(step, ImageDelta::between(recorded_, image_));
    recorded_ = image_;
    ++stepsRecorded_;
    historyChanged();
    return true;
}

void Document::refreshDerivedRegions() {
    ::refreshDerivedRegions(image_, bands_.nine);
}

void Document::beginStep(const QString& step) {
    if (groupDepth_++ == 0)
        groupStep_ = step;
}

void Document::endStep() {
    if (groupDepth_ > 0 && --groupDepth_ == 0)
        record(groupStep_);
}

void Document::startHistory() {
    history_.clear();
    recorded_ = image_;
    historyChanged();
}

bool Document::undo() {
    return travel(&EditHistory::undo);
}

bool Document::redo() {
    return travel(&EditHistory::redo);
}

bool Document::travel(bool (EditHistory::*move)(MemoryImage&)) {
    // A change not recorded yet is the newest step (and ends what could be redone).
    record(Texts::tr("Edit"));
    if (!(history_.*move)(image_))
        return false;
    recorded_ = image_;
    bands_.loadLimitsFromImage(image_);
    bands_.deriveEnabledFlags(image_);
    historyChanged();
    return true;
}

void Document::historyChanged() {
    if (listener_)
        listener_();
}

DefaultSource Document::loadDefault(const QString& defaultFile) {
    const DefaultSource source = loadDefaultData(image_, defaultFile);
    bands_.loadLimitsFromImage(image_);
    path_.clear();
    origin_.clear();
    startHistory();
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
    path_ = QFileInfo(path).absoluteFilePath();
    origin_.clear();
    startHistory();
    return result;
}

void Document::becomeUntitled(const QString& origin) {
    path_.clear();
    origin_ = origin;
    history_.setCleanUnreachable();
    historyChanged();
}

Result Document::saveAs(const QString& path) {
    Result result = saveDataFile(path, image_);
    if (result.ok) {
        path_ = QFileInfo(path).absoluteFilePath();
        origin_.clear();
        markClean();
    }
    return result;
}

void Document::rememberRadioData() {
    radioImage_ = image_;
    radioBands_ = bands_;
}
