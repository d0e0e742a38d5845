#pragma once
// Objects that the parsers own live in core buffers, so that the host's
// counters see them like every list node and string.
#include <new>
#include <utility>
#include "GvMemory.h"

template <typename T, typename... Args>
T* GvCreateObject(Args&&... args)
{
    void* memory = GvAllocateBuffer(sizeof(T));
    if (!memory)
        throw std::bad_alloc();
    try {
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
