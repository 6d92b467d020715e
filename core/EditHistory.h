#pragma once

#include "ImageDelta.h"

#include <QString>
#include <deque>

// The steps that changed the data, each with the name a user knows it by ("Edit channel 12",
// "Import channels"), for undo and redo. `index` steps are applied; undoing moves it back,
// redoing forwards, and a new step drops the steps that were undone. The clean index is where
// the data was as saved; it may be unreachable (data from the radio, not saved yet).
class EditHistory {
public:
    // The oldest steps are dropped when the steps together hold more than this.
    static constexpr std::size_t kByteBudget = 64u * 1024 * 1024;

    void push(const QString& name, ImageDelta delta);
    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < int(steps_.size()); }
    QString undoName() const {
        return canUndo() ? steps_[std::size_t(index_ - 1)].name : QString();
    }
    QString redoName() const { return canRedo() ? steps_[std::size_t(index_)].name : QString(); }
    // Undoes or redoes one step on `data`; false when there is none.
    bool undo(MemoryImage& data);
    bool redo(MemoryImage& data);

    int count() const { return int(steps_.size()); }
    int index() const { return index_; }
    // No steps; the data as it is counts as saved.
    void clear();
    void setClean() { clean_ = index_; }
    // No state of the history is saved anywhere.
    void setCleanUnreachable() { clean_ = -1; }
    bool isClean() const { return clean_ == index_; }

private:
    struct Step {
        QString name;
        ImageDelta delta;
    };
    std::deque<Step> steps_;
    int index_ = 0;
    int clean_ = 0;
    std::size_t bytes_ = 0;
};
