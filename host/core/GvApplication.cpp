#include "GvApplication.h"

#include <initializer_list>

#include "GvNode.h"
#include "GvStringFunctions.h"
#include "GvTexture.h"
#include "GvUndo.h"

namespace {

IGvApplication* g_application = nullptr;
// Every GvApplication alive, linked through m_nextLive.
GvApplication* g_liveApplications = nullptr;

} // namespace

IGvApplication* getGvApp()
{
    return g_application;
}

IGvApplication* GvSetApp(IGvApplication* application)
{
    IGvApplication* previous = g_application;
    g_application = application;
    return previous;
}

GvApplication::GvApplication()
    : m_mainWindow(nullptr), m_modified(false), m_undoStateUpdates(0), m_acceleratorTable(nullptr),
      m_nextLive(g_liveApplications)
{
    g_liveApplications = this;
    if (!g_application)
        g_application = this;
}

GvApplication::~GvApplication()
{
    if (g_application == this)
        g_application = nullptr;
    for (GvApplication** link = &g_liveApplications; *link; link = &(*link)->m_nextLive)
        if (*link == this) {
            *link = m_nextLive;
            break;
        }
    ClearUndo();
    for (auto it = m_plugIns.Begin(); it != m_plugIns.End(); ++it) {
        (*it)->Shutdown();
        delete *it;
    }
}

void GvApplication::SetStatusText(const unsigned short* text)
{
    m_statusText = text ? text : GvW(u"");
}

void GvApplication::SetAppIcon(int iconId, int flags, GvHICON icon)
{
    for (auto it = m_icons.Begin(); it != m_icons.End(); ++it)
        if (it->m_id == iconId && it->m_flags == flags) {
            it->m_icon = icon;
            return;
        }
    m_icons.Append(IconEntry{iconId, flags, icon});
}

GvHICON GvApplication::GetAppIcon(int iconId, int flags)
{
    for (auto it = m_icons.Begin(); it != m_icons.End(); ++it)
        if (it->m_id == iconId && it->m_flags == flags)
            return it->m_icon;
    return SystemApplicationIcon(flags);
}

void GvApplication::RegisterModelessWindow(GvHWND window, int dialogKeys, int reserved1, int reserved2, int reserved3,
                                           int reserved4)
{
    if (!window || IsModelessWindowRegistered(window))
        return;
    m_modelessWindows.Append(GvModelessWindowRecord{window, dialogKeys, {reserved1, reserved2, reserved3, reserved4}});
}

void GvApplication::UnregisterModelessWindow(GvHWND window)
{
    for (auto it = m_modelessWindows.Begin(); it != m_modelessWindows.End(); ++it)
        if (it->m_window == window) {
            m_modelessWindows.Remove(it);
            return;
        }
}

bool GvApplication::IsModelessWindowRegistered(GvHWND window) const
{
    for (auto it = m_modelessWindows.Begin(); it != m_modelessWindows.End(); ++it)
        if (it->m_window == window)
            return true;
    return false;
}

void GvApplication::SendAppEvent(int eventClass, int eventId, intptr_t param1, intptr_t param2, intptr_t param3)
{
    m_appEvents.Append(GvAppEventRecord{eventClass, eventId, {param1, param2, param3}});
}

void GvApplication::NotifyNodeChanged(int kind, GvNode* node, void* sender, const void* sourceId)
{
    m_nodeChanges.Append(GvNodeChangeRecord{kind, node, sender, sourceId});
}

bool GvApplication::RegisterPlugIn(IGvPlugIn* plugIn)
{
    if (!plugIn)
        return false;
    if (FindPlugIn(plugIn->GetPlugInInfo().m_id) || !plugIn->Initialize(this)) {
        delete plugIn;
        return false;
    }
    m_plugIns.Append(plugIn);
    return true;
}

bool GvApplication::OpenNodeInPlugIn(GvNode* node, IGvPlugIn* plugIn)
{
    return node && plugIn && m_plugIns.Find(plugIn) != m_plugIns.End() && plugIn->OpenNode(node);
}

GvLinkedList<IGvPlugIn*> GvApplication::GetPlugInsForNode(GvNode* node)
{
    GvLinkedList<IGvPlugIn*> found;
    if (node)
        for (auto it = m_plugIns.Begin(); it != m_plugIns.End(); ++it)
            if ((*it)->CanOpenNode(node))
                found.Append(*it);
    return found;
}

IGvPlugIn* GvApplication::FindPlugIn(const GvGuid& id)
{
    for (auto it = m_plugIns.Begin(); it != m_plugIns.End(); ++it)
        if ((*it)->GetPlugInInfo().m_id == id)
            return *it;
    return nullptr;
}

bool GvApplication::AcceptTextureFile(int textureKind, const unsigned short* path)
{
    GvTexture* texture = GvLoadTexture(path, nullptr);
    const bool accepted = texture && texture->GetTextureType() == textureKind;
    delete texture;
    return accepted;
}

void GvApplication::AddUndoOp(GvUndoOp* op)
{
    if (!op)
        return;
    DeleteAll(m_redoStack);
    m_undoStack.Append(op);
}

bool GvApplication::Undo()
{
    return Step(m_undoStack, m_redoStack, &GvUndoOp::Undo);
}

bool GvApplication::Redo()
{
    return Step(m_redoStack, m_undoStack, &GvUndoOp::Redo);
}

bool GvApplication::Step(GvLinkedList<GvUndoOp*>& from, GvLinkedList<GvUndoOp*>& to, bool (GvUndoOp::*step)())
{
    if (from.IsEmpty())
        return false;
    GvUndoOp* op = from.GetTail()->m_value;
    from.Remove(GvLinkedList<GvUndoOp*>::Iterator{&from, from.GetTail()});
    const bool done = (op->*step)();
    if (done)
        to.Append(op);
    else
        delete op;
    m_modified = true;
    UpdateUndoState();
    return done;
}

void GvApplication::ClearUndo()
{
    DeleteAll(m_undoStack);
    DeleteAll(m_redoStack);
}

void GvApplication::DeleteAll(GvLinkedList<GvUndoOp*>& ops)
{
    // Deleting an op may delete nodes (its snapshots), which calls ForgetNode:
    // the list is emptied before any op goes.
    GvLinkedList<GvUndoOp*> doomed(ops);
    ops.RemoveAll();
    for (auto it = doomed.Begin(); it != doomed.End(); ++it)
        delete *it;
}

void GvApplication::DropOpsOf(GvNode* node, GvLinkedList<GvUndoOp*>& dropped)
{
    for (GvLinkedList<GvUndoOp*>* stack : {&m_undoStack, &m_redoStack})
        for (auto it = stack->Begin(); it != stack->End();) {
            if ((*it)->GetNode() == node) {
                dropped.Append(*it);
                it = stack->Remove(it);
            } else {
                ++it;
            }
        }
}

void GvApplication::ForgetNode(GvNode* node)
{
    GvLinkedList<GvUndoOp*> dropped;
    for (GvApplication* application = g_liveApplications; application; application = application->m_nextLive)
        application->DropOpsOf(node, dropped);
    DeleteAll(dropped);
}

void GvApplication::SetWindowAcceleratorTable(GvHWND window, GvHACCEL table)
{
    for (auto it = m_windowAccelerators.Begin(); it != m_windowAccelerators.End(); ++it)
        if (it->m_window == window) {
            if (table)
                it->m_table = table;
            else
                m_windowAccelerators.Remove(it);
            return;
        }
    if (window && table)
        m_windowAccelerators.Append(AcceleratorEntry{window, table});
}

GvHACCEL GvApplication::FindWindowAcceleratorTable(GvHWND window) const
{
    for (auto it = m_windowAccelerators.Begin(); it != m_windowAccelerators.End(); ++it)
        if (it->m_window == window)
            return it->m_table;
    return nullptr;
}

#if !defined(_WIN32)
// Without a window system there are no messages, icons or tables to look up.
GvHICON GvApplication::SystemApplicationIcon(int flags)
{
    return nullptr;
}
GvHACCEL GvApplication::GetAcceleratorTable(const tagMSG* message)
{
    return message ? m_acceleratorTable : nullptr;
}
bool GvApplication::PreTranslateMessage(tagMSG* message)
{
    return false;
}
#endif
