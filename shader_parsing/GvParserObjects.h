#pragma once
// Objects that the parsers own live in core buffers, so that the host's
// counters see them like every list node and string.
#include <new>
#include <type_traits>
#include <utility>
#include "GvLinkedList.h"
#include "GvMemory.h"

// An aggregate is built in place from its members' values, so that none of
// them is made in a temporary first and moved.
template <typename T, typename... Args>
T* GvCreateObject(Args&&... args)
{
    void* memory = GvAllocateBuffer(sizeof(T));
    if (!memory)
        throw std::bad_alloc();
    try {
        if constexpr (std::is_aggregate_v<T>)
            return new (memory) T{std::forward<Args>(args)...};
        else
            return new (memory) T(std::forward<Args>(args)...);
    } catch (...) {
        GvDeallocateBuffer(memory);
        throw;
    }
}

// Only for objects created as exactly T (none of the owned types is derived).
template <typename T>
void GvDestroyObject(T* object)
{
    if (!object)
        return;
    object->~T();
    GvDeallocateBuffer(object);
}

// Appends a newly created object to the list that will own it; destroys the
// object when the node cannot be allocated.
template <typename T>
T* GvAppendOwned(GvLinkedList<T*>& list, T* object)
{
    try {
        list.Append(object);
    } catch (...) {
        GvDestroyObject(object);
        throw;
    }
    return object;
}

// From the head: unlinks each entry, then destroys its object.
template <typename T>
void GvDestroyAllOwned(GvLinkedList<T*>& list)
{
    while (!list.IsEmpty()) {
        T* object = list.GetHead()->m_value;
        list.Remove(list.Begin());
        GvDestroyObject(object);
    }
}
