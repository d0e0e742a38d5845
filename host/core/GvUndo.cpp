#include "GvUndo.h"

#include "GvApplicationInterface.h"
#include "GvNode.h"

GvUndoOp::GvUndoOp(GvNode* node, int changeKind) : m_node(node), m_changeKind(changeKind), m_undone(false)
{
}

GvUndoOp::~GvUndoOp() = default;

bool GvUndoOp::Undo()
{
    if (m_undone || !m_node || !ExecuteUndo())
        return false;
    m_undone = true;
    NotifyChanged();
    return true;
}

bool GvUndoOp::Redo()
{
    if (!m_undone || !m_node || !ExecuteRedo())
        return false;
    m_undone = false;
    NotifyChanged();
    return true;
}

void GvUndoOp::NotifyChanged()
{
    if (GvVariable* variable = dynamic_cast<GvVariable*>(m_node))
        variable->NotifyChange(this, variable);
    if (IGvApplication* application = getGvApp())
        application->NotifyNodeChanged(m_changeKind, m_node, this, nullptr);
}

// ---- GvNodeStateUndoOp

GvNodeStateUndoOp::GvNodeStateUndoOp(GvNode* node, int changeKind)
    : GvUndoOp(node, changeKind), m_before(nullptr), m_after(nullptr)
{
    if (const GvVariable* variable = dynamic_cast<const GvVariable*>(node))
        m_before = variable->CloneValue();
}

GvNodeStateUndoOp::~GvNodeStateUndoOp()
{
    delete m_before;
    delete m_after;
}

bool GvNodeStateUndoOp::ExecuteUndo()
{
    GvVariable* variable = dynamic_cast<GvVariable*>(GetNode());
    if (!variable || !m_before)
        return false;
    GvVariable* after = variable->CloneValue();
    if (!variable->AssignValue(*m_before)) {
        delete after;
        return false;
    }
    delete m_after;
    m_after = after;
    return true;
}

bool GvNodeStateUndoOp::ExecuteRedo()
{
    GvVariable* variable = dynamic_cast<GvVariable*>(GetNode());
    return variable && m_after && variable->AssignValue(*m_after);
}

// ---- GvTextureOriginChangeUndoOp

GvTextureOriginChangeUndoOp::GvTextureOriginChangeUndoOp(GvTextureVariable* texture, GvTextureOrigin newOrigin)
    : GvUndoOp(texture, 10), m_texture(texture), m_oldOrigin(texture ? texture->GetOrigin() : GV_ORIGIN_TOP_LEFT),
      m_newOrigin(newOrigin)
{
}

bool GvTextureOriginChangeUndoOp::ExecuteUndo()
{
    m_texture->SetOrigin(m_oldOrigin);
    return true;
}

bool GvTextureOriginChangeUndoOp::ExecuteRedo()
{
    m_texture->SetOrigin(m_newOrigin);
    return true;
}
