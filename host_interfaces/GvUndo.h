#pragma once
#include "GvCoreExport.h"
#include "GvTextureVariable.h"

class GvNode;
class GvVariable;

// An undoable change of one node, created before the change. The application
// owns it once it is handed to AddUndoOp. Undo and Redo alternate: Undo only
// from the done state, Redo only from the undone state. After each step the
// node's NotifyChange (sender: the operation) and the application's
// NotifyNodeChanged (the operation's change kind, the node, the operation,
// no source id) follow.
class GV_CORE_API GvUndoOp
{
public:
    GvUndoOp(GvNode* node, int changeKind);
    virtual ~GvUndoOp();
    GvUndoOp(const GvUndoOp&) = delete;
    GvUndoOp& operator=(const GvUndoOp&) = delete;

    // Puts the node back as it was before the change / makes the change again.
    virtual bool ExecuteUndo() = 0;
    virtual bool ExecuteRedo() = 0;
    virtual bool Undo();
    virtual bool Redo();

    GvNode* GetNode() const { return m_node; }
    int GetChangeKind() const { return m_changeKind; }
    bool IsUndone() const { return m_undone; }

private:
    void NotifyChanged();

    GvNode* m_node;
    int m_changeKind;
    bool m_undone;
};

// Keeps the variable's value state from before the change; the state from
// before the undo is taken at each undo, for the redo. A node that is not a
// variable has no state: its undo and redo fail.
class GV_CORE_API GvNodeStateUndoOp : public GvUndoOp
{
public:
    ~GvNodeStateUndoOp() override;
    bool ExecuteUndo() override;
    bool ExecuteRedo() override;

protected:
    GvNodeStateUndoOp(GvNode* node, int changeKind);

private:
    GvVariable* m_before;
    GvVariable* m_after;
};

// A change of values, ranges or flags (change kind 6).
class GV_CORE_API GvNodeValueChangeUndoOp : public GvNodeStateUndoOp
{
public:
    explicit GvNodeValueChangeUndoOp(GvNode* node) : GvNodeStateUndoOp(node, 6) {}
};

// A change of the node as a whole, such as a texture's file (change kind 1);
// undoing it reads the old texture file again.
class GV_CORE_API GvUpdateNodeUndoOp : public GvNodeStateUndoOp
{
public:
    explicit GvUpdateNodeUndoOp(GvNode* node) : GvNodeStateUndoOp(node, 1) {}
};

// A change of a texture's origin to newOrigin (change kind 10).
class GV_CORE_API GvTextureOriginChangeUndoOp : public GvUndoOp
{
public:
    GvTextureOriginChangeUndoOp(GvTextureVariable* texture, GvTextureOrigin newOrigin);
    bool ExecuteUndo() override;
    bool ExecuteRedo() override;

private:
    GvTextureVariable* m_texture;
    GvTextureOrigin m_oldOrigin;
    GvTextureOrigin m_newOrigin;
};
