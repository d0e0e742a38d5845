#pragma once
// Converters between the portable value types and MFC's CPoint, CSize, CRect.
#include "MfcTypes.h"
#include "platform/portable/GraphicsTypes.h"

inline CPoint ToCPoint(GvPoint p)
{
    return CPoint(p.x, p.y);
}
inline GvPoint ToGvPoint(POINT p)
{
    return {p.x, p.y};
}
inline CSize ToCSize(GvSize s)
{
    return CSize(s.cx, s.cy);
}
inline GvSize ToGvSize(SIZE s)
{
    return {s.cx, s.cy};
}
inline CRect ToCRect(const GvRect& r)
{
    return CRect(r.left, r.top, r.right, r.bottom);
}
inline GvRect ToGvRect(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}
