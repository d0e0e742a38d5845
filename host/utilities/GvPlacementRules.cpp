#include "GvPlacementRules.h"

#include <cmath>

namespace {

bool IsHorizontal(GvControlLocationType location)
{
    return location == GV_LOCATION_LEFT || location == GV_LOCATION_RIGHT || location == GV_LOCATION_HCENTER;
}

int Value(const GvPlacementRect& r, GvControlLocationType location)
{
    switch (location) {
    case GV_LOCATION_LEFT: return r.left;
    case GV_LOCATION_RIGHT: return r.right;
    case GV_LOCATION_TOP: return r.top;
    case GV_LOCATION_BOTTOM: return r.bottom;
    case GV_LOCATION_HCENTER: return r.left + (r.right - r.left) / 2;
    case GV_LOCATION_VCENTER: return r.top + (r.bottom - r.top) / 2;
    }
    return 0;
}

// The signed distance from the location to the opposite edge.
int Extent(const GvPlacementRect& r, GvControlLocationType location)
{
    switch (location) {
    case GV_LOCATION_LEFT:
    case GV_LOCATION_HCENTER: return r.right - r.left;
    case GV_LOCATION_RIGHT: return r.left - r.right;
    case GV_LOCATION_TOP:
    case GV_LOCATION_VCENTER: return r.bottom - r.top;
    case GV_LOCATION_BOTTOM: return r.top - r.bottom;
    }
    return 0;
}

void MoveBy(GvPlacementRect& r, int dx, int dy)
{
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

void Place(GvPlacementRect& r, GvControlLocationType location, int value, bool resize)
{
    const int delta = value - Value(r, location);
    const bool horizontal = IsHorizontal(location);
    if (!resize || location == GV_LOCATION_HCENTER || location == GV_LOCATION_VCENTER) {
        MoveBy(r, horizontal ? delta : 0, horizontal ? 0 : delta);
        return;
    }
    switch (location) {
    case GV_LOCATION_LEFT: r.left = value < r.right ? value : r.right; break;
    case GV_LOCATION_RIGHT: r.right = value > r.left ? value : r.left; break;
    case GV_LOCATION_TOP: r.top = value < r.bottom ? value : r.bottom; break;
    case GV_LOCATION_BOTTOM: r.bottom = value > r.top ? value : r.top; break;
    default: break;
    }
}

} // namespace

void GvRecordControlBinding(GvControlBinding& binding, const GvPlacementRect& control, const GvPlacementRect& reference,
                            const GvPlacementRect& parentClient)
{
    binding.m_recordedX = 0;
    binding.m_recordedY = 0;
    switch (binding.m_type) {
    case GV_BIND_RELATIVE_TO:
        binding.m_recordedX = control.left - reference.left;
        binding.m_recordedY = control.top - reference.top;
        break;
    case GV_BIND_RELATIVE_RIGHT: binding.m_recordedX = parentClient.right - control.right; break;
    case GV_BIND_RELATIVE_BOTTOM: binding.m_recordedY = parentClient.bottom - control.bottom; break;
    default: break;
    }
}

GvPlacementRect GvApplyControlBinding(const GvControlBinding& binding, const GvPlacementRect& control,
                                      const GvPlacementRect& reference, const GvPlacementRect& parentClient)
{
    GvPlacementRect r = control;
    switch (binding.m_type) {
    case GV_BIND_TOP: Place(r, GV_LOCATION_TOP, parentClient.top + binding.m_offset, false); break;
    case GV_BIND_RIGHT_OF: Place(r, GV_LOCATION_LEFT, reference.right + binding.m_offset, false); break;
    case GV_BIND_BOTTOM_OF: Place(r, GV_LOCATION_TOP, reference.bottom + binding.m_offset, false); break;
    case GV_BIND_RELATIVE_TO:
        MoveBy(r, reference.left + binding.m_recordedX - r.left, reference.top + binding.m_recordedY - r.top);
        break;
    case GV_BIND_RELATIVE_RIGHT:
        Place(r, GV_LOCATION_RIGHT, parentClient.right - binding.m_recordedX - binding.m_offset, false);
        break;
    case GV_BIND_RELATIVE_BOTTOM:
        Place(r, GV_LOCATION_BOTTOM, parentClient.bottom - binding.m_recordedY - binding.m_offset, false);
        break;
    case GV_BIND_EDGE: {
        const double along = static_cast<double>(binding.m_ratio) * Extent(reference, binding.m_referenceLocation);
        const int value =
            Value(reference, binding.m_referenceLocation) + static_cast<int>(std::lround(along)) + binding.m_offset;
        Place(r, binding.m_location, value, binding.m_resize);
        break;
    }
    case GV_BIND_VISIBILITY: break;
    }
    return r;
}
