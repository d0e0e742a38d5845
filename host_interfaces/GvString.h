#pragma once
#include <cstdint>
#include <cstring>
#include <new>
#include "GvMemory.h"
#include "GvStringFunctions.h"

// The core's string. The object is one pointer to NUL-terminated text; the
// block it points into starts 8 bytes earlier with a 32-bit capacity (units
// including the terminator, 1 when empty) and a 32-bit length:
//
//     [int32 capacity][int32 length][text ... 0][spare units]
//
// Invariants: m_pData is never null (an empty string owns a block of
// capacity 1); length < capacity; text[length] == 0.
template <typename T>
class GvString
{
public:
    GvString() { m_pData = AllocateBlock(1); }
    GvString(const T* text) { Assign(text, Length(text)); }
    GvString(const T* text, int length) { Assign(text, length); }
    GvString(const GvString& other) { Assign(other.m_pData, other.GetLength()); }
    GvString(GvString&& other) noexcept : m_pData(other.m_pData) { other.m_pData = AllocateBlock(1); }
    ~GvString() { GvDeallocateBuffer(Header(m_pData)); }

    GvString& operator=(const GvString& other)
    {
        if (this != &other)
            SetText(other.m_pData, other.GetLength());
        return *this;
    }
    GvString& operator=(GvString&& other) noexcept
    {
        if (this != &other) {
            T* old = m_pData;
            m_pData = other.m_pData;
            other.m_pData = old;
        }
        return *this;
    }
    GvString& operator=(const T* text)
    {
        SetText(text, Length(text));
        return *this;
    }

    // Replaces the text; keeps the block when it is large enough. The source
    // may lie inside this string's own text.
    void SetText(const T* text, int length)
    {
        if (length < 0)
            length = Length(text);
        if (length < GetCapacity()) {
            std::memmove(m_pData, text, sizeof(T) * static_cast<size_t>(length));
            SetLength(length);
            return;
        }
        T* old = m_pData;
        Assign(text, length);
        GvDeallocateBuffer(Header(old));
    }

    void Append(const T* text, int length = -1)
    {
        if (length < 0)
            length = Length(text);
        const int oldLength = GetLength();
        if (oldLength + length >= GetCapacity()) {
            int capacity = GetCapacity() * 2;
            if (capacity < oldLength + length + 1)
                capacity = oldLength + length + 1;
            T* grown = AllocateBlock(capacity);
            std::memcpy(grown, m_pData, sizeof(T) * static_cast<size_t>(oldLength));
            // text may point into the old block: copy before freeing it.
            std::memcpy(grown + oldLength, text, sizeof(T) * static_cast<size_t>(length));
            GvDeallocateBuffer(Header(m_pData));
            m_pData = grown;
        } else {
            std::memmove(m_pData + oldLength, text, sizeof(T) * static_cast<size_t>(length));
        }
        SetLength(oldLength + length);
    }
    void Append(T unit) { Append(&unit, 1); }
    GvString& operator+=(const GvString& other)
    {
        Append(other.m_pData, other.GetLength());
        return *this;
    }
    GvString& operator+=(const T* text)
    {
        Append(text);
        return *this;
    }

    void Empty() { SetLength(0); }
    bool IsEmpty() const { return GetLength() == 0; }
    int GetLength() const { return Header(m_pData)[1]; }
    int GetCapacity() const { return Header(m_pData)[0]; }
    const T* GetText() const { return m_pData; }
    operator const T*() const { return m_pData; }
    T operator[](int index) const { return m_pData[index]; }

    bool operator==(const GvString& other) const
    {
        return GetLength() == other.GetLength()
               && std::memcmp(m_pData, other.m_pData, sizeof(T) * static_cast<size_t>(GetLength())) == 0;
    }
    bool operator!=(const GvString& other) const { return !(*this == other); }

private:
    static int Length(const T* text)
    {
        int n = 0;
        if (text)
            while (text[n])
                ++n;
        return n;
    }
    static int32_t* Header(T* data) { return reinterpret_cast<int32_t*>(data) - 2; }
    static const int32_t* Header(const T* data) { return reinterpret_cast<const int32_t*>(data) - 2; }

    static T* AllocateBlock(int capacity)
    {
        void* block = GvAllocateBuffer(8 + sizeof(T) * static_cast<size_t>(capacity));
        if (!block)
            throw std::bad_alloc();
        int32_t* header = static_cast<int32_t*>(block);
        header[0] = capacity;
        header[1] = 0;
        T* data = reinterpret_cast<T*>(header + 2);
        data[0] = 0;
        return data;
    }
    void Assign(const T* text, int length)
    {
        m_pData = AllocateBlock(length + 1);
        if (length > 0)
            std::memcpy(m_pData, text, sizeof(T) * static_cast<size_t>(length));
        SetLength(length);
    }
    void SetLength(int length)
    {
        Header(m_pData)[1] = length;
        m_pData[length] = 0;
    }

    T* m_pData;
};

typedef GvString<unsigned short> GvStringW;
