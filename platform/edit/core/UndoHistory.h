#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace gvedit {

// Why an edit happened. Typing, Backspace and Delete coalesce with the step
// before them when they continue it; every other reason joins a step only
// when the caller asks (the parts of one paste, replace or indent).
// kUndoReplace is the reason of edits made through the editor's programming
// interface rather than by keys.
enum UndoReason : unsigned
{
    kUndoTyping = 0x1,
    kUndoBackspace = 0x2,
    kUndoDelete = 0x4,
    kUndoCut = 0x8,
    kUndoPaste = 0x10,
    kUndoReplace = 0x20,
    kUndoIndent = 0x40,
    kUndoDeleteSelection = 0x80,
    // Recorded by nothing: a caller that makes it the last reason forces the
    // next edit into a step of its own.
    kUndoBreak = 0x1000,
};

// Selection as anchor and caret offsets; equal when nothing is selected.
struct Selection
{
    int anchor = 0;
    int caret = 0;
    bool operator==(const Selection& other) const { return anchor == other.anchor && caret == other.caret; }
};

struct EditAction
{
    bool insert = true;
    int offset = 0;
    std::u16string text;
};

// One undoable step: its actions in the order they were done, and the
// selection before the first and after the last.
struct UndoStep
{
    unsigned reason = 0;
    std::vector<EditAction> actions;
    Selection before;
    Selection after;
};

// The record of edits for undo and redo.
//
// Invariants:
// - Steps [0, m_current) can be undone, in reverse order; steps
//   [m_current, size) can be redone, in order. Recording drops the redo part.
// - A step only grows while it is the last one and m_current is its end;
//   contiguous typing and deletions merge into its last action, so typing a
//   line costs one action, not one per character.
class UndoHistory
{
public:
    // Records an action done with the given reason. With join, it is added to
    // the last step when that step has the same reason and, for typing and
    // deletions, the action continues where the step ended.
    void Record(EditAction action, unsigned reason, bool join, const Selection& before, const Selection& after);
    // The next Record starts a new step whatever it asks.
    void BreakGroup() { m_open = false; }
    // Sets the selection that redo restores for the last recorded step.
    void SetSelectionAfter(const Selection& after);

    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current < m_steps.size(); }
    // The step the next undo reverts, or redo repeats; null when none.
    const UndoStep* StepToUndo() const { return CanUndo() ? &m_steps[m_current - 1] : nullptr; }
    const UndoStep* StepToRedo() const { return CanRedo() ? &m_steps[m_current] : nullptr; }
    void Undone()
    {
        --m_current;
        m_open = false;
    }
    void Redone()
    {
        ++m_current;
        m_open = false;
    }
    void Clear();

    size_t Steps() const { return m_steps.size(); }
    // How many steps can be undone.
    size_t Current() const { return m_current; }

private:
    bool Continues(const UndoStep& step, const EditAction& action) const;

    std::vector<UndoStep> m_steps;
    size_t m_current = 0;
    bool m_open = false;
};

} // namespace gvedit
