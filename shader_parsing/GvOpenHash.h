#pragma once
// Open addressing with linear probing, for the lookup indexes that the
// parsers keep beside their ordered lists. Slot is a plain struct with an
// `unsigned int hash` and an `item` pointer; a null item marks a free slot.
// Invariants: the capacity is a power of two of at least 16 from the
// construction on (so a lookup needs no test for missing slots), at most a
// quarter of the slots are used (so a miss ends after about one probe), and
// every used slot is reachable from its home slot without crossing a free
// one.
#include <cstring>
#include <new>
#include "GvMemory.h"

template <typename Slot>
class GvOpenHash
{
public:
    GvOpenHash() { Reset(0); }
    GvOpenHash(const GvOpenHash&) = delete;
    GvOpenHash& operator=(const GvOpenHash&) = delete;
    ~GvOpenHash() { GvDeallocateBuffer(m_slots); }

    // Empties the table and sizes it for count items.
    void Reset(int count)
    {
        int capacity = 16;
        while (capacity < count * 4)
            capacity *= 2;
        const size_t bytes = sizeof(Slot) * static_cast<size_t>(capacity);
        Slot* slots = static_cast<Slot*>(GvAllocateBuffer(bytes));
        if (!slots)
            throw std::bad_alloc();
        std::memset(static_cast<void*>(slots), 0, bytes);
        GvDeallocateBuffer(m_slots);
        m_slots = slots;
        m_capacity = capacity;
        m_count = 0;
    }

    bool HasRoomFor(int more) const { return (m_count + more) * 4 <= m_capacity; }
    int GetCount() const { return m_count; }

    // The first used slot with this hash for which match(slot) is true.
    template <typename Match>
    Slot* Find(unsigned int hash, Match match) const
    {
        const unsigned int mask = static_cast<unsigned int>(m_capacity - 1);
        for (unsigned int i = Home(hash) & mask; m_slots[i].item; i = (i + 1) & mask)
            if (m_slots[i].hash == hash && match(m_slots[i]))
                return &m_slots[i];
        return nullptr;
    }

    // The caller makes room first (HasRoomFor, Reset).
    void Insert(const Slot& slot)
    {
        const unsigned int mask = static_cast<unsigned int>(m_capacity - 1);
        unsigned int i = Home(slot.hash) & mask;
        while (m_slots[i].item)
            i = (i + 1) & mask;
        m_slots[i] = slot;
        ++m_count;
    }

    // Frees the slot and moves later members of its probe run back, so that
    // every item stays reachable.
    void Remove(Slot* slot)
    {
        const unsigned int mask = static_cast<unsigned int>(m_capacity - 1);
        unsigned int hole = static_cast<unsigned int>(slot - m_slots);
        for (unsigned int i = (hole + 1) & mask; m_slots[i].item; i = (i + 1) & mask) {
            const unsigned int home = Home(m_slots[i].hash) & mask;
            // Move i into the hole unless its home lies cyclically in (hole, i].
            const bool homeBetween = hole < i ? (home > hole && home <= i) : (home > hole || home <= i);
            if (!homeBetween) {
                m_slots[hole] = m_slots[i];
                hole = i;
            }
        }
        m_slots[hole] = Slot();
        --m_count;
    }

private:
    static unsigned int Home(unsigned int hash) { return hash ^ (hash >> 16); }

    Slot* m_slots = nullptr;
    int m_capacity = 0;
    int m_count = 0;
};
