#pragma once
// Sizes given for 96 pixels per inch, scaled to a window's DPI. The rounding
// is MulDiv's (half away from zero), so 96 gives every value back unchanged
// and the window code and the native tests agree to the pixel.
#include "platform/portable/GraphicsTypes.h"

enum
{
    GvDefaultDpi = 96
};

// value x dpi / 96, rounded half away from zero. A dpi of 0 counts as 96.
inline int GvScaleToDpi(int value, unsigned dpi)
{
    if (dpi == 0 || dpi == GvDefaultDpi)
        return value;
    const long long product = static_cast<long long>(value) * dpi;
    const long long half = GvDefaultDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / GvDefaultDpi : -((-product + half) / GvDefaultDpi));
}

// The inverse: value x 96 / dpi, rounded the same way, for mapping a scaled
// pixel back to the 96-DPI measure an arithmetic speaks in.
inline int GvUnscaleFromDpi(int value, unsigned dpi)
{
    if (dpi == 0 || dpi == GvDefaultDpi)
        return value;
    const long long product = static_cast<long long>(value) * GvDefaultDpi;
    const long long half = dpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / dpi : -((-product + half) / dpi));
}

inline GvSize GvScaleToDpi(GvSize size, unsigned dpi)
{
    return {GvScaleToDpi(size.cx, dpi), GvScaleToDpi(size.cy, dpi)};
}

inline GvPoint GvScaleToDpi(GvPoint point, unsigned dpi)
{
    return {GvScaleToDpi(point.x, dpi), GvScaleToDpi(point.y, dpi)};
}

// Each edge scaled on its own, so rectangles that meet at 96 DPI still meet.
inline GvRect GvScaleToDpi(const GvRect& rect, unsigned dpi)
{
    return {GvScaleToDpi(rect.left, dpi), GvScaleToDpi(rect.top, dpi), GvScaleToDpi(rect.right, dpi),
            GvScaleToDpi(rect.bottom, dpi)};
}
