#pragma once
// Sizes given for 96 pixels per inch, scaled to a window's DPI. The rounding
// is MulDiv's (half away from zero), so 96 gives every value back unchanged
// and the window code and the native tests agree to the pixel.
#include "platform/portable/GraphicsTypes.h"

enum
{
    GvDefaultDpi = 96
};

// value x numerator / denominator, rounded half away from zero (MulDiv's
// rounding, without its overflow).
inline int GvMulDivRounded(int value, long long numerator, long long denominator)
{
    const long long product = value * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

// value x dpi / 96. A dpi of 0 counts as 96.
inline int GvScaleToDpi(int value, unsigned dpi)
{
    return dpi == 0 ? value : GvMulDivRounded(value, dpi, GvDefaultDpi);
}

// The inverse: value x 96 / dpi, rounded the same way, for mapping a scaled
// pixel back to the 96-DPI measure an arithmetic speaks in.
inline int GvUnscaleFromDpi(int value, unsigned dpi)
{
    return dpi == 0 ? value : GvMulDivRounded(value, GvDefaultDpi, dpi);
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
