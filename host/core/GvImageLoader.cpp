#include "GvTextureLoaders.h"

#include <cstring>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_MAX_DIMENSIONS 16384
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

// stb_image 2.27 writes past its tables when a JPEG's Huffman table claims
// more than 256 codes; such files are refused before it sees them. The walk
// follows the markers as stb reads them, skipping entropy-coded data.
bool JpegHuffmanTablesFit(const uint8_t* data, size_t size)
{
    // stb takes any number of 0xFF fill bytes before the start marker.
    size_t i = 0;
    while (i < size && data[i] == 0xFF)
        ++i;
    if (i == 0 || i >= size || data[i] != 0xD8)
        return true;
    ++i;
    while (i + 4 <= size) {
        const uint8_t marker = data[i + 1];
        if (data[i] != 0xFF || marker == 0xFF) {
            ++i;
            continue;
        }
        if (marker == 0x00 || marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += 2;
            continue;
        }
        if (marker == 0xD9)
            break;
        const size_t length = static_cast<size_t>(data[i + 2]) << 8 | data[i + 3];
        if (marker == 0xC4) {
            long left = static_cast<long>(length) - 2;
            // Past the end stb reads zeros, so a cut table counts what is there.
            for (size_t p = i + 4; left > 0 && p < size;) {
                int codes = 0;
                for (size_t n = p + 1; n <= p + 16 && n < size; ++n)
                    codes += data[n];
                if (codes > 256)
                    return false;
                p += 17 + static_cast<size_t>(codes);
                left -= 17 + codes;
            }
        }
        i += 2 + length;
    }
    return true;
}

} // namespace

GvTexture* GvLoadImageTexture(const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    if (size > 0x7FFFFFFF) {
        *error = GV_LOAD_UNSUPPORTED;
        return nullptr;
    }
    const int length = static_cast<int>(size);
    int width = 0, height = 0, channels = 0;
    if (!JpegHuffmanTablesFit(data, size)) {
        *error = GV_LOAD_CORRUPT;
        return nullptr;
    }
    if (!stbi_info_from_memory(data, length, &width, &height, &channels)) {
        *error = GV_LOAD_UNKNOWN_FORMAT;
        return nullptr;
    }
    unsigned char* pixels = stbi_load_from_memory(data, length, &width, &height, &channels, 0);
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        *error = reason && std::strcmp(reason, "outofmem") == 0 ? GV_LOAD_OUT_OF_MEMORY : GV_LOAD_CORRUPT;
        return nullptr;
    }
    static const GvPixelFormatType kFormats[5] = {GV_FORMAT_UNKNOWN, GV_FORMAT_L8, GV_FORMAT_L8A8, GV_FORMAT_R8G8B8,
                                                  GV_FORMAT_R8G8B8A8};
    const GvPixelFormatType format = channels >= 1 && channels <= 4 ? kFormats[channels] : GV_FORMAT_UNKNOWN;
    GvTexture* texture = GvTexture::Create(GV_TEXTURE_2D, format, width, height, 1, 1);
    if (texture)
        std::memcpy(texture->GetLevelData(0, 0), pixels, texture->GetLevelSize(0));
    else
        *error = format == GV_FORMAT_UNKNOWN ? GV_LOAD_CORRUPT : GV_LOAD_OUT_OF_MEMORY;
    stbi_image_free(pixels);
    return texture;
}
