#include "GvNode.h"

#include <typeinfo>

#include "GvApplication.h"

GvNode::GvNode(const unsigned short* name) : m_name(name ? name : GvW(u""))
{
}

GvNode::GvNode(const GvNode& other) : m_name(other.m_name)
{
}

GvNode& GvNode::operator=(const GvNode& other)
{
    m_name = other.m_name;
    return *this;
}

GvNode::~GvNode()
{
    GvApplication::ForgetNode(this);
}

GvVariable::~GvVariable() = default;

void GvVariable::NotifyChange(void* sender, GvNode* node)
{
    ++m_changeCount;
}

GvVariable* GvVariable::CloneValue() const
{
    return new GvVariable(GetName());
}

bool GvVariable::AssignValue(const GvVariable& source)
{
    return typeid(source) == typeid(GvVariable);
}
