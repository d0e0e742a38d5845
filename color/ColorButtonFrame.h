#pragma once
#include "platform/portable/GraphicsTypes.h"

// The colour button's frame as line strokes (MoveTo/LineTo, end point not
// drawn), so its pixels can be checked without a window. Portable;
// CColorButton draws the strokes in its stored colours.

// Which of the button's stored colours a stroke uses.
enum GvButtonColorType
{
    GvButtonBlack,
    GvButtonHighlight,
    GvButtonDarkShadow,
    GvButtonLight,
    GvButtonShadow
};

struct GvFrameStroke
{
    GvPoint from, to;
    GvButtonColorType color;
};

enum
{
    GvFrameOutline = 4, // black outline, one pixel
    GvFrameRaised = 2,  // highlight/dark shadow, then light/shadow inside
    GvFramePressed = 1, // dark shadow, then shadow inside
    GvFrameMaxStrokes = 20
};

// The strokes of a frame with the given style bits, outside in; returns
// their number.
int GvColorButtonFrame(GvRect rect, int style, GvFrameStroke strokes[GvFrameMaxStrokes]);

// The frame style of an owner-draw item state (ODS_* bits): pressed when
// selected, outlined and raised when focused or default, else raised.
int GvColorButtonFrameStyle(unsigned int itemState);
