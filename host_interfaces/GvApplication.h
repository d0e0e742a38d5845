#pragma once
#include "GvApplicationInterface.h"
#include "GvString.h"

// One NotifyNodeChanged call as the application received it.
struct GvNodeChangeRecord
{
    int m_kind;
    GvNode* m_node;
    void* m_sender;
    const void* m_sourceId;
};

struct GvAppEventRecord
{
    int m_eventClass;
    int m_eventId;
    intptr_t m_params[3];
};

struct GvModelessWindowRecord
{
    GvHWND m_window;
    int m_dialogKeys;
    int m_reserved[4];
};

// The host's application object: an undo and a redo stack, the modified
// flag, the modeless windows, the status text, icons, accelerator tables,
// plug-ins (owned: shut down and deleted with the application) and a record
// of every NotifyNodeChanged and SendAppEvent call. Hosts derive from it to
// react to the calls; overrides call the base so the records stay whole.
// Invariants: every undo op is in exactly one of the two stacks; a redo
// stack is emptied by each new AddUndoOp.
class GV_CORE_API GvApplication : public IGvApplication
{
public:
    GvApplication();
    ~GvApplication() override;
    GvApplication(const GvApplication&) = delete;
    GvApplication& operator=(const GvApplication&) = delete;

    void SetStatusText(const unsigned short* text) override;
    GvHWND GetMainWindow() override { return m_mainWindow; }
    GvHICON GetAppIcon(int iconId, int flags) override;
    void RegisterModelessWindow(GvHWND window, int dialogKeys, int reserved1, int reserved2, int reserved3,
                                int reserved4) override;
    void UnregisterModelessWindow(GvHWND window) override;
    void SendAppEvent(int eventClass, int eventId, intptr_t param1, intptr_t param2, intptr_t param3) override;
    void NotifyNodeChanged(int kind, GvNode* node, void* sender, const void* sourceId) override;
    bool OpenNodeInPlugIn(GvNode* node, IGvPlugIn* plugIn) override;
    GvLinkedList<IGvPlugIn*> GetPlugInsForNode(GvNode* node) override;
    IGvPlugIn* FindPlugIn(const GvGuid& id) override;
    void SetModified(bool modified) override { m_modified = modified; }
    // True when the file reads as a texture of that kind.
    bool AcceptTextureFile(int textureKind, const unsigned short* path) override;
    // Null is ignored.
    void AddUndoOp(GvUndoOp* op) override;
    void UpdateUndoState() override { ++m_undoStateUpdates; }
    // The table registered for the message's window or its nearest ancestor,
    // else the application's table.
    GvHACCEL GetAcceleratorTable(const tagMSG* message) override;

    // Host side.
    void SetMainWindow(GvHWND window) { m_mainWindow = window; }
    // The icon stays the host's; flags 0 and 1 are kept apart. Without one,
    // GetAppIcon gives the system's application icon on Windows.
    void SetAppIcon(int iconId, int flags, GvHICON icon);
    const unsigned short* GetStatusText() const { return m_statusText; }
    bool IsModified() const { return m_modified; }

    // Undo moves the newest done op to the redo stack, Redo the newest undone
    // one back; both set the modified flag and update the undo state. An op
    // that fails is dropped and the call returns false.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return !m_undoStack.IsEmpty(); }
    bool CanRedo() const { return !m_redoStack.IsEmpty(); }
    int GetUndoCount() const { return m_undoStack.GetCount(); }
    int GetRedoCount() const { return m_redoStack.GetCount(); }
    void ClearUndo();
    int GetUndoStateUpdateCount() const { return m_undoStateUpdates; }

    bool IsModelessWindowRegistered(GvHWND window) const;
    const GvLinkedList<GvModelessWindowRecord>& GetModelessWindows() const { return m_modelessWindows; }

    // The tables stay the host's. A null table removes a window's entry.
    void SetAcceleratorTable(GvHACCEL table) { m_acceleratorTable = table; }
    void SetWindowAcceleratorTable(GvHWND window, GvHACCEL table);
    // For the host's message loop (Windows only; false elsewhere): gives the
    // message to the registered modeless window it belongs to when that takes
    // dialog keys, else translates it with GetAcceleratorTable for the main
    // window. True when the message was used up.
    bool PreTranslateMessage(tagMSG* message);

    // Takes ownership; Initialize runs first, and a plug-in that refuses, or
    // whose id is taken, is deleted and false returned.
    bool RegisterPlugIn(IGvPlugIn* plugIn);
    int GetPlugInCount() const { return m_plugIns.GetCount(); }

    const GvLinkedList<GvNodeChangeRecord>& GetNodeChanges() const { return m_nodeChanges; }
    void ClearNodeChanges() { m_nodeChanges.RemoveAll(); }
    const GvLinkedList<GvAppEventRecord>& GetAppEvents() const { return m_appEvents; }

    // Drops the undo ops of every live application that refer to the node
    // (GvNode's destructor calls it).
    static void ForgetNode(GvNode* node);

private:
    struct IconEntry
    {
        int m_id;
        int m_flags;
        GvHICON m_icon;
    };
    struct AcceleratorEntry
    {
        GvHWND m_window;
        GvHACCEL m_table;
    };

    static GvHICON SystemApplicationIcon(int flags);
    // Moves the newest op of from to to when its step succeeds.
    bool Step(GvLinkedList<GvUndoOp*>& from, GvLinkedList<GvUndoOp*>& to, bool (GvUndoOp::*step)());
    static void DeleteAll(GvLinkedList<GvUndoOp*>& ops);
    void DropOpsOf(GvNode* node, GvLinkedList<GvUndoOp*>& dropped);
    GvHACCEL FindWindowAcceleratorTable(GvHWND window) const;

    GvStringW m_statusText;
    GvHWND m_mainWindow;
    bool m_modified;
    int m_undoStateUpdates;
    GvLinkedList<GvUndoOp*> m_undoStack; // oldest first
    GvLinkedList<GvUndoOp*> m_redoStack; // oldest first
    GvLinkedList<GvModelessWindowRecord> m_modelessWindows;
    GvLinkedList<IconEntry> m_icons;
    GvHACCEL m_acceleratorTable;
    GvLinkedList<AcceleratorEntry> m_windowAccelerators;
    GvLinkedList<IGvPlugIn*> m_plugIns;
    GvLinkedList<GvNodeChangeRecord> m_nodeChanges;
    GvLinkedList<GvAppEventRecord> m_appEvents;
    GvApplication* m_nextLive;
};
