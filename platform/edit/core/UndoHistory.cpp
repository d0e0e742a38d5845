#include "UndoHistory.h"

namespace gvedit {

bool UndoHistory::Continues(const UndoStep& step, const EditAction& action) const
{
    const EditAction& last = step.actions.back();
    const int lastLength = static_cast<int>(last.text.size());
    switch (step.reason) {
    case kUndoTyping: return action.insert && last.insert && action.offset == last.offset + lastLength;
    case kUndoBackspace:
        return !action.insert && !last.insert && action.offset + static_cast<int>(action.text.size()) == last.offset;
    case kUndoDelete: return !action.insert && !last.insert && action.offset == last.offset;
    default: return true;
    }
}

void UndoHistory::Record(EditAction action, unsigned reason, bool join, const Selection& before, const Selection& after)
{
    m_steps.resize(m_current);
    if (join && reason != kUndoBreak && m_open && !m_steps.empty() && m_steps.back().reason == reason
        && Continues(m_steps.back(), action)) {
        UndoStep& step = m_steps.back();
        EditAction& last = step.actions.back();
        if (reason == kUndoTyping && last.insert) {
            last.text += action.text;
        } else if (reason == kUndoBackspace) {
            last.text.insert(0, action.text);
            last.offset = action.offset;
        } else if (reason == kUndoDelete) {
            last.text += action.text;
        } else {
            step.actions.push_back(std::move(action));
        }
        step.after = after;
        return;
    }
    UndoStep step;
    step.reason = reason;
    step.before = before;
    step.after = after;
    step.actions.push_back(std::move(action));
    m_steps.push_back(std::move(step));
    m_current = m_steps.size();
    m_open = true;
}

void UndoHistory::SetSelectionAfter(const Selection& after)
{
    if (CanUndo()) {
        m_steps[m_current - 1].after = after;
    }
}

void UndoHistory::Clear()
{
    m_steps.clear();
    m_current = 0;
    m_open = false;
}

} // namespace gvedit
