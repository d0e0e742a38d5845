#pragma once
#include <cstdint>
#include "GvCoreExport.h"
#include "GvGuid.h"
#include "GvLinkedList.h"
#include "GvWindowHandles.h"

class GvNode;
class GvUndoOp;
class IGvApplication;

// What a plug-in tells about itself. The identifier follows one 32-bit field.
struct GvPlugInInfo
{
    uint32_t m_version;
    GvGuid m_id;
    const unsigned short* m_name;
};

// A plug-in of the host. GetPlugInInfo is its fourth operation, counting the
// destructor as the first.
class IGvPlugIn
{
public:
    virtual ~IGvPlugIn() {}
    // Called once when the application takes the plug-in; false refuses it.
    virtual bool Initialize(IGvApplication* application) = 0;
    virtual void Shutdown() = 0;
    virtual GvPlugInInfo GetPlugInInfo() const = 0;
    virtual bool CanOpenNode(GvNode* node) = 0;
    virtual bool OpenNode(GvNode* node) = 0;
};

// A plug-in that edits nodes in a window of its own (found with dynamic_cast
// from IGvPlugIn).
class IGvEditorPlugIn : public IGvPlugIn
{
public:
    virtual bool EditNode(GvHWND parent, GvNode* node) = 0;
};

// The host application as the library sees it (getGvApp). The operations
// follow one another in this order.
class IGvApplication
{
public:
    virtual ~IGvApplication() {}
    virtual void SetStatusText(const unsigned short* text) = 0;
    virtual GvHWND GetMainWindow() = 0;
    // The icon registered under iconId (the library asks for 11, the dialog
    // icon); flags 0 asks for the large icon, 1 for the small one. The
    // application keeps the icon.
    virtual GvHICON GetAppIcon(int iconId, int flags) = 0;
    // A modeless window of the library; with dialogKeys set the host's loop
    // gives it the dialog keyboard (Tab, Enter, Escape). The other values are
    // kept unread.
    virtual void RegisterModelessWindow(GvHWND window, int dialogKeys, int reserved1, int reserved2, int reserved3,
                                        int reserved4) = 0;
    virtual void UnregisterModelessWindow(GvHWND window) = 0;
    // An event for the host's own modules: (5, 56) asks them to redraw the
    // render targets before one is read.
    virtual void SendAppEvent(int eventClass, int eventId, intptr_t param1, intptr_t param2, intptr_t param3) = 0;
    // kind: 1 texture file or row and column counts, 6 values, ranges,
    // clamping or normalizing, 10 texture origin. sourceId is the caller's
    // 16-byte id, passed on unread.
    virtual void NotifyNodeChanged(int kind, GvNode* node, void* sender, const void* sourceId) = 0;
    virtual bool OpenNodeInPlugIn(GvNode* node, IGvPlugIn* plugIn) = 0;
    // The plug-ins that can open the node, in the order they were registered.
    virtual GvLinkedList<IGvPlugIn*> GetPlugInsForNode(GvNode* node) = 0;
    virtual IGvPlugIn* FindPlugIn(const GvGuid& id) = 0;
    virtual void SetModified(bool modified) = 0;
    // Whether the file can be the texture of a texture variable of that kind
    // (GvTextureType).
    virtual bool AcceptTextureFile(int textureKind, const unsigned short* path) = 0;
    // The application owns op from here on.
    virtual void AddUndoOp(GvUndoOp* op) = 0;
    // Brings the host's undo and redo commands up to date.
    virtual void UpdateUndoState() = 0;
    // The accelerator table for a key message, or null.
    virtual GvHACCEL GetAcceleratorTable(const tagMSG* message) = 0;
};

// The application object of the process, or null when none is installed.
// A GvApplication installs itself when it is created while none is installed
// and uninstalls itself when it is destroyed; a host with its own
// application object installs it with GvSetApp.
GV_CORE_API IGvApplication* getGvApp();
// Installs application (null: none) and returns the one it replaces.
GV_CORE_API IGvApplication* GvSetApp(IGvApplication* application);
