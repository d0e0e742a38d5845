#include <windows.h>

#include "GvGfxUtil.h"
#include "GvTextureVariable.h"

GvHBITMAP GvGfxCreateTextureBitmap(GvHDC dc, GvTextureVariable* texture, int width, int height,
                                   unsigned long background, bool showAlpha, int mipLevel, int slice)
{
    if (width < 1 || height < 1)
        return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap)
            DeleteObject(bitmap);
        return nullptr;
    }
    GvGfxRenderTexture(texture ? texture->GetTexture() : nullptr, width, height, background, showAlpha, mipLevel, slice,
                       static_cast<uint32_t*>(bits));
    GdiFlush();
    return bitmap;
}
