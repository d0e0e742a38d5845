#include "color/ColorButtonFrame.h"

namespace {

const unsigned int kSelected = 0x0001; // ODS_SELECTED
const unsigned int kFocus = 0x0010;    // ODS_FOCUS
const unsigned int kDefault = 0x0020;  // ODS_DEFAULT

// Top, left, bottom and right edges in two colours (top and left first);
// then the rectangle shrinks by one pixel.
void Edges(GvRect& r, GvButtonColorType topLeft, GvButtonColorType bottomRight, GvFrameStroke* strokes, int& n)
{
    strokes[n++] = {{r.left, r.top}, {r.right, r.top}, topLeft};
    strokes[n++] = {{r.left, r.top}, {r.left, r.bottom}, topLeft};
    strokes[n++] = {{r.left, r.bottom - 1}, {r.right, r.bottom - 1}, bottomRight};
    strokes[n++] = {{r.right - 1, r.top}, {r.right - 1, r.bottom}, bottomRight};
    r = r.Inflate(-1, -1);
}

} // namespace

int GvColorButtonFrame(GvRect r, int style, GvFrameStroke strokes[GvFrameMaxStrokes])
{
    int n = 0;
    if (style & GvFrameOutline)
        Edges(r, GvButtonBlack, GvButtonBlack, strokes, n);
    if (style & GvFrameRaised) {
        Edges(r, GvButtonHighlight, GvButtonDarkShadow, strokes, n);
        Edges(r, GvButtonLight, GvButtonShadow, strokes, n);
    }
    if (style & GvFramePressed) {
        Edges(r, GvButtonDarkShadow, GvButtonDarkShadow, strokes, n);
        Edges(r, GvButtonShadow, GvButtonShadow, strokes, n);
    }
    return n;
}

int GvColorButtonFrameStyle(unsigned int itemState)
{
    if (itemState & kSelected)
        return GvFramePressed;
    if (itemState & (kFocus | kDefault))
        return GvFrameOutline | GvFrameRaised;
    return GvFrameRaised;
}
