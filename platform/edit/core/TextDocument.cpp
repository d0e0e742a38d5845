#include "TextDocument.h"

namespace gvedit {

void TextDocument::ApplyInsert(int offset, std::u16string_view text)
{
    m_buffer.Insert(offset, text);
    if (m_observer) {
        m_observer->TextInserted(offset, text);
    }
}

void TextDocument::ApplyDelete(int offset, int count)
{
    const std::u16string removed = m_buffer.Text(offset, count);
    m_buffer.Delete(offset, count);
    if (m_observer) {
        m_observer->TextDeleted(offset, removed);
    }
}

void TextDocument::Insert(int offset, std::u16string_view text, const UndoRecord& undo)
{
    if (text.empty()) {
        return;
    }
    if (undo.record) {
        const int end = offset + static_cast<int>(text.size());
        m_history.Record(EditAction{true, offset, std::u16string(text)}, undo.reason, undo.join, undo.before,
                         Selection{end, end});
    }
    ApplyInsert(offset, text);
}

void TextDocument::Delete(int offset, int count, const UndoRecord& undo)
{
    if (count <= 0) {
        return;
    }
    if (undo.record) {
        m_history.Record(EditAction{false, offset, m_buffer.Text(offset, count)}, undo.reason, undo.join, undo.before,
                         Selection{offset, offset});
    }
    ApplyDelete(offset, count);
}

void TextDocument::SetText(std::u16string_view text)
{
    m_history.Clear();
    if (m_buffer.Length() > 0) {
        ApplyDelete(0, m_buffer.Length());
    }
    if (!text.empty()) {
        ApplyInsert(0, text);
    }
}

bool TextDocument::Undo(Selection& selection)
{
    const UndoStep* step = m_history.StepToUndo();
    if (!step) {
        return false;
    }
    for (auto action = step->actions.rbegin(); action != step->actions.rend(); ++action) {
        if (action->insert) {
            ApplyDelete(action->offset, static_cast<int>(action->text.size()));
        } else {
            ApplyInsert(action->offset, action->text);
        }
    }
    selection = step->before;
    m_history.Undone();
    return true;
}

bool TextDocument::Redo(Selection& selection)
{
    const UndoStep* step = m_history.StepToRedo();
    if (!step) {
        return false;
    }
    for (const EditAction& action : step->actions) {
        if (action.insert) {
            ApplyInsert(action.offset, action.text);
        } else {
            ApplyDelete(action.offset, static_cast<int>(action.text.size()));
        }
    }
    selection = step->after;
    m_history.Redone();
    return true;
}

} // namespace gvedit
