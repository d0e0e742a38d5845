#include "window_utils/ScrollMath.h"

#include <cstdint>

namespace {

int Clamp(int value, int lo, int hi)
{
    return value < lo ? lo : (value > hi ? hi : value);
}

GvScrollBarInfo BarInfo(int frameExtent, int childExtent, int offset)
{
    GvScrollBarInfo info;
    info.max = childExtent;
    info.pos = Clamp(offset, 0, childExtent);
    info.page = childExtent > 0 ? static_cast<int>(static_cast<double>(frameExtent) / childExtent * childExtent) : 0;
    return info;
}

} // namespace

GvScrollBarNeeds GvScrollBarRequirements(GvSize viewport, GvSize content, int cxV, int cyH)
{
    GvScrollBarNeeds needs = {false, false};
    if (content.cx > viewport.cx) {
        needs.horizontal = true;
        if (viewport.cy - cyH < content.cy)
            needs.vertical = true;
    }
    if (content.cy > viewport.cy) {
        needs.vertical = true;
        if (viewport.cx - cxV < content.cx)
            needs.horizontal = true;
    }
    return needs;
}

GvScrollLayout GvLayoutScrollWindow(const GvRect& client, bool hasChild, GvSize childSize, GvPoint offset, bool centre,
                                    int cxV, int cyH)
{
    GvScrollLayout layout = {};
    layout.frame = client;
    layout.offset = offset;
    if (hasChild)
        layout.needs = GvScrollBarRequirements(client.Size(), childSize, cxV, cyH);
    const bool needH = layout.needs.horizontal, needV = layout.needs.vertical;
    if (needH)
        layout.frame.bottom = client.bottom - cyH;
    if (needV)
        layout.frame.right = client.right - cxV;

    if (needH) {
        layout.horizontalBar = {client.left, client.bottom - cyH, needV ? client.right - cxV : client.right,
                                client.bottom};
        layout.horizontalInfo = BarInfo(layout.frame.Width(), childSize.cx, offset.x);
    } else {
        layout.offset.x = 0;
    }
    if (needV) {
        layout.verticalBar = {client.right - cxV, client.top, client.right,
                              needH ? client.bottom - cyH : client.bottom};
        layout.verticalInfo = BarInfo(layout.frame.Height(), childSize.cy, offset.y);
    } else {
        layout.offset.y = 0;
    }

    if (hasChild) {
        const int maxX = childSize.cx - layout.frame.Width(), maxY = childSize.cy - layout.frame.Height();
        layout.offset.x = Clamp(layout.offset.x, 0, maxX > 0 ? maxX : 0);
        layout.offset.y = Clamp(layout.offset.y, 0, maxY > 0 ? maxY : 0);
        if (centre && !needH)
            layout.offset.x = -((layout.frame.Width() - childSize.cx) / 2);
        if (centre && !needV)
            layout.offset.y = -((layout.frame.Height() - childSize.cy) / 2);
    }
    return layout;
}

bool GvScrollOffsetForRequest(int code, int cur, int max, int page, int thumb, int* offset, unsigned dpi)
{
    int p;
    switch (code) {
    case GvScrollThumbPosition:
    case GvScrollThumbTrack: p = thumb; break;
    case GvScrollLineBack: p = cur - GvScaleToDpi(GvScrollLineStep, dpi); break;
    case GvScrollLineForward: p = cur + GvScaleToDpi(GvScrollLineStep, dpi); break;
    case GvScrollPageBack: p = cur - page; break;
    case GvScrollPageForward: p = cur + page; break;
    default: return false;
    }
    // In this order: a child narrower than the frame (max < 0) ends at max.
    if (p < 0)
        p = 0;
    if (p > max)
        p = max;
    *offset = p;
    return true;
}

int GvWheelNotches(int distance)
{
    const int notches = distance / GvScrollWheelDelta;
    return notches < 1 ? 1 : notches;
}

int GvWheelScrollPosition(int current, int distance, unsigned dpi)
{
    const int step = GvWheelNotches(distance) * GvScaleToDpi(GvScrollWheelStep, dpi);
    return distance > 0 ? current - step : current + step;
}

int GvChildScrollPosition(int current, int delta)
{
    return static_cast<int16_t>(static_cast<uint16_t>(current + delta));
}
