#include <vector>

#include "GvTextureLoaders.h"

namespace {

// File header: "BM", file size, reserved, pixel offset; then the info header,
// whose first field is its size (12 in the old core form).
constexpr size_t kFileHeaderSize = 14;

enum : uint32_t
{
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3,
    BI_JPEG = 4,
    BI_PNG = 5,
    BI_ALPHABITFIELDS = 6
};

// One channel's bits in a 16- or 32-bit pixel, widened or narrowed to 8.
struct Mask
{
    uint32_t m_mask = 0;
    int m_shift = 0, m_bits = 0;

    bool Set(uint32_t mask)
    {
        m_mask = mask;
        m_shift = m_bits = 0;
        if (!mask)
            return true;
        while (!(mask & 1u)) {
            mask >>= 1;
            ++m_shift;
        }
        while (mask & 1u) {
            mask >>= 1;
            ++m_bits;
        }
        return mask == 0; // contiguous
    }

    uint8_t Of(uint32_t pixel, uint8_t absent) const
    {
        if (!m_mask)
            return absent;
        const uint32_t value = (pixel & m_mask) >> m_shift;
        if (m_bits >= 8)
            return static_cast<uint8_t>(value >> (m_bits - 8));
        const uint32_t maximum = (1u << m_bits) - 1u;
        return static_cast<uint8_t>((value * 255u + maximum / 2u) / maximum);
    }
};

struct Layout
{
    int width = 0, height = 0, bits = 0;
    bool topFirst = false;
    Mask masks[4]; // R, G, B, A for 16 and 32 bits
    size_t mapAt = 0, mapEntry = 4, mapCount = 0;
};

// The info header; GV_LOAD_OK or why the file cannot be read.
GvTextureLoadError ReadLayout(const uint8_t* data, size_t size, Layout& layout)
{
    if (size < kFileHeaderSize + 4)
        return GV_LOAD_TRUNCATED;
    const uint32_t infoSize = GvRead32(data + kFileHeaderSize);
    const uint8_t* info = data + kFileHeaderSize;
    if (infoSize != 12 && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 64 && infoSize != 108
        && infoSize != 124)
        return GV_LOAD_CORRUPT;
    if (size < kFileHeaderSize + infoSize)
        return GV_LOAD_TRUNCATED;
    uint32_t compression = BI_RGB, used = 0;
    int64_t height = 0;
    if (infoSize == 12) {
        layout.width = static_cast<int>(GvRead16(info + 4));
        height = GvRead16(info + 6);
        layout.bits = static_cast<int>(GvRead16(info + 10));
        layout.mapEntry = 3;
    } else {
        layout.width = static_cast<int32_t>(GvRead32(info + 4));
        height = static_cast<int32_t>(GvRead32(info + 8));
        layout.bits = static_cast<int>(GvRead16(info + 14));
        compression = GvRead32(info + 16);
        used = GvRead32(info + 32);
    }
    if (GvRead16(info + (infoSize == 12 ? 8 : 12)) != 1 || layout.width <= 0 || height == 0)
        return GV_LOAD_CORRUPT;
    layout.topFirst = height < 0;
    height = height < 0 ? -height : height;
    if (height > INT32_MAX)
        return GV_LOAD_CORRUPT;
    layout.height = static_cast<int>(height);
    const int bits = layout.bits;
    if (compression == BI_RLE8 || compression == BI_RLE4 || compression == BI_JPEG || compression == BI_PNG)
        return GV_LOAD_UNSUPPORTED;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return GV_LOAD_UNSUPPORTED;
    const bool fields = compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS;
    if ((compression != BI_RGB && !fields) || (fields && bits != 16 && bits != 32))
        return GV_LOAD_CORRUPT;
    size_t end = kFileHeaderSize + infoSize;
    if (fields) {
        // A 40-byte header is followed by the masks; later headers hold them.
        const size_t count = compression == BI_ALPHABITFIELDS || infoSize >= 56 ? 4 : 3;
        const size_t at = infoSize == 40 ? end : kFileHeaderSize + 40;
        if (infoSize == 40)
            end += 4 * count;
        if (size < at + 4 * count)
            return GV_LOAD_TRUNCATED;
        for (size_t i = 0; i < count; ++i)
            if (!layout.masks[i].Set(GvRead32(data + at + 4 * i)))
                return GV_LOAD_CORRUPT;
    } else if (bits == 16) {
        layout.masks[0].Set(0x7C00);
        layout.masks[1].Set(0x03E0);
        layout.masks[2].Set(0x001F);
    } else if (bits == 32) {
        // Alpha that is 0 everywhere is taken as opaque (see GvLoadBmpTexture).
        layout.masks[0].Set(0x00FF0000);
        layout.masks[1].Set(0x0000FF00);
        layout.masks[2].Set(0x000000FF);
        layout.masks[3].Set(0xFF000000);
    }
    if (bits <= 8) {
        layout.mapAt = end;
        layout.mapCount = used && used < (1u << bits) ? used : 1u << bits;
        if (size < end || (size - end) / layout.mapEntry < layout.mapCount)
            return GV_LOAD_TRUNCATED;
    }
    return GV_LOAD_OK;
}

} // namespace

GvTexture* GvLoadBmpTexture(const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    Layout layout;
    *error = ReadLayout(data, size, layout);
    if (*error != GV_LOAD_OK)
        return nullptr;
    const bool alpha = layout.masks[3].m_mask != 0;
    const int width = layout.width, height = layout.height, bits = layout.bits;
    if (!GvImageTarget::Check(width, height, alpha ? 4 : 3, error))
        return nullptr;
    const uint32_t offset = GvRead32(data + 10);
    const uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    const uint64_t lastRow = (static_cast<uint64_t>(width) * bits + 7) / 8;
    if (offset < kFileHeaderSize + GvRead32(data + kFileHeaderSize)) {
        *error = GV_LOAD_CORRUPT;
        return nullptr;
    }
    if (offset > size || size - offset < stride * static_cast<uint64_t>(height - 1) + lastRow) {
        *error = GV_LOAD_TRUNCATED;
        return nullptr;
    }
    GvImageTarget target;
    if (!target.Begin(width, height, alpha ? 4 : 3, error))
        return nullptr;
    std::vector<uint8_t> row(static_cast<size_t>(width) * 4);
    bool anyAlpha = false;
    for (int r = 0; r < height; ++r) {
        const uint8_t* p = data + offset + static_cast<size_t>(stride) * static_cast<size_t>(r);
        for (int x = 0; x < width; ++x) {
            uint8_t* out = row.data() + 4 * x;
            if (bits <= 8) {
                const int perByte = 8 / bits;
                const unsigned index = p[x / perByte] >> (8 - bits * (x % perByte + 1)) & ((1u << bits) - 1u);
                const uint8_t* entry =
                    index < layout.mapCount ? data + layout.mapAt + index * layout.mapEntry : nullptr;
                out[0] = entry ? entry[2] : 0;
                out[1] = entry ? entry[1] : 0;
                out[2] = entry ? entry[0] : 0;
                out[3] = 255;
            } else if (bits == 24) {
                out[0] = p[3 * x + 2];
                out[1] = p[3 * x + 1];
                out[2] = p[3 * x];
                out[3] = 255;
            } else {
                const uint32_t pixel = bits == 16 ? GvRead16(p + 2 * x) : GvRead32(p + 4 * x);
                for (int c = 0; c < 4; ++c)
                    out[c] = layout.masks[c].Of(pixel, 255);
                anyAlpha = anyAlpha || (alpha && out[3] != 0);
            }
        }
        target.StoreRgbaRow(layout.topFirst ? r : height - 1 - r, row.data());
    }
    if (alpha && !anyAlpha)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                target.Row(y)[4 * x + 3] = 255;
    return target.Release();
}
