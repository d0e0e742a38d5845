#pragma once
#include <cstdint>
#include "GvGfxUtilExport.h"
#include "GvPixelFormat.h"
#include "GvWindowHandles.h"

class GvTexture;
class GvTextureVariable;

GV_GFXUTIL_API bool GvGfxFormatContainsAlpha(GvPixelFormatType format);

// The picture of a texture object, width x height pixels, each 0x00RRGGBB
// (the order of a 32-bit top-down device-independent bitmap), written to
// pixels. The image is the mip level (limited to the levels there are) of a
// two-dimensional texture, the depth slice (limited likewise) of that level
// of a volume texture, or the six faces of that level of a cube map laid
// out as a cross in a square four faces wide, the cross's three rows in the
// middle (edge / 2 from the top):
//
//          +Y
//      -X  +Z  +X  -Z
//          -Y
//
// The image is stretched to the whole picture with a tent filter (bilinear
// when enlarging, averaging over the covered texels when shrinking; at the
// same size the pixels are copied). With showAlpha the image is laid over a
// checkerboard of 8-pixel squares (white 255 and grey 192, white at the top
// left corner); without it alpha is ignored. Parts that no face covers, and
// the whole picture without a texture, are the background (a COLORREF,
// 0x00BBGGRR). False only for a size below 1 or no pixels.
GV_GFXUTIL_API bool GvGfxRenderTexture(const GvTexture* texture, int width, int height, unsigned long background,
                                       bool showAlpha, int mipLevel, int slice, uint32_t* pixels);

#if defined(_WIN32)
// The picture above as a new device-independent bitmap (32 bits, top-down)
// of the variable's texture object; the caller deletes it. dc may be null.
// Null for a size below 1 or when the bitmap cannot be made.
GV_GFXUTIL_API GvHBITMAP GvGfxCreateTextureBitmap(GvHDC dc, GvTextureVariable* texture, int width, int height,
                                                  unsigned long background, bool showAlpha, int mipLevel, int slice);
#endif
