#include "logic/undohistory.h"

#include <algorithm>

namespace designer {

bool EditorSnapshot::sameEditor(const EditorSnapshot& other) const {
    EditorSnapshot mine = *this;
    mine.statementBox = other.statementBox;
    return mine == other;
}

UndoHistory::UndoHistory(std::size_t capacity)
    : capacity_(std::max<std::size_t>(capacity, 1)) {}

void UndoHistory::reset(EditorSnapshot state) {
    settled_ = std::move(state);
    behind_.clear();
    ahead_.clear();
}

bool UndoHistory::record(const EditorSnapshot& now) {
    if (now.sameEditor(settled_)) {
        settled_.statementBox = now.statementBox;
        return false;
    }
    if (behind_.size() == capacity_)
        behind_.pop_front();
    behind_.push_back(std::move(settled_));
    ahead_.clear();
    settled_ = now;
    ++recorded_;
    return true;
}

std::optional<EditorSnapshot> UndoHistory::undo() {
    if (behind_.empty())
        return std::nullopt;
    ahead_.push_back(std::move(settled_));
    settled_ = std::move(behind_.back());
    behind_.pop_back();
    return settled_;
}

std::optional<EditorSnapshot> UndoHistory::redo() {
    if (ahead_.empty())
        return std::nullopt;
    behind_.push_back(std::move(settled_));
    settled_ = std::move(ahead_.back());
    ahead_.pop_back();
    return settled_;
}

} // namespace designer
