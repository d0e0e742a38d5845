#include <vector>

#include "GvTextureLoaders.h"

namespace {

// Header: id length, colour map type, image type (8: run-length coded),
// map start, map length, map entry bits, origin, width, height, pixel bits,
// descriptor (0x20: top row first).
constexpr size_t kHeaderSize = 18;

int ChannelsOf(int bits, bool grey)
{
    if (grey)
        return bits == 8 ? 1 : 2;
    return bits == 32 ? 4 : 3;
}

// One stored pixel (bytes of `bits`, as written: B, G, R, A) to R, G, B, A.
void ToRgba(const uint8_t* p, int bits, bool grey, uint8_t* rgba)
{
    if (grey) {
        rgba[0] = rgba[1] = rgba[2] = p[0];
        rgba[3] = bits == 16 ? p[1] : 255;
    } else if (bits <= 16) {
        const unsigned v = GvRead16(p);
        rgba[0] = static_cast<uint8_t>(((v >> 10) & 31u) * 255u / 31u);
        rgba[1] = static_cast<uint8_t>(((v >> 5) & 31u) * 255u / 31u);
        rgba[2] = static_cast<uint8_t>((v & 31u) * 255u / 31u);
        rgba[3] = 255;
    } else {
        rgba[0] = p[2];
        rgba[1] = p[1];
        rgba[2] = p[0];
        rgba[3] = bits == 32 ? p[3] : 255;
    }
}

} // namespace

GvTexture* GvLoadTgaTexture(const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    // GvLoadImageTexture took it for a TGA by its type, map type and bit counts.
    const int type = data[2] & 7;
    const bool runLength = (data[2] & 8) != 0, mapped = type == 1, grey = type == 3;
    const size_t mapLength = data[1] ? GvRead16(data + 5) : 0, mapEntry = (data[7] + 7u) / 8u;
    const int width = static_cast<int>(GvRead16(data + 12)), height = static_cast<int>(GvRead16(data + 14));
    const int bits = data[16], pixelBits = mapped ? data[7] : bits;
    const size_t stored = (bits + 7u) / 8u;
    const bool topFirst = (data[17] & 0x20) != 0;
    if (mapped && mapLength == 0) {
        *error = GV_LOAD_CORRUPT;
        return nullptr;
    }
    const int channels = ChannelsOf(pixelBits, grey);
    if (!GvImageTarget::Check(width, height, channels, error))
        return nullptr;
    size_t at = kHeaderSize + data[0] + mapLength * mapEntry;
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    // The least the data can take: every pixel stored, or one run of 128
    // per packet.
    const size_t least = runLength ? (pixels + 127) / 128 * (1 + stored) : pixels * stored;
    if (at > size || size - at < least) {
        *error = GV_LOAD_TRUNCATED;
        return nullptr;
    }
    const uint8_t* map = data + kHeaderSize + data[0];
    GvImageTarget target;
    if (!target.Begin(width, height, channels, error))
        return nullptr;
    std::vector<uint8_t> row(static_cast<size_t>(width) * 4);
    size_t done = 0, left = 0;
    bool repeat = false;
    const uint8_t* pixel = nullptr;
    while (done < pixels) {
        if (runLength && left == 0) {
            if (at >= size) {
                *error = GV_LOAD_TRUNCATED;
                return nullptr;
            }
            repeat = (data[at] & 0x80) != 0;
            left = (data[at] & 0x7Fu) + 1u;
            ++at;
            pixel = nullptr;
        }
        if (!repeat || !pixel) {
            if (size - at < stored) {
                *error = GV_LOAD_TRUNCATED;
                return nullptr;
            }
            pixel = data + at;
            at += stored;
        }
        if (runLength)
            --left;
        const uint8_t* source = pixel;
        if (mapped) {
            if (*pixel >= mapLength) {
                *error = GV_LOAD_CORRUPT;
                return nullptr;
            }
            source = map + *pixel * mapEntry;
        }
        const int x = static_cast<int>(done % static_cast<size_t>(width));
        ToRgba(source, pixelBits, grey, row.data() + 4 * x);
        ++done;
        if (x == width - 1) {
            const int y = static_cast<int>(done / static_cast<size_t>(width)) - 1;
            target.StoreRgbaRow(topFirst ? y : height - 1 - y, row.data());
        }
    }
    return target.Release();
}
