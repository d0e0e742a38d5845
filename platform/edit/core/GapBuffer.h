#pragma once
#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>

namespace gvedit {

// A sequence of trivially copyable values stored in one block with a hole
// (the gap) where the last edit happened, so a run of edits at one place
// costs only the values they write.
//
// Invariants:
// - m_capacity == Length() + m_gapLength; 0 <= m_gapStart <= Length().
// - Element i lives at m_data[i] when i < m_gapStart, else at
//   m_data[i + m_gapLength].
// - The gap grows by an eighth of the length at a time, so the block never
//   exceeds about 1.125 times the values plus the growth step.
template <class T>
class GapBuffer
{
    static_assert(std::is_trivially_copyable<T>::value, "values are moved with memmove");

public:
    int Length() const { return m_capacity - m_gapLength; }

    T operator[](int index) const { return index < m_gapStart ? m_data[index] : m_data[index + m_gapLength]; }

    void Set(int index, T value) { (index < m_gapStart ? m_data[index] : m_data[index + m_gapLength]) = value; }

    void Insert(int position, const T* values, int count)
    {
        if (count <= 0) {
            return;
        }
        MakeRoom(position, count);
        std::memcpy(m_data.get() + position, values, sizeof(T) * count);
        m_gapStart += count;
        m_gapLength -= count;
    }

    void InsertValue(int position, T value) { Insert(position, &value, 1); }

    void Delete(int position, int count)
    {
        if (count <= 0) {
            return;
        }
        MoveGapTo(position);
        m_gapLength += count;
    }

    // Copies count values starting at position into out.
    void Copy(int position, int count, T* out) const
    {
        const int before = std::max(0, std::min(count, m_gapStart - position));
        if (before > 0) {
            std::memcpy(out, m_data.get() + position, sizeof(T) * before);
        }
        if (count > before) {
            std::memcpy(out + before, m_data.get() + position + before + m_gapLength, sizeof(T) * (count - before));
        }
    }

    // Adds delta to count values starting at first.
    void AddToRange(int first, int count, T delta)
    {
        int i = first;
        const int end = first + count;
        for (; i < end && i < m_gapStart; ++i) {
            m_data[i] += delta;
        }
        for (T* p = m_data.get() + i + m_gapLength; i < end; ++i, ++p) {
            *p += delta;
        }
    }

    size_t AllocatedBytes() const { return sizeof(T) * static_cast<size_t>(m_capacity); }

private:
    void MoveGapTo(int position)
    {
        if (position < m_gapStart) {
            std::memmove(m_data.get() + position + m_gapLength, m_data.get() + position,
                         sizeof(T) * (m_gapStart - position));
        } else if (position > m_gapStart) {
            std::memmove(m_data.get() + m_gapStart, m_data.get() + m_gapStart + m_gapLength,
                         sizeof(T) * (position - m_gapStart));
        }
        m_gapStart = position;
    }

    // Leaves a gap of at least count values at position.
    void MakeRoom(int position, int count)
    {
        if (m_gapLength >= count) {
            MoveGapTo(position);
            return;
        }
        const int length = Length();
        const int newGap = count + std::max(length / 8, 64);
        std::unique_ptr<T[]> data(new T[static_cast<size_t>(length) + newGap]);
        Copy(0, position, data.get());
        Copy(position, length - position, data.get() + position + newGap);
        m_data = std::move(data);
        m_capacity = length + newGap;
        m_gapStart = position;
        m_gapLength = newGap;
    }

    std::unique_ptr<T[]> m_data;
    int m_capacity = 0;
    int m_gapStart = 0;
    int m_gapLength = 0;
};

} // namespace gvedit
