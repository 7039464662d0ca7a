#pragma once

#include <QString>

#include <deque>
#include <functional>

// The editor's own undo and redo history, bounded by a count of bytes: each step costs its
// removed and inserted text plus a header, and the oldest steps go first (the newest always
// stays, so a large change can be undone). Positions are logical: they do not count the piece
// boundaries of long paragraphs. Typing steps that follow on from each other at the end of the
// current typing run become one step.
class EditHistory {
public:
    static constexpr int kMaxSpace = 65536;
    static constexpr int kStepHeader = 16;

    struct Step {
        int position = 0;
        QString removed;
        QString inserted;
        int anchorBefore = 0;
        int caretBefore = 0;
        bool typing = false;
        int cost() const { return int(removed.size() + inserted.size()) + kStepHeader; }
    };

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    int spaceUsed() const { return m_space; }

    // A change was made: the redo steps go.
    void record(Step step);
    // Takes the newest step back: apply puts step.removed over step.inserted in the text. The
    // step then waits for redo. False when there is nothing to undo.
    bool undo(const std::function<void(const Step&)>& apply);
    // Makes the step undone last again: apply puts step.inserted over step.removed.
    bool redo(const std::function<void(const Step&)>& apply);
    void clear();

    // The logical position where the current typing run ends, -1 when there is none.
    int typingEnd() const { return m_typingEnd; }
    void setTypingEnd(int end) { m_typingEnd = end; }
    // The caret anywhere but at the end of the typing run ends the run.
    void caretMoved(int logical)
    {
        if (logical != m_typingEnd) m_typingEnd = -1;
    }

private:
    void trim();

    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
    int m_space = 0;
    int m_typingEnd = -1;
};
