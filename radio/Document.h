#pragma once

#include "BandState.h"
#include "DefaultData.h"
#include "EditHistory.h"
#include "MemoryImage.h"
#include "Result.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// The radio's data as the program holds it: the memory image with its PC block, the band state
// the forms check frequencies against, the file the data belongs to (none while untitled) and
// the history of the steps that changed it, which tells whether it has been modified since it
// was last opened, saved or made new.
class Document {
public:
    MemoryImage& image() { return image_; }
    const MemoryImage& image() const { return image_; }
    BandState& bands() { return bands_; }
    const BandState& bands() const { return bands_; }

    // The absolute path of the data file; empty while the document is untitled.
    const QString& path() const { return path_; }
    // The file name a save offers while the document is untitled.
    void setSuggestedName(const QString& name) { suggestedName_ = name; }
    const QString& suggestedName() const { return suggestedName_; }
    // The file's name, or the suggested one while untitled.
    QString displayName() const;
    // Where untitled data came from when it was not the radio ("backup of RX9-123, ..."), for
    // the title (see becomeUntitled); opening, New, a read and a save end it.
    const QString& origin() const { return origin_; }

    // Changed since it was last opened, saved or made new, or read and not saved yet.
    bool isModified() const { return !history_.isClean() || !(image_ == recorded_); }
    // The data as it is now counts as saved (a change not recorded yet becomes a step first).
    void markClean();

    // Whatever changed the image since the last step becomes one step named `step`, for undo,
    // with the derived regions brought in line first; false when nothing changed.
    bool record(const QString& step);
    // The regions computed from the rest of the data (tone-decoder coefficients, channel
    // bitmaps, ...) rebuilt, as before every save and write.
    void refreshDerivedRegions();
    // Everything changed between these becomes one step named `step` (a Read with what the
    // forms make of it, a dialog); record() waits until then.
    void beginStep(const QString& step);
    void endStep();
    // How many steps have been recorded in all, to tell whether a store recorded one.
    quint64 stepsRecorded() const { return stepsRecorded_; }
    // A fresh history on the data as it is now, unmodified (New and Open).
    void startHistory();
    // Undoes or redoes the step before or after; the band limits follow the image. False when
    // there is none.
    bool undo();
    bool redo();
    const EditHistory& history() const { return history_; }
    // Called after every change of the history (a step, an undo or redo, a save, a fresh start).
    void setHistoryListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // Load default data (start and New): an untitled, unmodified document on the band limits
    // of the data.
    DefaultSource loadDefault(const QString& defaultFile);

    // Asked when a file does not look like this radio's data, with the reason; true goes on.
    using Confirm = std::function<bool(const QString& doubt)>;
    // Opens a data file and loads its band limits. On failure, or when `confirm` declines a
    // doubtful file (not ok, no message), nothing changes.
    Result open(const QString& path, const Confirm& confirm = {});
    // The data came from the radio (or `origin`, such as a backup): it belongs to no file and
    // is unsaved until saved under a name; the file it replaced stays as it is.
    void becomeUntitled(const QString& origin = {});
    // Saves atomically; on success the document belongs to that file and is unmodified.
    Result saveAs(const QString& path);

    // The radio holds the data as it is now (it was just read or written): a later Write can
    // tell what it would change.
    void rememberRadioData();
    // The data last read from or written to the radio, or null when there is none.
    const MemoryImage* radioImage() const { return radioImage_ ? &*radioImage_ : nullptr; }
    const BandState& radioBands() const { return radioBands_; }

private:
    void historyChanged();
    bool travel(bool (EditHistory::*move)(MemoryImage&));

    MemoryImage image_;
    BandState bands_;
    QString path_;
    QString suggestedName_;
    QString origin_;
    EditHistory history_;
    MemoryImage recorded_; // the data as the last step left it
    std::function<void()> listener_;
    QString groupStep_;
    int groupDepth_ = 0;
    quint64 stepsRecorded_ = 0;
    std::optional<MemoryImage> radioImage_;
    BandState radioBands_;
};
