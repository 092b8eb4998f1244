#include "logic/undohistory.h"

#include <gtest/gtest.h>

namespace designer {
namespace {

EditorSnapshot withRed(vb::Long red) {
    EditorSnapshot s;
    s.setSlider(StyleKey::SliderValueR, red);
    return s;
}

TEST(UndoHistory, AStepTakesBackToTheStateBeforeAndRedoForward) {
    UndoHistory h;
    h.reset(withRed(1));
    EXPECT_FALSE(h.undo());
    EXPECT_FALSE(h.redo());
    EXPECT_TRUE(h.record(withRed(2)));
    EXPECT_TRUE(h.record(withRed(3)));
    EXPECT_EQ(h.undo(), withRed(2));
    EXPECT_EQ(h.undo(), withRed(1));
    EXPECT_FALSE(h.undo());
    EXPECT_EQ(h.settled(), withRed(1));
    EXPECT_EQ(h.redo(), withRed(2));
    EXPECT_EQ(h.redo(), withRed(3));
    EXPECT_FALSE(h.redo());
}

TEST(UndoHistory, AGestureThatChangesNothingMakesNoStep) {
    UndoHistory h;
    h.reset(withRed(1));
    EXPECT_FALSE(h.record(withRed(1)));
    EXPECT_FALSE(h.canUndo());
    // Any part of the state counts, down to a check box or the name field.
    EditorSnapshot checked = withRed(1);
    checked.setCheck(EditorCheck::Automatic, 2);
    EXPECT_TRUE(h.record(checked));
    EditorSnapshot named = checked;
    named.styleName = QStringLiteral("Sunset");
    EXPECT_TRUE(h.record(named));
    EXPECT_EQ(h.undoCount(), 2u);
    // A statement written by "Preview" is kept, but is no step.
    EditorSnapshot previewed = named;
    previewed.statementBox = QStringLiteral("Ombrelo Picture1, 1");
    EXPECT_FALSE(h.record(previewed));
    EXPECT_EQ(h.settled(), previewed);
}

TEST(UndoHistory, ANewStepAfterAnUndoDropsWhatCouldBeRedone) {
    UndoHistory h;
    h.reset(withRed(1));
    h.record(withRed(2));
    h.record(withRed(3));
    h.undo();
    EXPECT_TRUE(h.canRedo());
    // Back where the undo left it: still redoable.
    EXPECT_FALSE(h.record(withRed(2)));
    EXPECT_TRUE(h.canRedo());
    EXPECT_TRUE(h.record(withRed(9)));
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(h.undo(), withRed(2));
    EXPECT_EQ(h.undo(), withRed(1));
}

TEST(UndoHistory, TheOldestStepGoesWhenFull) {
    UndoHistory h;
    h.reset(withRed(0));
    for (int red = 1; red <= 250; ++red)
        h.record(withRed(red));
    EXPECT_EQ(h.undoCount(), UndoHistory::defaultCapacity);
    std::optional<EditorSnapshot> last;
    while (const auto s = h.undo())
        last = s;
    EXPECT_EQ(last, withRed(50));
    EXPECT_EQ(h.redoCount(), UndoHistory::defaultCapacity);
}

TEST(UndoHistory, AStepIsSmall) {
    // The fixed part of a step; the texts share their data with the controls.
    EXPECT_LE(sizeof(EditorSnapshot), 256u);
}

} // namespace
} // namespace designer
