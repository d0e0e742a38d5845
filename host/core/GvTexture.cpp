#include "GvTexture.h"

#include "GvPath.h"
#include "GvStringFunctions.h"
#include "GvTextureLoaders.h"

GvTexture::GvTexture(GvTextureType type, GvPixelFormatType format, int width, int height, int depth, int mipCount)
    : m_width(width), m_height(height), m_depth(depth), m_type(type), m_format(format), m_mipCount(mipCount)
{
}

GvTexture::~GvTexture() = default;

Gv2DTexture::Gv2DTexture(GvPixelFormatType format, int width, int height, int mipCount)
    : GvTexture(GV_TEXTURE_2D, format, width, height, 1, mipCount)
{
}

Gv3DTexture::Gv3DTexture(GvPixelFormatType format, int width, int height, int depth, int mipCount)
    : GvTexture(GV_TEXTURE_3D, format, width, height, depth, mipCount)
{
}

GvCubemap::GvCubemap(GvPixelFormatType format, int edgeSize, int mipCount)
    : GvTexture(GV_TEXTURE_CUBE, format, edgeSize, edgeSize, 1, mipCount)
{
}

int GvTexture::FullMipChain(int width, int height, int depth)
{
    int largest = width > height ? width : height;
    if (depth > largest)
        largest = depth;
    int levels = 1;
    while (largest > 1) {
        largest >>= 1;
        ++levels;
    }
    return levels;
}

GvTexture* GvTexture::Create(GvTextureType type, GvPixelFormatType format, int width, int height, int depth,
                             int mipCount)
{
    const bool sizeOk = width >= 1 && width <= kMaxSize && height >= 1 && height <= kMaxSize && depth >= 1
                        && depth <= kMaxSize && (type == GV_TEXTURE_3D || depth == 1)
                        && (type != GV_TEXTURE_CUBE || width == height);
    if (!sizeOk || GvPixelFormatBytesPerPixel(format) == 0 || mipCount < 1
        || mipCount > FullMipChain(width, height, depth))
        return nullptr;
    GvTexture* texture = nullptr;
    switch (type) {
    case GV_TEXTURE_2D: texture = new Gv2DTexture(format, width, height, mipCount); break;
    case GV_TEXTURE_3D: texture = new Gv3DTexture(format, width, height, depth, mipCount); break;
    case GV_TEXTURE_CUBE: texture = new GvCubemap(format, width, mipCount); break;
    default: return nullptr;
    }
    const size_t total = texture->FaceSize() * static_cast<size_t>(texture->GetNumFaces());
    if (total > static_cast<size_t>(kMaxBytes) || !texture->m_data.Allocate(total)) {
        delete texture;
        return nullptr;
    }
    return texture;
}

int GvTexture::LevelExtent(int size, int level) const
{
    if (level < 0 || level >= m_mipCount)
        return 0;
    const int extent = size >> level;
    return extent > 0 ? extent : 1;
}

size_t GvTexture::GetLevelSize(int level) const
{
    return static_cast<size_t>(GetLevelWidth(level)) * static_cast<size_t>(GetLevelHeight(level))
           * static_cast<size_t>(GetLevelDepth(level)) * static_cast<size_t>(GvPixelFormatBytesPerPixel(m_format));
}

size_t GvTexture::FaceSize() const
{
    size_t size = 0;
    for (int level = 0; level < m_mipCount; ++level)
        size += GetLevelSize(level);
    return size;
}

uint8_t* GvTexture::GetLevelData(int face, int level)
{
    if (face < 0 || face >= GetNumFaces() || level < 0 || level >= m_mipCount || !m_data.GetData())
        return nullptr;
    size_t offset = FaceSize() * static_cast<size_t>(face);
    for (int l = 0; l < level; ++l)
        offset += GetLevelSize(l);
    return m_data.GetData() + offset;
}

const uint8_t* GvTexture::GetLevelData(int face, int level) const
{
    return const_cast<GvTexture*>(this)->GetLevelData(face, level);
}

const unsigned short* GvTextureLoadErrorToString(GvTextureLoadError error)
{
    switch (error) {
    case GV_LOAD_OK: return GvW(u"The texture was read.");
    case GV_LOAD_CANNOT_OPEN: return GvW(u"The file cannot be opened.");
    case GV_LOAD_READ_FAILED: return GvW(u"The file could not be read to its end.");
    case GV_LOAD_UNKNOWN_FORMAT: return GvW(u"The file is not a DDS, PNG, JPEG, BMP or TGA image.");
    case GV_LOAD_UNSUPPORTED: return GvW(u"This kind of image is not supported.");
    case GV_LOAD_TRUNCATED: return GvW(u"The file ends before its image data does.");
    case GV_LOAD_CORRUPT: return GvW(u"The image data is damaged.");
    case GV_LOAD_OUT_OF_MEMORY: return GvW(u"There is not enough memory for the image.");
    }
    return GvW(u"Unknown error.");
}

GvTexture* GvLoadTextureFromMemory(const uint8_t* data, size_t size, GvTextureLoadError* error)
{
    GvTextureLoadError ignored;
    if (!error)
        error = &ignored;
    *error = GV_LOAD_OK;
    if (!data || size == 0) {
        *error = GV_LOAD_UNKNOWN_FORMAT;
        return nullptr;
    }
    return GvIsDdsFile(data, size) ? GvLoadDdsTexture(data, size, error) : GvLoadImageTexture(data, size, error);
}

GvTexture* GvLoadTexture(const unsigned short* path, GvTextureLoadError* error)
{
    GvBuffer<uint8_t> contents;
    switch (GvReadFile(path, GvTexture::kMaxBytes + 4096u, contents)) {
    case GV_READ_OK: return GvLoadTextureFromMemory(contents.GetData(), contents.GetCount(), error);
    case GV_READ_CANNOT_OPEN:
        if (error)
            *error = GV_LOAD_CANNOT_OPEN;
        return nullptr;
    case GV_READ_FAILED:
        if (error)
            *error = GV_LOAD_READ_FAILED;
        return nullptr;
    case GV_READ_TOO_LARGE:
        if (error)
            *error = GV_LOAD_UNSUPPORTED;
        return nullptr;
    }
    return nullptr;
}
