#include "EditHistory.h"

void EditHistory::push(const QString& name, ImageDelta delta) {
    // The steps undone are gone; so is the saved state when it was among them.
    while (int(steps_.size()) > index_) {
        bytes_ -= steps_.back().delta.size();
        steps_.pop_back();
    }
    if (clean_ > index_)
        clean_ = -1;
    bytes_ += delta.size();
    steps_.push_back({name, std::move(delta)});
    ++index_;
    while (bytes_ > kByteBudget && steps_.size() > 1) {
        bytes_ -= steps_.front().delta.size();
        steps_.pop_front();
        --index_;
        clean_ = clean_ > 0 ? clean_ - 1 : -1;
    }
}

bool EditHistory::undo(MemoryImage& data) {
    if (!canUndo())
        return false;
    --index_;
    steps_[std::size_t(index_)].delta.applyBackwards(data);
    return true;
}

bool EditHistory::redo(MemoryImage& data) {
    if (!canRedo())
        return false;
    steps_[std::size_t(index_)].delta.applyForwards(data);
    ++index_;
    return true;
}

void EditHistory::clear() {
    steps_.clear();
    index_ = 0;
    clean_ = 0;
    bytes_ = 0;
}
