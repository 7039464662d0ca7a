#include "editor/EditHistory.h"

void EditHistory::record(Step step)
{
    m_redo.clear();
    const bool merge = step.typing && !m_undo.empty() && m_undo.back().typing && m_typingEnd == step.position
        && m_undo.back().position + m_undo.back().inserted.size() == step.position;
    const int end = step.position + int(step.inserted.size());
    if (merge) {
        Step& last = m_undo.back();
        m_space -= last.cost();
        last.removed += step.removed;
        last.inserted += step.inserted;
        m_space += last.cost();
    } else {
        m_space += step.cost();
        m_undo.push_back(std::move(step));
    }
    m_typingEnd = m_undo.back().typing ? end : -1;
    trim();
}

bool EditHistory::undo(const std::function<void(const Step&)>& apply)
{
    if (m_undo.empty()) return false;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    m_space -= step.cost();
    apply(step);
    m_typingEnd = -1;
    m_redo.push_back(std::move(step));
    return true;
}

bool EditHistory::redo(const std::function<void(const Step&)>& apply)
{
    if (m_redo.empty()) return false;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    apply(step);
    m_typingEnd = -1;
    m_space += step.cost();
    m_undo.push_back(std::move(step));
    trim();
    return true;
}

void EditHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_space = 0;
    m_typingEnd = -1;
}

void EditHistory::trim()
{
    while (m_space > kMaxSpace && m_undo.size() > 1) {
        m_space -= m_undo.front().cost();
        m_undo.pop_front();
    }
}
