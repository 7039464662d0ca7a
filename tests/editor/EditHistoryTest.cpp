// The editor's undo history on its own: steps, typing runs and the bound.
#include "editor/EditHistory.h"

#include <gtest/gtest.h>

namespace {
using Step = EditHistory::Step;

Step typed(int position, const QString& text) { return { position, QString(), text, position, position, true }; }

// The steps undo hands back, newest first, without putting them anywhere.
std::vector<Step> undoAll(EditHistory& history)
{
    std::vector<Step> steps;
    while (history.undo([&](const Step& step) { steps.push_back(step); })) { }
    return steps;
}

struct TypingCase {
    const char* what;
    Step second;
    int caretBetween; // where the caret went between the two, -1 for nowhere
    int steps;
};

TEST(EditHistory, TypingRightAfterTheRunJoinsItsStep)
{
    const TypingCase cases[] = {
        { "next character", typed(1, "b"), -1, 1 },
        { "caret stayed at the run's end", typed(1, "b"), 1, 1 },
        { "caret went away", typed(1, "b"), 0, 2 },
        { "not where the run ended", typed(3, "b"), -1, 2 },
        { "not typing", { 1, QString(), "b", 1, 1, false }, -1, 2 },
    };
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.what);
        EditHistory history;
        history.record(typed(0, "a"));
        if (c.caretBetween >= 0) history.caretMoved(c.caretBetween);
        history.record(c.second);
        const std::vector<Step> steps = undoAll(history);
        ASSERT_EQ(int(steps.size()), c.steps);
        if (c.steps == 1) EXPECT_EQ(steps[0].inserted, "ab");
    }
    // A run of typing over a selection keeps what each key removed.
    EditHistory history;
    history.record({ 0, "x", "a", 0, 1, true });
    history.record({ 1, "y", "b", 1, 2, true });
    const std::vector<Step> steps = undoAll(history);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].removed, "xy");
    EXPECT_EQ(steps[0].anchorBefore, 0);
    EXPECT_EQ(steps[0].caretBefore, 1);
}

TEST(EditHistory, UndoAndRedoHandTheSameStepBackAndForth)
{
    EditHistory history;
    EXPECT_FALSE(history.undo([](const Step&) { FAIL(); }));
    EXPECT_FALSE(history.redo([](const Step&) { FAIL(); }));
    history.record({ 4, "old", "new", 4, 7, false });
    EXPECT_EQ(history.spaceUsed(), 6 + EditHistory::kStepHeader);
    Step seen;
    EXPECT_TRUE(history.undo([&](const Step& step) { seen = step; }));
    EXPECT_EQ(seen.position, 4);
    EXPECT_EQ(seen.removed, "old");
    EXPECT_EQ(seen.inserted, "new");
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.canRedo());
    EXPECT_EQ(history.spaceUsed(), 0);
    EXPECT_TRUE(history.redo([&](const Step& step) { seen = step; }));
    EXPECT_EQ(seen.inserted, "new");
    EXPECT_TRUE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.spaceUsed(), 6 + EditHistory::kStepHeader);

    // A new change ends the redo; clear forgets everything.
    history.undo([](const Step&) {});
    history.record(typed(0, "z"));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.typingEnd(), 1);
    history.clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.spaceUsed(), 0);
    EXPECT_EQ(history.typingEnd(), -1);
}

TEST(EditHistory, UndoAndRedoEndTheTypingRun)
{
    EditHistory history;
    history.record(typed(0, "a"));
    history.undo([](const Step&) {});
    EXPECT_EQ(history.typingEnd(), -1);
    history.redo([](const Step&) {});
    EXPECT_EQ(history.typingEnd(), -1);
    history.record(typed(1, "b"));
    EXPECT_EQ(undoAll(history).size(), 2u);
}

TEST(EditHistory, TheOldestStepsGoPastTheBoundButTheNewestStays)
{
    EditHistory history;
    const QString chunk(1000, QLatin1Char('x'));
    for (int i = 0; i < 100; ++i)
        history.record({ i * 1000, QString(), chunk, 0, 0, false });
    EXPECT_LE(history.spaceUsed(), EditHistory::kMaxSpace);
    const std::vector<Step> steps = undoAll(history);
    ASSERT_EQ(int(steps.size()), EditHistory::kMaxSpace / (1000 + EditHistory::kStepHeader));
    EXPECT_EQ(steps.front().position, 99000);
    EXPECT_EQ(steps.back().position, (100 - int(steps.size())) * 1000);

    history.clear();
    history.record({ 0, QString(), QString(70000, QLatin1Char('y')), 0, 0, false });
    EXPECT_TRUE(history.canUndo());
    EXPECT_GT(history.spaceUsed(), EditHistory::kMaxSpace);
    // The next step pushes it out.
    history.record(typed(70000, "z"));
    EXPECT_EQ(undoAll(history).size(), 1u);
}
} // namespace
