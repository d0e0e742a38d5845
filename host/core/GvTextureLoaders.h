#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include "GvTexture.h"

// Little-endian fields of file headers.
inline uint32_t GvRead16(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8;
}

inline uint32_t GvRead32(const uint8_t* p)
{
    return GvRead16(p) | GvRead16(p + 2) << 16;
}

// The readers behind GvLoadTextureFromMemory. Each returns a new texture or
// null with *error set (error is never null here).
bool GvIsDdsFile(const uint8_t* data, size_t size);
GvTexture* GvLoadDdsTexture(const uint8_t* data, size_t size, GvTextureLoadError* error);
// PNG, JPEG, BMP and TGA.
GvTexture* GvLoadImageTexture(const uint8_t* data, size_t size, GvTextureLoadError* error);

// Told apart by their signatures; TGA has none, so it is whatever else has a
// plausible TGA header.
enum GvImageKind
{
    GV_IMAGE_NONE,
    GV_IMAGE_PNG,
    GV_IMAGE_JPEG,
    GV_IMAGE_BMP,
    GV_IMAGE_TGA
};

// The 2-D texture a decoder fills: 1 channel is L8, 2 L8A8, 3 R8G8B8, 4
// R8G8B8A8, so the format says what the file stores.
class GvImageTarget
{
public:
    // False with *error set for a size the texture cannot take.
    static bool Check(int width, int height, int channels, GvTextureLoadError* error);
    // Check, then the zero-filled texture; false also when memory is short.
    bool Begin(int width, int height, int channels, GvTextureLoadError* error);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Channels() const { return m_channels; }
    uint8_t* Row(int y);
    // Width pixels of 8-bit R, G, B, A, narrowed to the texture's channels.
    void StoreRgbaRow(int y, const uint8_t* rgba);
    GvTexture* Release() { return m_texture.release(); }

private:
    std::unique_ptr<GvTexture> m_texture;
    int m_width = 0, m_height = 0, m_channels = 0;
};

// Whether a PNG's header (at least 26 bytes) says it stores grey.
bool GvPngStoresGrey(const uint8_t* data, size_t size);

GvTexture* GvLoadTgaTexture(const uint8_t* data, size_t size, GvTextureLoadError* error);
// Ours only where the platform has no BMP decoder (not on Windows).
GvTexture* GvLoadBmpTexture(const uint8_t* data, size_t size, GvTextureLoadError* error);
// The platform's decoders: Windows Imaging Component on Windows, libpng,
// libjpeg and our own BMP reader elsewhere.
GvTexture* GvDecodePlatformImage(GvImageKind kind, const uint8_t* data, size_t size, GvTextureLoadError* error);
