#include "window_utils/IconMenuLayout.h"

GvSize GvIconMenuItemSize(GvSize text, bool hasBitmap, GvSize bitmap, int kind)
{
    GvSize size = {text.cx + GvIconMenuTextPadding, text.cy < GvIconMenuMinHeight ? GvIconMenuMinHeight : text.cy};
    if (hasBitmap) {
        if (bitmap.cx + GvIconMenuTextPadding > size.cx)
            size.cx = bitmap.cx + GvIconMenuTextPadding;
        size.cy = bitmap.cy + size.cy + 2;
    }
    if (kind == 3)
        size.cx += GvIconMenuPopupArrow;
    return size;
}

int GvIconMenuTabPosition(const std::wstring& text)
{
    const std::wstring::size_type p = text.find(L'\t');
    if (p == std::wstring::npos || p < 1 || p + 1 >= text.size())
        return -1;
    return static_cast<int>(p);
}

GvIconMenuItemLayout GvLayoutIconMenuItem(const GvRect& item, bool hasIcon, bool hasMark, bool hasBitmap, GvSize bitmap,
                                          bool hasAccelerator)
{
    GvIconMenuItemLayout layout = {};
    layout.fill = item;
    layout.text = item;
    layout.text.left = item.left + GvIconMenuIconColumn;
    if (hasIcon) {
        layout.icon = {item.left + 2, item.top + 1};
        layout.edge = {item.left, item.top, item.left + GvIconMenuIconColumn, item.top + 18};
        layout.fill.left = item.left + GvIconMenuIconColumn;
    } else if (hasMark) {
        layout.mark = {item.left + 4, item.top + 3, item.left + 16, item.top + 15};
        layout.fill.left = item.left + GvIconMenuIconColumn;
    }
    if (hasBitmap) {
        layout.text.bottom -= bitmap.cy + 2;
        layout.fill.bottom -= bitmap.cy + 2;
        layout.bitmap = {layout.text.left, layout.text.bottom + 1, layout.text.left + bitmap.cx,
                         layout.text.bottom + 1 + bitmap.cy};
    }
    if (hasAccelerator) {
        layout.text.right -= GvIconMenuAcceleratorGap;
        layout.accelerator = layout.text;
    }
    return layout;
}
