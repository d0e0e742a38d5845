#pragma once
// Shared by the fuzz targets: byte input to UTF-16 units, and the check that
// every buffer the target took went back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>
#include "GvMemory.h"

// Bytes below 0x80 are one unit each; a higher byte and the one after it make
// one unit ((b & 0x7F) << 8 | next), so inputs reach every unit value while
// ASCII text stays readable.
inline std::vector<unsigned short> FuzzUnits(const uint8_t* data, size_t size)
{
    std::vector<unsigned short> units;
    units.reserve(size);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80 || i + 1 == size)
            units.push_back(data[i]);
        else {
            units.push_back(static_cast<unsigned short>((data[i] & 0x7F) << 8 | data[i + 1]));
            ++i;
        }
    }
    return units;
}

// Aborts (a libFuzzer finding) when the code under test kept a buffer.
class FuzzBufferCheck
{
public:
    FuzzBufferCheck() : m_live(GvGetLiveBufferCount()) {}
    ~FuzzBufferCheck()
    {
        if (GvGetLiveBufferCount() != m_live)
            std::abort();
    }

private:
    size_t m_live;
};
