#pragma once
// Pictures built byte by byte for the loaders' tests.
#include <cstddef>
#include <cstdint>
#include <vector>

inline void Put32BigEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

inline void Put16(std::vector<uint8_t>& bytes, size_t at, unsigned value)
{
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

inline void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

// A TGA of the given type and bits, its colour map and its pixel bytes.
inline std::vector<uint8_t> Tga(uint8_t type, uint8_t bits, int width, int height, uint8_t descriptor,
                                const std::vector<uint8_t>& map, uint8_t mapBits, const std::vector<uint8_t>& body)
{
    std::vector<uint8_t> bytes(18);
    bytes[2] = type;
    if (!map.empty()) {
        bytes[1] = 1;
        Put16(bytes, 5, static_cast<unsigned>(map.size() / ((mapBits + 7u) / 8u)));
    }
    bytes[7] = mapBits;
    Put16(bytes, 12, static_cast<unsigned>(width));
    Put16(bytes, 14, static_cast<unsigned>(height));
    bytes[16] = bits;
    bytes[17] = descriptor;
    bytes.insert(bytes.end(), map.begin(), map.end());
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// A BMP with a 40-byte header; `extra` between it and the pixels (masks or
// a colour map, which is used whole), rows given as stored.
inline std::vector<uint8_t> Bmp(int width, int height, int bits, uint32_t compression,
                                const std::vector<uint8_t>& extra, const std::vector<uint8_t>& rows)
{
    std::vector<uint8_t> bytes(54);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<uint32_t>(54 + extra.size() + rows.size()));
    Put32(bytes, 10, static_cast<uint32_t>(54 + extra.size()));
    Put32(bytes, 14, 40);
    Put32(bytes, 18, static_cast<uint32_t>(width));
    Put32(bytes, 22, static_cast<uint32_t>(height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, static_cast<unsigned>(bits));
    Put32(bytes, 30, compression);
    if (bits <= 8)
        Put32(bytes, 46, static_cast<uint32_t>(extra.size() / 4));
    bytes.insert(bytes.end(), extra.begin(), extra.end());
    bytes.insert(bytes.end(), rows.begin(), rows.end());
    return bytes;
}
