#include <windows.h>

#include <vector>

#include "GvPlacementRules.h"

namespace {

HWND ParentOf(HWND window)
{
    return GetAncestor(window, GA_PARENT);
}

// A window rectangle in the client coordinates of parent.
GvPlacementRect RectIn(HWND window, HWND parent)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return GvPlacementRect{r.left, r.top, r.right, r.bottom};
}

GvPlacementRect ClientRect(HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetClientRect(window, &r);
    return GvPlacementRect{r.left, r.top, r.right, r.bottom};
}

// Where each touched window is to go; windows move once, at the end.
struct PendingWindow
{
    HWND m_window;
    GvPlacementRect m_rect;
    bool m_moved;
    int m_show; // -1 unchanged, 0 hide, 1 show
};

class PendingLayout
{
public:
    PendingWindow& Get(HWND window, HWND parent)
    {
        for (PendingWindow& pending : m_windows)
            if (pending.m_window == window)
                return pending;
        m_windows.push_back(PendingWindow{window, RectIn(window, parent), false, -1});
        return m_windows.back();
    }
    // A reference as the control's parent sees it: the parent itself, or a
    // window that this layout may already have moved.
    GvPlacementRect Reference(HWND reference, HWND parent)
    {
        for (const PendingWindow& pending : m_windows)
            if (pending.m_window == reference && ParentOf(reference) == parent)
                return pending.m_rect;
        return RectIn(reference, parent);
    }
    void Apply() const
    {
        for (const PendingWindow& pending : m_windows) {
            UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
            if (!pending.m_moved)
                flags |= SWP_NOMOVE | SWP_NOSIZE;
            if (pending.m_show == 1 && !IsWindowVisible(pending.m_window))
                flags |= SWP_SHOWWINDOW;
            if (pending.m_show == 0 && (GetWindowLongW(pending.m_window, GWL_STYLE) & WS_VISIBLE))
                flags |= SWP_HIDEWINDOW;
            if (!pending.m_moved && !(flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)))
                continue;
            const GvPlacementRect& r = pending.m_rect;
            SetWindowPos(pending.m_window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
        }
    }

private:
    std::vector<PendingWindow> m_windows;
};

} // namespace

void GvControlPlacementContainer::Add(const GvControlBinding& binding)
{
    HWND control = binding.m_control;
    if (!IsWindow(control) || (binding.m_reference && !IsWindow(binding.m_reference)))
        return;
    GvControlBinding recorded = binding;
    HWND parent = ParentOf(control);
    const GvPlacementRect reference = binding.m_reference ? RectIn(binding.m_reference, parent) : GvPlacementRect{};
    GvRecordControlBinding(recorded, RectIn(control, parent), reference, ClientRect(parent));
    m_bindings.Append(recorded);
}

void GvControlPlacementContainer::BindControlTop(GvHWND ctrl, int offset)
{
    Add(GvControlBinding{GV_BIND_TOP, ctrl, nullptr, GV_LOCATION_TOP, GV_LOCATION_TOP, offset, 0.0f, false, true, 0,
                         0});
}

void GvControlPlacementContainer::BindControlRightOf(GvHWND ctrl, GvHWND ref, int gap)
{
    if (ref)
        Add(GvControlBinding{GV_BIND_RIGHT_OF, ctrl, ref, GV_LOCATION_LEFT, GV_LOCATION_RIGHT, gap, 0.0f, false, true,
                             0, 0});
}

void GvControlPlacementContainer::BindControlBottomOf(GvHWND ctrl, GvHWND ref, int gap)
{
    if (ref)
        Add(GvControlBinding{GV_BIND_BOTTOM_OF, ctrl, ref, GV_LOCATION_TOP, GV_LOCATION_BOTTOM, gap, 0.0f, false, true,
                             0, 0});
}

void GvControlPlacementContainer::BindControlRelativeTo(GvHWND ctrl, GvHWND ref)
{
    if (ref)
        Add(GvControlBinding{GV_BIND_RELATIVE_TO, ctrl, ref, GV_LOCATION_LEFT, GV_LOCATION_LEFT, 0, 0.0f, false, true,
                             0, 0});
}

void GvControlPlacementContainer::BindControlRelativeRight(GvHWND ctrl, int margin)
{
    Add(GvControlBinding{GV_BIND_RELATIVE_RIGHT, ctrl, nullptr, GV_LOCATION_RIGHT, GV_LOCATION_RIGHT, margin, 0.0f,
                         false, true, 0, 0});
}

void GvControlPlacementContainer::BindControlRelativeBottom(GvHWND ctrl, int margin)
{
    Add(GvControlBinding{GV_BIND_RELATIVE_BOTTOM, ctrl, nullptr, GV_LOCATION_BOTTOM, GV_LOCATION_BOTTOM, margin, 0.0f,
                         false, true, 0, 0});
}

void GvControlPlacementContainer::BindControlVisibility(GvHWND ctrl, bool visible)
{
    Add(GvControlBinding{GV_BIND_VISIBILITY, ctrl, nullptr, GV_LOCATION_LEFT, GV_LOCATION_LEFT, 0, 0.0f, false, visible,
                         0, 0});
}

void GvControlPlacementContainer::Bind(GvHWND ctrl, GvControlLocationType location, GvHWND ref,
                                       GvControlLocationType refLocation, int offset, float ratio, bool flag)
{
    if (ref && location >= GV_LOCATION_LEFT && location <= GV_LOCATION_VCENTER && refLocation >= GV_LOCATION_LEFT
        && refLocation <= GV_LOCATION_VCENTER && ratio == ratio)
        Add(GvControlBinding{GV_BIND_EDGE, ctrl, ref, location, refLocation, offset, ratio, flag, true, 0, 0});
}

void GvControlPlacementContainer::ProcessControlPlacementContainer()
{
    PendingLayout layout;
    for (auto it = m_bindings.Begin(); it != m_bindings.End(); ++it) {
        const GvControlBinding& binding = *it;
        HWND control = binding.m_control;
        if (!IsWindow(control) || (binding.m_reference && !IsWindow(binding.m_reference)))
            continue;
        HWND parent = ParentOf(control);
        PendingWindow& pending = layout.Get(control, parent);
        if (binding.m_type == GV_BIND_VISIBILITY) {
            pending.m_show = binding.m_visible ? 1 : 0;
            continue;
        }
        const GvPlacementRect reference =
            binding.m_reference ? layout.Reference(binding.m_reference, parent) : GvPlacementRect{};
        const GvPlacementRect placed = GvApplyControlBinding(binding, pending.m_rect, reference, ClientRect(parent));
        if (!(placed == pending.m_rect)) {
            pending.m_rect = placed;
            pending.m_moved = true;
        }
    }
    layout.Apply();
}
