#pragma once
#include <string>
#include <string_view>
#include "TextBuffer.h"
#include "UndoHistory.h"

namespace gvedit {

// Told of every change of the text, whether by an edit, an undo or a redo,
// after the buffer changed.
class TextObserver
{
public:
    virtual void TextInserted(int offset, std::u16string_view text) = 0;
    virtual void TextDeleted(int offset, std::u16string_view removed) = 0;

protected:
    ~TextObserver() = default;
};

// How an edit is recorded: its reason, whether it may join the last step, and
// the selection before it. record false leaves the history untouched.
struct UndoRecord
{
    unsigned reason = kUndoTyping;
    bool join = false;
    Selection before;
    bool record = true;
};

// A text buffer and its undo history, changed only together, so that undoing
// every step gives back the text the history started from.
//
// Invariants:
// - Reverting the steps [0, current) of the history in reverse order turns
//   the buffer into the text it held when the history was last cleared.
// - The observer sees every change exactly once, in the order applied.
class TextDocument
{
public:
    explicit TextDocument(TextObserver* observer = nullptr) : m_observer(observer) {}

    const TextBuffer& Buffer() const { return m_buffer; }
    UndoHistory& History() { return m_history; }
    const UndoHistory& History() const { return m_history; }

    // The selection after an insert is the caret at its end, after a delete
    // the caret where the text was.
    void Insert(int offset, std::u16string_view text, const UndoRecord& undo);
    void Delete(int offset, int count, const UndoRecord& undo);
    // Replaces everything and clears the history.
    void SetText(std::u16string_view text);

    // Reverts or repeats one step; gives the selection to restore.
    bool Undo(Selection& selection);
    bool Redo(Selection& selection);

private:
    void ApplyInsert(int offset, std::u16string_view text);
    void ApplyDelete(int offset, int count);

    TextBuffer m_buffer;
    UndoHistory m_history;
    TextObserver* m_observer;
};

} // namespace gvedit
