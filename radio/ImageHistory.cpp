#include "ImageHistory.h"

namespace quorl {

void ImageHistory::reset(const RadioImage& image) {
    states_.clear();
    states_.push_back(image);
    current_ = 0;
}

void ImageHistory::push(const RadioImage& image) {
    states_.resize(current_ + 1);
    states_.push_back(image);
    if (states_.size() > steps_ + 1)
        states_.pop_front();
    current_ = states_.size() - 1;
}

const RadioImage& ImageHistory::undo() {
    return states_[--current_];
}

const RadioImage& ImageHistory::redo() {
    return states_[++current_];
}

} // namespace quorl
