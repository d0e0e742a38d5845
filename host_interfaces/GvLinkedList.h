#pragma once
#include <new>
#include "GvMemory.h"

template <typename T>
class GvLinkedList;

template <typename T>
struct GvLinkedListNode
{
    GvLinkedList<T>* m_list;
    T m_value;
    GvLinkedListNode* m_next;
    GvLinkedListNode* m_prev;
};

// Doubly linked list whose nodes come from GvAllocateBuffer. Appends at the
// tail. Invariants: m_count nodes are reachable from m_head through m_next and
// from m_tail through m_prev; every node's m_list is this list; an empty list
// has both ends null. An iterator is {list, node}; End() has a null node.
template <typename T>
class GvLinkedList
{
public:
    typedef GvLinkedListNode<T> Node;

    template <typename ListT, typename NodeT, typename ValueT>
    struct IteratorBase
    {
        ListT* m_list;
        NodeT* m_node;

        ValueT& operator*() const { return m_node->m_value; }
        ValueT* operator->() const { return &m_node->m_value; }
        IteratorBase& operator++()
        {
            m_node = m_node->m_next;
            return *this;
        }
        IteratorBase& operator--()
        {
            m_node = m_node ? m_node->m_prev : m_list->m_tail;
            return *this;
        }
        bool operator==(const IteratorBase& other) const { return m_node == other.m_node && m_list == other.m_list; }
        bool operator!=(const IteratorBase& other) const { return !(*this == other); }
    };
    typedef IteratorBase<GvLinkedList, Node, T> Iterator;
    typedef IteratorBase<const GvLinkedList, const Node, const T> ConstIterator;

    GvLinkedList() : m_count(0), m_head(nullptr), m_tail(nullptr) {}
    GvLinkedList(const GvLinkedList& other) : GvLinkedList() { AppendAll(other); }
    GvLinkedList& operator=(const GvLinkedList& other)
    {
        if (this != &other) {
            RemoveAll();
            AppendAll(other);
        }
        return *this;
    }
    ~GvLinkedList() { RemoveAll(); }

    Iterator Append(const T& value)
    {
        void* memory = GvAllocateBuffer(sizeof(Node));
        if (!memory)
            throw std::bad_alloc();
        Node* node = new (memory) Node{this, value, nullptr, m_tail};
        if (m_tail)
            m_tail->m_next = node;
        else
            m_head = node;
        m_tail = node;
        ++m_count;
        return Iterator{this, node};
    }

    // Unlinks and frees the node; returns the iterator of the one behind it.
    Iterator Remove(Iterator position)
    {
        Node* node = position.m_node;
        if (!node || node->m_list != this)
            return End();
        Node* next = node->m_next;
        (node->m_prev ? node->m_prev->m_next : m_head) = next;
        (next ? next->m_prev : m_tail) = node->m_prev;
        --m_count;
        node->~Node();
        GvDeallocateBuffer(node);
        return Iterator{this, next};
    }

    void RemoveAll()
    {
        while (m_head)
            Remove(Begin());
    }

    Iterator Find(const T& value)
    {
        for (Node* node = m_head; node; node = node->m_next)
            if (node->m_value == value)
                return Iterator{this, node};
        return End();
    }

    Iterator Begin() { return Iterator{this, m_head}; }
    Iterator End() { return Iterator{this, nullptr}; }
    ConstIterator Begin() const { return ConstIterator{this, m_head}; }
    ConstIterator End() const { return ConstIterator{this, nullptr}; }
    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    Node* GetHead() const { return m_head; }
    Node* GetTail() const { return m_tail; }

private:
    void AppendAll(const GvLinkedList& other)
    {
        for (const Node* node = other.m_head; node; node = node->m_next)
            Append(node->m_value);
    }

    int m_count;
    Node* m_head;
    Node* m_tail;
};
