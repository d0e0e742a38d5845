#pragma once
#include <cstddef>
#include <cstdint>
#include "GvBuffer.h"
#include "GvCoreExport.h"
#include "GvPixelFormat.h"

enum GvTextureType
{
    GV_TEXTURE_2D = 0,
    GV_TEXTURE_3D = 1,
    GV_TEXTURE_CUBE = 2
};

// Face order of cube maps, as stored in DDS files.
enum GvCubemapFace
{
    GV_FACE_POSITIVE_X = 0,
    GV_FACE_NEGATIVE_X = 1,
    GV_FACE_POSITIVE_Y = 2,
    GV_FACE_NEGATIVE_Y = 3,
    GV_FACE_POSITIVE_Z = 4,
    GV_FACE_NEGATIVE_Z = 5
};

// A texture object: pixels of one format in a mip chain, for each face (six
// for a cube map, else one). Level l is max(1, size >> l) in every
// dimension; a level of a face is depth slices of height rows of width
// pixels, tightly packed, top row first. Storage comes from
// GvAllocateBuffer: all faces, each with all its levels, in that order.
// Invariants: 1 <= mip count <= the full chain of the largest dimension;
// a cube map is square with depth 1, a 2-D texture has depth 1.
class GV_CORE_API GvTexture
{
public:
    enum
    {
        kMaxSize = 16384,
        kMaxBytes = 512 * 1024 * 1024
    };

    // A zero-filled texture, or null for a size, format or mip count that
    // cannot be (sizes from 1 to kMaxSize, mip count from 1 to the full
    // chain, at most kMaxBytes of pixels) or when memory is short.
    static GvTexture* Create(GvTextureType type, GvPixelFormatType format, int width, int height, int depth,
                             int mipCount);
    static int FullMipChain(int width, int height, int depth);

    virtual ~GvTexture();
    GvTexture(const GvTexture&) = delete;
    GvTexture& operator=(const GvTexture&) = delete;

    GvTextureType GetTextureType() const { return m_type; }
    GvPixelFormatType GetFormat() const { return m_format; }
    int GetNumMipmaps() const { return m_mipCount; }
    int GetNumFaces() const { return m_type == GV_TEXTURE_CUBE ? 6 : 1; }
    // Size of a level; 0 for a level that does not exist.
    int GetLevelWidth(int level) const { return LevelExtent(m_width, level); }
    int GetLevelHeight(int level) const { return LevelExtent(m_height, level); }
    int GetLevelDepth(int level) const { return LevelExtent(m_depth, level); }
    // Bytes of one face at a level; 0 for a level that does not exist.
    size_t GetLevelSize(int level) const;
    // Null for a face or level that does not exist.
    const uint8_t* GetLevelData(int face, int level) const;
    uint8_t* GetLevelData(int face, int level);

protected:
    GvTexture(GvTextureType type, GvPixelFormatType format, int width, int height, int depth, int mipCount);

    int m_width, m_height, m_depth;

private:
    int LevelExtent(int size, int level) const;
    size_t FaceSize() const;

    GvTextureType m_type;
    GvPixelFormatType m_format;
    int m_mipCount;
    GvBuffer<uint8_t> m_data;
};

class GV_CORE_API Gv2DTexture : public GvTexture
{
public:
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

private:
    friend class GvTexture;
    Gv2DTexture(GvPixelFormatType format, int width, int height, int mipCount);
};

class GV_CORE_API Gv3DTexture : public GvTexture
{
public:
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetDepth() const { return m_depth; }

private:
    friend class GvTexture;
    Gv3DTexture(GvPixelFormatType format, int width, int height, int depth, int mipCount);
};

class GV_CORE_API GvCubemap : public GvTexture
{
public:
    int GetEdgeSize() const { return m_width; }

private:
    friend class GvTexture;
    GvCubemap(GvPixelFormatType format, int edgeSize, int mipCount);
};

// Why a texture file could not be read.
enum GvTextureLoadError
{
    GV_LOAD_OK = 0,
    GV_LOAD_CANNOT_OPEN,    // missing, unreadable, or no path
    GV_LOAD_READ_FAILED,    // reading stopped early
    GV_LOAD_UNKNOWN_FORMAT, // not a DDS, PNG, JPEG, BMP or TGA file
    GV_LOAD_UNSUPPORTED,    // a kind of file this reader does not take (compressed DDS, partial cube map, too large)
    GV_LOAD_TRUNCATED,      // the file ends before its pixels do
    GV_LOAD_CORRUPT,        // inconsistent header or damaged data
    GV_LOAD_OUT_OF_MEMORY
};

GV_CORE_API const unsigned short* GvTextureLoadErrorToString(GvTextureLoadError error);

// Reads a DDS (uncompressed RGB, RGBA, BGRA, luminance and alpha formats, also
// through the DX10 header; mip chains, volume textures, complete cube maps),
// PNG, JPEG, BMP or TGA file, told apart by content. Returns a new texture
// (the caller deletes it) or null with the reason in *error (when given).
GV_CORE_API GvTexture* GvLoadTexture(const unsigned short* path, GvTextureLoadError* error);
GV_CORE_API GvTexture* GvLoadTextureFromMemory(const uint8_t* data, size_t size, GvTextureLoadError* error);
