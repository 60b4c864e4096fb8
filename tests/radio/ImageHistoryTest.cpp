#include "ImageHistory.h"

#include <gtest/gtest.h>

using namespace quorl;

namespace {

RadioImage imageOf(std::uint8_t value) {
    RadioImage image;
    image.fill(value);
    return image;
}

} // namespace

TEST(ImageHistory, UndoAndRedoWalkTheStatesAndANewStateDropsTheRedo) {
    ImageHistory history;
    history.reset(imageOf(0));
    EXPECT_FALSE(history.canUndo());
    history.push(imageOf(1));
    history.push(imageOf(2));
    EXPECT_EQ(history.undo(), imageOf(1));
    EXPECT_EQ(history.undo(), imageOf(0));
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.redo(), imageOf(1));
    history.push(imageOf(3));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo(), imageOf(1));
}

TEST(ImageHistory, KeepsTheLastStepsOnly) {
    ImageHistory history(3);
    history.reset(imageOf(0));
    for (std::uint8_t v = 1; v <= 5; ++v)
        history.push(imageOf(v));
    EXPECT_EQ(history.size(), 4u);
    EXPECT_EQ(history.undo(), imageOf(4));
    EXPECT_EQ(history.undo(), imageOf(3));
    EXPECT_EQ(history.undo(), imageOf(2));
    EXPECT_FALSE(history.canUndo());
}
