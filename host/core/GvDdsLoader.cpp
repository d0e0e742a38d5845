#include "GvTextureLoaders.h"

namespace {

// Header layout: "DDS ", then 31 32-bit fields (the 124-byte header, the
// pixel format at field 18), then, with the FourCC "DX10", five more.
constexpr size_t kMagicSize = 4;
constexpr size_t kHeaderSize = 124;
constexpr size_t kDx10Size = 20;

enum : uint32_t
{
    DDSD_HEIGHT = 0x2,
    DDSD_WIDTH = 0x4,
    DDSD_MIPMAPCOUNT = 0x20000,
    DDSD_DEPTH = 0x800000,
    DDPF_ALPHAPIXELS = 0x1,
    DDPF_ALPHA = 0x2,
    DDPF_FOURCC = 0x4,
    DDPF_RGB = 0x40,
    DDPF_LUMINANCE = 0x20000,
    DDSCAPS2_CUBEMAP = 0x200,
    DDSCAPS2_ALLFACES = 0xFC00,
    DDSCAPS2_VOLUME = 0x200000,
    FOURCC_DX10 = 0x30315844,
    D3DFMT_A16B16G16R16 = 36,
    DXGI_R16G16B16A16_UNORM = 11,
    DXGI_R8G8B8A8_UNORM = 28,
    DXGI_R8G8B8A8_UNORM_SRGB = 29,
    DXGI_A8_UNORM = 65,
    DXGI_B5G6R5_UNORM = 85,
    DXGI_B5G5R5A1_UNORM = 86,
    DXGI_B8G8R8A8_UNORM = 87,
    DXGI_B8G8R8X8_UNORM = 88,
    DXGI_B8G8R8A8_UNORM_SRGB = 91,
    DXGI_B8G8R8X8_UNORM_SRGB = 93,
    DXGI_B4G4R4A4_UNORM = 115,
    DX10_DIMENSION_TEXTURE3D = 4,
    DX10_MISC_TEXTURECUBE = 0x4,
};

struct MaskFormat
{
    uint32_t m_flags; // DDPF_RGB, DDPF_LUMINANCE or DDPF_ALPHA
    uint32_t m_bits;
    uint32_t m_r, m_g, m_b, m_a;
    GvPixelFormatType m_format;
};

// Uncompressed layouts by their bit masks (alpha mask 0: no alpha).
const MaskFormat kMaskFormats[] = {
    {DDPF_RGB, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000, GV_FORMAT_B8G8R8A8},
    {DDPF_RGB, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0, GV_FORMAT_B8G8R8X8},
    {DDPF_RGB, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000, GV_FORMAT_R8G8B8A8},
    {DDPF_RGB, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0, GV_FORMAT_R8G8B8X8},
    {DDPF_RGB, 24, 0x00FF0000, 0x0000FF00, 0x000000FF, 0, GV_FORMAT_B8G8R8},
    {DDPF_RGB, 24, 0x000000FF, 0x0000FF00, 0x00FF0000, 0, GV_FORMAT_R8G8B8},
    {DDPF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, GV_FORMAT_B5G6R5},
    {DDPF_RGB, 16, 0x7C00, 0x03E0, 0x001F, 0x8000, GV_FORMAT_B5G5R5A1},
    {DDPF_RGB, 16, 0x0F00, 0x00F0, 0x000F, 0xF000, GV_FORMAT_B4G4R4A4},
    {DDPF_LUMINANCE, 8, 0xFF, 0, 0, 0, GV_FORMAT_L8},
    {DDPF_LUMINANCE, 16, 0x00FF, 0, 0, 0xFF00, GV_FORMAT_L8A8},
    {DDPF_LUMINANCE, 16, 0xFFFF, 0, 0, 0, GV_FORMAT_L16},
    {DDPF_ALPHA, 8, 0, 0, 0, 0xFF, GV_FORMAT_A8},
};

GvPixelFormatType FormatFromMasks(const uint8_t* pf)
{
    const uint32_t flags = GvRead32(pf + 4);
    const uint32_t bits = GvRead32(pf + 12);
    const uint32_t r = GvRead32(pf + 16), g = GvRead32(pf + 20), b = GvRead32(pf + 24);
    const uint32_t a = (flags & (DDPF_ALPHAPIXELS | DDPF_ALPHA)) ? GvRead32(pf + 28) : 0;
    const uint32_t kind = flags & (DDPF_RGB | DDPF_LUMINANCE | DDPF_ALPHA);
    for (const MaskFormat& f : kMaskFormats)
        if (kind == f.m_flags && bits == f.m_bits && r == f.m_r && g == f.m_g && b == f.m_b && a == f.m_a)
            return f.m_format;
    return GV_FORMAT_UNKNOWN;
}

GvPixelFormatType FormatFromDxgi(uint32_t dxgi)
{
    switch (dxgi) {
    case DXGI_R16G16B16A16_UNORM: return GV_FORMAT_R16G16B16A16;
    case DXGI_R8G8B8A8_UNORM:
    case DXGI_R8G8B8A8_UNORM_SRGB: return GV_FORMAT_R8G8B8A8;
    case DXGI_A8_UNORM: return GV_FORMAT_A8;
    case DXGI_B5G6R5_UNORM: return GV_FORMAT_B5G6R5;
    case DXGI_B5G5R5A1_UNORM: return GV_FORMAT_B5G5R5A1;
    case DXGI_B8G8R8A8_UNORM:
    case DXGI_B8G8R8A8_UNORM_SRGB: return GV_FORMAT_B8G8R8A8;
    case DXGI_B8G8R8X8_UNORM:
    case DXGI_B8G8R8X8_UNORM_SRGB: return GV_FORMAT_B8G8R8X8;
    case DXGI_B4G4R4A4_UNORM: return GV_FORMAT_B4G4R4A4;
    }
    return GV_FORMAT_UNKNOWN;
}

// Bytes of all faces and levels as GvTexture lays them out.
uint64_t PixelBytes(int faces, int width, int height, int depth, int mipCount, int bytesPerPixel)
{
    uint64_t bytes = 0;
    for (int level = 0; level < mipCount; ++level) {
        const int w = width >> level, h = height >> level, d = depth >> level;
        bytes += static_cast<uint64_t>(w > 0 ? w : 1) * static_cast<uint64_t>(h > 0 ? h : 1)
                 * static_cast<uint64_t>(d > 0 ? d : 1) * static_cast<uint64_t>(bytesPerPixel);
    }
    return bytes * static_cast<uint64_t>(faces);
}

GvTexture* Fail(GvTextureLoadError* error, GvTextureLoadError reason)
{
    *error = reason;
    return nullptr;
}

} // namespace

bool GvIsDdsFile(const uint8_t* data, size_t size)
{
    return size >= kMagicSize && data[0] == 'D' && data[1] == 'D' && data[2] == 'S' && data[3] == ' ';
}

GvTexture* GvLoadDdsTexture(const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    if (size < kMagicSize + kHeaderSize)
        return Fail(error, GV_LOAD_TRUNCATED);
    const uint8_t* header = data + kMagicSize;
    const uint8_t* pf = header + 72;
    if (GvRead32(header) != kHeaderSize || GvRead32(pf) != 32)
        return Fail(error, GV_LOAD_CORRUPT);
    const uint32_t flags = GvRead32(header + 4);
    const uint32_t height = GvRead32(header + 8), width = GvRead32(header + 12), depthField = GvRead32(header + 20);
    const uint32_t mipField = GvRead32(header + 24);
    const uint32_t caps2 = GvRead32(header + 108);
    if (!(flags & DDSD_WIDTH) || !(flags & DDSD_HEIGHT) || width == 0 || height == 0)
        return Fail(error, GV_LOAD_CORRUPT);

    size_t offset = kMagicSize + kHeaderSize;
    GvTextureType type = GV_TEXTURE_2D;
    if (caps2 & DDSCAPS2_VOLUME)
        type = GV_TEXTURE_3D;
    else if (caps2 & DDSCAPS2_CUBEMAP)
        type = GV_TEXTURE_CUBE;
    if (type == GV_TEXTURE_CUBE && (caps2 & DDSCAPS2_ALLFACES) != DDSCAPS2_ALLFACES)
        return Fail(error, GV_LOAD_UNSUPPORTED);

    GvPixelFormatType format = GV_FORMAT_UNKNOWN;
    const uint32_t pfFlags = GvRead32(pf + 4);
    if (pfFlags & DDPF_FOURCC) {
        const uint32_t fourCC = GvRead32(pf + 8);
        if (fourCC == FOURCC_DX10) {
            if (size < offset + kDx10Size)
                return Fail(error, GV_LOAD_TRUNCATED);
            const uint8_t* dx10 = data + offset;
            offset += kDx10Size;
            format = FormatFromDxgi(GvRead32(dx10));
            if (GvRead32(dx10 + 12) != 1)
                return Fail(error, GV_LOAD_UNSUPPORTED); // texture arrays
            if (GvRead32(dx10 + 4) == DX10_DIMENSION_TEXTURE3D)
                type = GV_TEXTURE_3D;
            else if (GvRead32(dx10 + 8) & DX10_MISC_TEXTURECUBE)
                type = GV_TEXTURE_CUBE;
        } else if (fourCC == D3DFMT_A16B16G16R16) {
            format = GV_FORMAT_R16G16B16A16;
        }
    } else {
        format = FormatFromMasks(pf);
    }
    if (format == GV_FORMAT_UNKNOWN)
        return Fail(error, GV_LOAD_UNSUPPORTED);

    const uint32_t depth = type == GV_TEXTURE_3D && (flags & DDSD_DEPTH) ? depthField : 1;
    if (depth == 0 || (type == GV_TEXTURE_CUBE && width != height))
        return Fail(error, GV_LOAD_CORRUPT);
    if (width > GvTexture::kMaxSize || height > GvTexture::kMaxSize || depth > GvTexture::kMaxSize)
        return Fail(error, GV_LOAD_UNSUPPORTED);
    const int w = static_cast<int>(width), h = static_cast<int>(height), d = static_cast<int>(depth);
    // Writers put in 0 for "no chain" and sometimes more levels than exist.
    int mipCount = (flags & DDSD_MIPMAPCOUNT) && mipField > 1 ? static_cast<int>(mipField > 64 ? 64 : mipField) : 1;
    const int fullChain = GvTexture::FullMipChain(w, h, d);
    if (mipCount > fullChain)
        mipCount = fullChain;

    // A short file is refused before any memory is taken for its pixels.
    const int faces = type == GV_TEXTURE_CUBE ? 6 : 1;
    if (PixelBytes(faces, w, h, d, mipCount, GvPixelFormatBytesPerPixel(format)) > size - offset)
        return Fail(error, GV_LOAD_TRUNCATED);

    GvTexture* texture = GvTexture::Create(type, format, w, h, d, mipCount);
    if (!texture)
        return Fail(error, GV_LOAD_UNSUPPORTED);
    // Uncompressed levels are tightly packed, faces one after another with
    // all their levels.
    for (int face = 0; face < faces; ++face)
        for (int level = 0; level < mipCount; ++level) {
            const size_t levelSize = texture->GetLevelSize(level);
            uint8_t* target = texture->GetLevelData(face, level);
            for (size_t i = 0; i < levelSize; ++i)
                target[i] = data[offset + i];
            offset += levelSize;
        }
    return texture;
}
