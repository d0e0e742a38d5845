#pragma once
// Arithmetic of the texture edit control: level sizes, the thumbnail size
// modes, the mip level and depth slice clamps, which lines the layout shows,
// and the part of a zoomed thumbnail that painting stretches. Portable;
// CGvTextureEditCtrl calls it with what it reads from the texture.
#include "platform/portable/DpiScale.h"

// The kinds a texture object reports (its GvTextureType).
enum GvTextureKind
{
    GvTexture2D = 0,
    GvTextureVolume = 1,
    GvTextureCube = 2
};

// The items of the thumbnail size list, in list order; the value is the
// item data.
enum GvThumbnailMode
{
    GvThumbnailFit = 0, // "Thumbnail": fitted to the scroll window's client area
    GvThumbnail25,
    GvThumbnail50,
    GvThumbnail100,
    GvThumbnail200,
    GvThumbnail400,
    GvThumbnail800,
    GvThumbnailModeCount
};
extern const wchar_t* const GvThumbnailModeNames[GvThumbnailModeCount];

// The picture of one level: width and height (a cube map is laid out four
// edges wide and high), shifted right by the level, each at least 1.
GvSize GvTextureLevelSize(int kind, int width, int height, int edge, int level);

struct GvThumbnailSizes
{
    GvSize bitmap;    // what GvGfxCreateTextureBitmap renders
    GvSize thumbnail; // the thumbnail window, the bitmap stretched onto it
};
// Sizes for a level picture of size level in a scroll window whose client
// area is client. Products are truncated, then raised to at least 1. The fit
// ratio is computed in single precision; an empty client area or picture
// keeps the picture's size. A mode outside the list counts as "Thumbnail".
GvThumbnailSizes GvThumbnailSizesFor(int mode, GvSize level, GvSize client);

// The view's indices after the texture changed (or a level was typed): the
// level within 0 .. mipCount - 1, the level-0 slice within the depth, and
// the slice at the level that it falls into.
struct GvTextureViewIndices
{
    int mipLevel;
    int level0Slice;
    int slice;
};
int GvMaxMipLevel(int mipCount);
// The last slice of a volume of depth (at level 0) at the level; 0 at least.
int GvMaxSlice(int depth, int level);
GvTextureViewIndices GvClampViewIndices(int mipLevel, int level0Slice, int mipCount, int depth);
// A slice typed at the current level: clamped to that level's slices and
// carried back to level 0.
GvTextureViewIndices GvViewIndicesForSlice(int mipLevel, int slice, int depth);

// Which lines of the two groups apply to the texture.
struct GvTextureLayoutLines
{
    bool origin; // a render target has no origin to choose
    bool mipLevel;
    bool volumeDepth;
    bool alpha;
};
GvTextureLayoutLines GvTextureLayoutLinesFor(bool renderable, int mipCount, bool isVolume, bool hasAlpha);

// The scroll window's size after the control was resized to a client of
// clientSize: the area below the view group (whose bottom is
// viewGroupBottom) less a gap of 4, each side at least 32; gap and least
// side are 96-DPI pixels, scaled to dpi. The zoom modes stay texels to
// pixels: 100 % shows each texel on one pixel at every DPI.
GvSize GvThumbnailAreaSize(GvSize clientSize, int viewGroupBottom, unsigned dpi = GvDefaultDpi);

// Painting a bitmap of size bitmap stretched onto item, when only clip is to
// be drawn: dst is clip widened to whole texels (so the picture does not
// shift while panning), src the texels it shows. Both empty when nothing
// of item is inside clip. An enlarged bitmap is zoomed a whole number of
// times, the nearest to item / bitmap, so that parts painted apart meet
// without seams; where the window system capped the item's size (32767
// pixels) dst may reach a few pixels past it.
struct GvStretchPart
{
    GvRect dst;
    GvRect src;
};
GvStretchPart GvVisibleStretchPart(const GvRect& item, GvSize bitmap, const GvRect& clip);

// The part after the last '/', '\' or ':' (the whole name without one).
const unsigned short* GvFileNamePart(const unsigned short* path);
// Whether the path names a workspace (".gvx", any case), which goes to the
// main window.
bool GvIsWorkspaceFile(const unsigned short* path);
