#pragma once
// Arithmetic of the scroll window: which bars a child needs, where the bars,
// the frame and the child go, and the offsets that scroll requests, the wheel
// and child pans give. Portable; CGvScrollWnd calls it with its windows'
// rectangles and the system scroll-bar sizes.
#include "platform/portable/DpiScale.h"

struct GvScrollBarNeeds
{
    bool horizontal, vertical;
};

// Only the sizes count. cxV: width of a vertical bar, cyH: height of a
// horizontal one. A bar needed in one direction can make the other needed.
GvScrollBarNeeds GvScrollBarRequirements(GvSize viewport, GvSize content, int cxV, int cyH);

// A bar's scroll information: range 0..max, page, position.
struct GvScrollBarInfo
{
    int max, page, pos;
};

// Where everything stands after a layout of client (the scroll window's
// client rectangle) with a child of childSize at the offsets (x, y).
struct GvScrollLayout
{
    GvScrollBarNeeds needs;
    GvRect frame;
    GvRect horizontalBar, verticalBar; // meaningful only when needed
    GvScrollBarInfo horizontalInfo, verticalInfo;
    GvPoint offset; // the child stands at (-offset.x, -offset.y) in the frame
};

// hasChild false: no bars, the frame is the client area, offsets 0.
GvScrollLayout GvLayoutScrollWindow(const GvRect& client, bool hasChild, GvSize childSize, GvPoint offset, bool centre,
                                    int cxV, int cyH);

// The request codes of WM_HSCROLL / WM_VSCROLL that move the view.
enum GvScrollRequestType
{
    GvScrollLineBack = 0, // SB_LINELEFT, SB_LINEUP
    GvScrollLineForward = 1,
    GvScrollPageBack = 2,
    GvScrollPageForward = 3,
    GvScrollThumbPosition = 4,
    GvScrollThumbTrack = 5
};
enum
{
    GvScrollLineStep = 20,
    GvScrollWheelStep = 30,
    GvScrollWheelDelta = 120
};

// New offset for a request; false for the codes that move nothing. cur is
// the current offset, max = child extent - frame extent, page the frame's
// client extent, thumb the 16-bit position of thumb requests. The line and
// wheel steps are for 96 DPI, scaled to dpi.
bool GvScrollOffsetForRequest(int code, int cur, int max, int page, int thumb, int* offset,
                              unsigned dpi = GvDefaultDpi);

// Wheel notches: distance / 120 toward zero, at least 1.
int GvWheelNotches(int distance);
// The vertical bar position that a wheel turn asks for.
int GvWheelScrollPosition(int current, int distance, unsigned dpi = GvDefaultDpi);
// The thumb position that a child pan of delta asks for, truncated to 16 bits.
int GvChildScrollPosition(int current, int delta);
