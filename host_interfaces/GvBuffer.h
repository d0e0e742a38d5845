#pragma once
#include <cstddef>
#include <cstring>
#include "GvMemory.h"

// A block of trivially copyable T from GvAllocateBuffer, so that the leak
// counters see it. Invariants: m_data is null exactly when m_count is 0; a
// fresh allocation is zero-filled. Not copyable; movable.
template <typename T>
class GvBuffer
{
public:
    GvBuffer() : m_data(nullptr), m_count(0) {}
    GvBuffer(GvBuffer&& other) noexcept : m_data(other.m_data), m_count(other.m_count)
    {
        other.m_data = nullptr;
        other.m_count = 0;
    }
    GvBuffer& operator=(GvBuffer&& other) noexcept
    {
        if (this != &other) {
            Free();
            m_data = other.m_data;
            m_count = other.m_count;
            other.m_data = nullptr;
            other.m_count = 0;
        }
        return *this;
    }
    GvBuffer(const GvBuffer&) = delete;
    GvBuffer& operator=(const GvBuffer&) = delete;
    ~GvBuffer() { Free(); }

    // Replaces the contents by count zeroed elements; false (and empty) when
    // the memory is not there.
    bool Allocate(size_t count)
    {
        Free();
        if (count == 0)
            return true;
        if (count > static_cast<size_t>(-1) / sizeof(T))
            return false;
        void* memory = GvAllocateBuffer(count * sizeof(T));
        if (!memory)
            return false;
        std::memset(memory, 0, count * sizeof(T));
        m_data = static_cast<T*>(memory);
        m_count = count;
        return true;
    }
    void Free()
    {
        GvDeallocateBuffer(m_data);
        m_data = nullptr;
        m_count = 0;
    }

    T* GetData() { return m_data; }
    const T* GetData() const { return m_data; }
    size_t GetCount() const { return m_count; }
    T& operator[](size_t index) { return m_data[index]; }
    const T& operator[](size_t index) const { return m_data[index]; }

private:
    T* m_data;
    size_t m_count;
};
