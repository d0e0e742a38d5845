#pragma once
#include <cstdint>
#include <cstring>

// A 16-byte identifier laid out like the platform's GUID, so a GUID can be
// passed where a GvGuid is read.
struct GvGuid
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(GvGuid) == 16, "GvGuid must be 16 bytes");

inline bool operator==(const GvGuid& a, const GvGuid& b)
{
    return std::memcmp(&a, &b, sizeof(GvGuid)) == 0;
}
inline bool operator!=(const GvGuid& a, const GvGuid& b)
{
    return !(a == b);
}
