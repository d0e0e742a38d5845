#pragma once
// Geometry and colour value types shared by every control family, for code
// that must not see windows. Header-only and free of any window header, so
// the portable arithmetic (built natively) and the MFC layer (which converts
// them to CPoint, CSize and CRect) both include it.
#include <cstdint>

struct GvPoint
{
    int x, y;

    GvPoint Offset(int dx, int dy) const { return {x + dx, y + dy}; }
    bool operator==(const GvPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const GvPoint& o) const { return !(*this == o); }
};

struct GvSize
{
    int cx, cy;

    bool operator==(const GvSize& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const GvSize& o) const { return !(*this == o); }
};

// Left and top inside, right and bottom outside, like a Win32 RECT. The
// operations give the same results as the Win32 rectangle functions.
struct GvRect
{
    int left, top, right, bottom;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    GvSize Size() const { return {Width(), Height()}; }
    GvPoint TopLeft() const { return {left, top}; }
    GvPoint BottomRight() const { return {right, bottom}; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(GvPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    GvRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    GvRect Inflate(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    // Left and right, top and bottom swapped where they were inverted.
    GvRect Normalized() const
    {
        GvRect r = *this;
        if (r.left > r.right) {
            r.left = right;
            r.right = left;
        }
        if (r.top > r.bottom) {
            r.top = bottom;
            r.bottom = top;
        }
        return r;
    }
    // The common part; all zero when there is none.
    GvRect Intersect(const GvRect& o) const
    {
        GvRect r = {left > o.left ? left : o.left, top > o.top ? top : o.top, right < o.right ? right : o.right,
                    bottom < o.bottom ? bottom : o.bottom};
        return r.IsEmpty() ? GvRect{0, 0, 0, 0} : r;
    }
    // The smallest rectangle holding both; an empty one counts for nothing.
    GvRect Union(const GvRect& o) const
    {
        if (IsEmpty())
            return o.IsEmpty() ? GvRect{0, 0, 0, 0} : o;
        if (o.IsEmpty())
            return *this;
        return {left < o.left ? left : o.left, top < o.top ? top : o.top, right > o.right ? right : o.right,
                bottom > o.bottom ? bottom : o.bottom};
    }

    bool operator==(const GvRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const GvRect& o) const { return !(*this == o); }
};

// A colour as four floats, nominally 0 to 1.
struct GvRGBA
{
    float r, g, b, a;

    // The packed 0xAABBGGRR form: each byte the component x 255 truncated,
    // a component outside 0..1 first limited to it.
    uint32_t ToPacked() const { return Byte(r) | Byte(g) << 8 | Byte(b) << 16 | Byte(a) << 24; }
    static GvRGBA FromPacked(uint32_t packed)
    {
        return {(packed & 0xFF) / 255.0f, (packed >> 8 & 0xFF) / 255.0f, (packed >> 16 & 0xFF) / 255.0f,
                (packed >> 24 & 0xFF) / 255.0f};
    }

    bool operator==(const GvRGBA& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const GvRGBA& o) const { return !(*this == o); }

private:
    // NaN counts as 0.
    static uint32_t Byte(float c) { return c > 0.0f ? c < 1.0f ? static_cast<uint32_t>(c * 255.0f) : 255u : 0u; }
};

// Hue, saturation, value. Whether h is in degrees or a fraction of a turn is
// the user's choice and is named where the value is kept.
struct GvHSV
{
    float h, s, v;

    bool operator==(const GvHSV& o) const { return h == o.h && s == o.s && v == o.v; }
    bool operator!=(const GvHSV& o) const { return !(*this == o); }
};
