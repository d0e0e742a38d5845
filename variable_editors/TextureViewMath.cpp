#include "TextureViewMath.h"
#include <algorithm>
#include <cstdint>

const wchar_t* const GvThumbnailModeNames[GvThumbnailModeCount] = {L"Thumbnail", L"25%",  L"50%", L"100%",
                                                                   L"200%",      L"400%", L"800%"};

GvSize GvTextureLevelSize(int kind, int width, int height, int edge, int level)
{
    if (kind == GvTextureCube)
        width = height = 4 * edge;
    level = std::clamp(level, 0, 31);
    return {std::max(width >> level, 1), std::max(height >> level, 1)};
}

namespace {

GvSize AtLeastOne(float cx, float cy)
{
    return {std::max(static_cast<int>(cx), 1), std::max(static_cast<int>(cy), 1)};
}

} // namespace

GvThumbnailSizes GvThumbnailSizesFor(int mode, GvSize level, GvSize client)
{
    const float w = static_cast<float>(level.cx), h = static_cast<float>(level.cy);
    switch (mode) {
    case GvThumbnail25: return {AtLeastOne(w * 0.25f, h * 0.25f), AtLeastOne(w * 0.25f, h * 0.25f)};
    case GvThumbnail50: return {AtLeastOne(w * 0.5f, h * 0.5f), AtLeastOne(w * 0.5f, h * 0.5f)};
    case GvThumbnail100: return {AtLeastOne(w, h), AtLeastOne(w, h)};
    case GvThumbnail200: return {AtLeastOne(w, h), AtLeastOne(w * 2, h * 2)};
    case GvThumbnail400: return {AtLeastOne(w, h), AtLeastOne(w * 4, h * 4)};
    case GvThumbnail800: return {AtLeastOne(w, h), AtLeastOne(w * 8, h * 8)};
    default: break;
    }
    float r = 0;
    if (client.cx > 0 && client.cy > 0)
        r = std::max(w / static_cast<float>(client.cx), h / static_cast<float>(client.cy));
    const GvSize fitted = r > 0 ? AtLeastOne(w / r, h / r) : AtLeastOne(w, h);
    return {fitted, fitted};
}

int GvMaxMipLevel(int mipCount)
{
    return std::max(mipCount - 1, 0);
}

int GvMaxSlice(int depth, int level)
{
    return std::max((depth >> std::clamp(level, 0, 31)) - 1, 0);
}

GvTextureViewIndices GvClampViewIndices(int mipLevel, int level0Slice, int mipCount, int depth)
{
    GvTextureViewIndices v;
    v.mipLevel = std::clamp(mipLevel, 0, GvMaxMipLevel(mipCount));
    v.level0Slice = std::clamp(level0Slice, 0, std::max(depth - 1, 0));
    v.slice = std::clamp(v.level0Slice >> v.mipLevel, 0, GvMaxSlice(depth, v.mipLevel));
    return v;
}

GvTextureViewIndices GvViewIndicesForSlice(int mipLevel, int slice, int depth)
{
    GvTextureViewIndices v;
    v.mipLevel = std::clamp(mipLevel, 0, 31);
    v.slice = std::clamp(slice, 0, GvMaxSlice(depth, v.mipLevel));
    const int64_t level0 = static_cast<int64_t>(v.slice) << v.mipLevel;
    v.level0Slice = static_cast<int>(std::clamp<int64_t>(level0, 0, std::max(depth - 1, 0)));
    return v;
}

GvTextureLayoutLines GvTextureLayoutLinesFor(bool renderable, int mipCount, bool isVolume, bool hasAlpha)
{
    return {!renderable, mipCount > 1, isVolume, hasAlpha};
}

GvSize GvThumbnailAreaSize(GvSize clientSize, int viewGroupBottom, unsigned dpi)
{
    const int least = GvScaleToDpi(32, dpi);
    return {std::max(clientSize.cx, least),
            std::max(clientSize.cy - (viewGroupBottom + GvScaleToDpi(4, dpi)), least)};
}

namespace {

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

struct AxisPart
{
    int64_t texelFrom, texelTo, pixelFrom, pixelTo;
};

// One axis: the texels of a picture of count texels stretched over length
// pixels that cover the visible pixels [from, to) (item coordinates), and
// the pixels those texels cover. Enlarged pictures use a whole zoom, the
// nearest one when the window system capped the length: a fractional one
// would round the texel edges differently for each part painted alone.
AxisPart VisibleAxis(int64_t length, int64_t count, int64_t from, int64_t to)
{
    if (length >= count) {
        const int64_t zoom = (length + count / 2) / count;
        const int64_t first = FloorDiv(from, zoom), last = std::min(-FloorDiv(-to, zoom), count);
        return {first, last, first * zoom, last * zoom};
    }
    const int64_t first = FloorDiv(from * count, length);
    const int64_t last = std::min<int64_t>(-FloorDiv(-to * count, length), count);
    return {first, last, first * length / count, last * length / count};
}

} // namespace

GvStretchPart GvVisibleStretchPart(const GvRect& item, GvSize bitmap, const GvRect& clip)
{
    const GvRect visible = {std::max(item.left, clip.left), std::max(item.top, clip.top),
                            std::min(item.right, clip.right), std::min(item.bottom, clip.bottom)};
    if (visible.IsEmpty() || item.IsEmpty() || bitmap.cx <= 0 || bitmap.cy <= 0)
        return {{0, 0, 0, 0}, {0, 0, 0, 0}};
    const AxisPart x = VisibleAxis(item.Width(), bitmap.cx, visible.left - item.left, visible.right - item.left);
    const AxisPart y = VisibleAxis(item.Height(), bitmap.cy, visible.top - item.top, visible.bottom - item.top);
    GvStretchPart part;
    part.src = {int(x.texelFrom), int(y.texelFrom), int(x.texelTo), int(y.texelTo)};
    part.dst = {item.left + int(x.pixelFrom), item.top + int(y.pixelFrom), item.left + int(x.pixelTo),
                item.top + int(y.pixelTo)};
    return part;
}

const unsigned short* GvFileNamePart(const unsigned short* path)
{
    if (!path)
        return path;
    const unsigned short* part = path;
    for (const unsigned short* p = path; *p; ++p)
        if (*p == '/' || *p == '\\' || *p == ':')
            part = p + 1;
    return part;
}

bool GvIsWorkspaceFile(const unsigned short* path)
{
    if (!path)
        return false;
    const unsigned short* end = path;
    while (*end)
        ++end;
    if (end - path < 4)
        return false;
    const char ext[] = ".gvx";
    for (int i = 0; i < 4; ++i) {
        unsigned short c = end[i - 4];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<unsigned short>(c - 'A' + 'a');
        if (c != static_cast<unsigned char>(ext[i]))
            return false;
    }
    return true;
}
