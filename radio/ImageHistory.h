#pragma once

// Undo and redo over whole images: each state of the document is kept as the 8 KB image it
// stores, so going back restores every byte exactly. The oldest states give way beyond the
// limit (1,000 steps hold about 8 MB).

#include "RadioImage.h"

#include <cstddef>
#include <deque>

namespace quorl {

class ImageHistory {
public:
    static constexpr std::size_t kDefaultSteps = 1000;

    explicit ImageHistory(std::size_t steps = kDefaultSteps) : steps_(steps) {}

    // A fresh history whose only state is this one (New, Open).
    void reset(const RadioImage& image);
    // A new state after the current one; the states that could be redone are dropped.
    void push(const RadioImage& image);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < states_.size(); }
    // Step back or forward; the state to show then. Call only when possible.
    const RadioImage& undo();
    const RadioImage& redo();

    std::size_t size() const { return states_.size(); }

private:
    std::size_t steps_;
    std::deque<RadioImage> states_;
    std::size_t current_ = 0;
};

} // namespace quorl
