#include <cstring>

#include "GvTextureLoaders.h"

namespace {

const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t Read32BigEndian(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8
           | p[3];
}

bool PlausibleTgaHeader(const uint8_t* data, size_t size)
{
    if (size < 18 || data[1] > 1)
        return false;
    const int type = data[2] & ~8, bits = data[16], mapBits = data[7];
    switch (type) {
    case 1: return data[1] == 1 && bits == 8 && (mapBits == 15 || mapBits == 16 || mapBits == 24 || mapBits == 32);
    case 2: return (data[2] & 0xF0) == 0 && (bits == 15 || bits == 16 || bits == 24 || bits == 32);
    case 3: return (data[2] & 0xF0) == 0 && (bits == 8 || bits == 16);
    }
    return false;
}

bool IsJpegFrameMarker(uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The size a header states, where it can be found before the pixels (else
// 0 x 0, left to the decoder to refuse).
void StatedSize(GvImageKind kind, const uint8_t* data, size_t size, uint32_t* width, uint32_t* height)
{
    *width = *height = 0;
    if (kind == GV_IMAGE_PNG && size >= 24) {
        *width = Read32BigEndian(data + 16);
        *height = Read32BigEndian(data + 20);
    } else if (kind == GV_IMAGE_BMP && size >= 26) {
        const bool core = data[14] == 12 && data[15] == 0 && data[16] == 0 && data[17] == 0;
        const uint32_t w = core ? GvRead16(data + 18) : GvRead32(data + 18);
        const uint32_t h = core ? GvRead16(data + 20) : GvRead32(data + 22);
        *width = w;
        // Negative heights are stored top row first.
        *height = h & 0x80000000u ? 0u - h : h;
    } else if (kind == GV_IMAGE_JPEG) {
        for (size_t i = 2; i + 4 <= size && data[i] == 0xFF;) {
            const uint8_t marker = data[i + 1];
            if (marker == 0xFF || marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
                i += marker == 0xFF ? 1 : 2;
                continue;
            }
            if (marker == 0xDA || marker == 0xD9)
                return;
            if (IsJpegFrameMarker(marker)) {
                if (i + 9 <= size) {
                    *height = static_cast<uint32_t>(data[i + 5]) << 8 | data[i + 6];
                    *width = static_cast<uint32_t>(data[i + 7]) << 8 | data[i + 8];
                }
                return;
            }
            i += 2 + (static_cast<size_t>(data[i + 2]) << 8 | data[i + 3]);
        }
    }
}

GvImageKind Sniff(const uint8_t* data, size_t size)
{
    if (size >= 8 && std::memcmp(data, kPngSignature, 8) == 0)
        return GV_IMAGE_PNG;
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
        return GV_IMAGE_JPEG;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M')
        return GV_IMAGE_BMP;
    return PlausibleTgaHeader(data, size) ? GV_IMAGE_TGA : GV_IMAGE_NONE;
}

} // namespace

bool GvImageTarget::Check(int width, int height, int channels, GvTextureLoadError* error)
{
    if (width < 1 || height < 1 || channels < 1 || channels > 4) {
        *error = GV_LOAD_CORRUPT;
        return false;
    }
    // Both limits together keep width * height * 4 far from overflowing.
    if (width > GvTexture::kMaxSize || height > GvTexture::kMaxSize
        || static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * static_cast<uint64_t>(channels)
               > GvTexture::kMaxBytes) {
        *error = GV_LOAD_UNSUPPORTED;
        return false;
    }
    return true;
}

bool GvImageTarget::Begin(int width, int height, int channels, GvTextureLoadError* error)
{
    static const GvPixelFormatType kFormats[4] = {GV_FORMAT_L8, GV_FORMAT_L8A8, GV_FORMAT_R8G8B8, GV_FORMAT_R8G8B8A8};
    if (!Check(width, height, channels, error))
        return false;
    m_texture.reset(GvTexture::Create(GV_TEXTURE_2D, kFormats[channels - 1], width, height, 1, 1));
    if (!m_texture) {
        *error = GV_LOAD_OUT_OF_MEMORY;
        return false;
    }
    m_width = width;
    m_height = height;
    m_channels = channels;
    return true;
}

uint8_t* GvImageTarget::Row(int y)
{
    return m_texture->GetLevelData(0, 0) + static_cast<size_t>(y) * static_cast<size_t>(m_width) * m_channels;
}

void GvImageTarget::StoreRgbaRow(int y, const uint8_t* rgba)
{
    uint8_t* out = Row(y);
    for (int x = 0; x < m_width; ++x, rgba += 4) {
        switch (m_channels) {
        case 1: *out++ = rgba[0]; break;
        case 2:
            *out++ = rgba[0];
            *out++ = rgba[3];
            break;
        default:
            std::memcpy(out, rgba, static_cast<size_t>(m_channels));
            out += m_channels;
            break;
        }
    }
}

bool GvPngStoresGrey(const uint8_t* data, size_t size)
{
    // The colour type of IHDR, the first chunk: without the colour bit (2) it is grey.
    return size > 25 && (data[25] & 2) == 0;
}

GvTexture* GvLoadImageTexture(const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    const GvImageKind kind = Sniff(data, size);
    if (kind == GV_IMAGE_NONE) {
        *error = GV_LOAD_UNKNOWN_FORMAT;
        return nullptr;
    }
    if (kind == GV_IMAGE_TGA)
        return GvLoadTgaTexture(data, size, error);
    // Refused before any decoder sees it: every decoder then refuses an
    // absurd size alike, and none has to compute with it (Wine's JPEG codec
    // overflows its buffer size at 60000 x 60000).
    uint32_t width = 0, height = 0;
    StatedSize(kind, data, size, &width, &height);
    if (width > GvTexture::kMaxSize || height > GvTexture::kMaxSize) {
        *error = GV_LOAD_UNSUPPORTED;
        return nullptr;
    }
    return GvDecodePlatformImage(kind, data, size, error);
}
