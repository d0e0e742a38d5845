#pragma once
#include "GvCoreExport.h"
#include "GvString.h"
#include "GvStringFunctions.h"

// A node of the host's model. Kinds are told apart by run-time type
// (dynamic_cast). Destroying a node drops every undo operation of the live
// GvApplication objects that refers to it.
class GV_CORE_API GvNode
{
public:
    explicit GvNode(const unsigned short* name = nullptr);
    GvNode(const GvNode& other);
    GvNode& operator=(const GvNode& other);
    virtual ~GvNode();

    const unsigned short* GetName() const { return m_name; }
    void SetName(const unsigned short* name) { m_name = name ? name : GvW(u""); }

private:
    GvStringW m_name;
};

// A node holding a value. NotifyChange is the second virtual operation, right
// after the destructor (the library calls it through that slot); writers call
// it as (0, the variable) after a change. It counts changes, so that a viewer can tell that
// it must read the value again. CloneValue and AssignValue copy the value
// state (values, ranges, flags, sizes; for textures file name and origin) and
// serve the undo operations.
class GV_CORE_API GvVariable : public GvNode
{
public:
    explicit GvVariable(const unsigned short* name = nullptr) : GvNode(name), m_changeCount(0) {}
    // A copy keeps the name and starts counting changes anew; assigning a
    // variable copies its value state only (name and change count stay).
    GvVariable(const GvVariable& other) : GvNode(other), m_changeCount(0) {}
    GvVariable& operator=(const GvVariable&) { return *this; }
    ~GvVariable() override;

    // A new variable of the same kind with the same value state; the caller
    // deletes it.
    virtual void NotifyChange(void* sender, GvNode* node);
    virtual GvVariable* CloneValue() const;
    // Copies the value state of a variable of the same kind; false (and no
    // change) for another kind.
    virtual bool AssignValue(const GvVariable& source);

    unsigned GetChangeCount() const { return m_changeCount; }

private:
    unsigned m_changeCount;
};
