#pragma once
// CList: MFC's doubly linked list addressed by POSITION (a node pointer).
// Invariant: m_pHead/m_pTail are null exactly when m_nCount is 0; every
// node's neighbours point back at it.
#include <cstddef>
#include "MfcExport.h"

#ifndef __AFX_POSITION_DEFINED
#define __AFX_POSITION_DEFINED
struct __POSITION
{};
typedef __POSITION* POSITION;
#endif

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList
{
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    CList() : m_pHead(nullptr), m_pTail(nullptr), m_nCount(0) {}
    ~CList() { RemoveAll(); }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return m_pHead->data; }
    const TYPE& GetHead() const { return m_pHead->data; }
    TYPE& GetTail() { return m_pTail->data; }
    const TYPE& GetTail() const { return m_pTail->data; }

    POSITION AddHead(ARG_TYPE newElement) { return InsertAfterNode(nullptr, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfterNode(m_pTail, newElement); }
    TYPE RemoveHead()
    {
        TYPE value = m_pHead->data;
        FreeNode(m_pHead);
        return value;
    }
    TYPE RemoveTail()
    {
        TYPE value = m_pTail->data;
        FreeNode(m_pTail);
        return value;
    }
    void RemoveAll()
    {
        while (m_pHead)
            FreeNode(m_pHead);
    }

    POSITION GetHeadPosition() const { return ToPosition(m_pHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pTail); }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* p = ToNode(rPosition);
        rPosition = ToPosition(p->pNext);
        return p->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* p = ToNode(rPosition);
        rPosition = ToPosition(p->pNext);
        return p->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* p = ToNode(rPosition);
        rPosition = ToPosition(p->pPrev);
        return p->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* p = ToNode(rPosition);
        rPosition = ToPosition(p->pPrev);
        return p->data;
    }
    TYPE& GetAt(POSITION position) { return ToNode(position)->data; }
    const TYPE& GetAt(POSITION position) const { return ToNode(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ToNode(pos)->data = newElement; }
    void RemoveAt(POSITION position) { FreeNode(ToNode(position)); }
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        return position ? InsertAfterNode(ToNode(position)->pPrev, newElement) : AddHead(newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        return position ? InsertAfterNode(ToNode(position), newElement) : AddTail(newElement);
    }
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        for (CNode* p = startAfter ? ToNode(startAfter)->pNext : m_pHead; p; p = p->pNext)
            if (p->data == searchValue)
                return ToPosition(p);
        return nullptr;
    }
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* p = m_pHead;
        while (nIndex-- > 0)
            p = p->pNext;
        return ToPosition(p);
    }

private:
    static POSITION ToPosition(CNode* p) { return reinterpret_cast<POSITION>(p); }
    static CNode* ToNode(POSITION p) { return reinterpret_cast<CNode*>(p); }

    // Inserts after pPrev, or at the head when pPrev is null.
    POSITION InsertAfterNode(CNode* pPrev, ARG_TYPE newElement)
    {
        CNode* p = new CNode{nullptr, pPrev, newElement};
        p->pNext = pPrev ? pPrev->pNext : m_pHead;
        (p->pNext ? p->pNext->pPrev : m_pTail) = p;
        (pPrev ? pPrev->pNext : m_pHead) = p;
        ++m_nCount;
        return ToPosition(p);
    }
    void FreeNode(CNode* p)
    {
        (p->pPrev ? p->pPrev->pNext : m_pHead) = p->pNext;
        (p->pNext ? p->pNext->pPrev : m_pTail) = p->pPrev;
        delete p;
        --m_nCount;
    }

    CNode* m_pHead;
    CNode* m_pTail;
    INT_PTR m_nCount;
};

class CPtrList : public CList<void*, void*>
{};

class CObject;
class CObList : public CList<CObject*, CObject*>
{};
