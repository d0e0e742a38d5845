#include "window_utils/IconMenuLayout.h"

GvSize GvIconMenuItemSize(GvSize text, bool hasBitmap, GvSize bitmap, int kind, unsigned dpi)
{
    const int padding = GvScaleToDpi(GvIconMenuTextPadding, dpi), minHeight = GvScaleToDpi(GvIconMenuMinHeight, dpi);
    GvSize size = {text.cx + padding, text.cy < minHeight ? minHeight : text.cy};
    if (hasBitmap) {
        if (bitmap.cx + padding > size.cx)
            size.cx = bitmap.cx + padding;
        size.cy = bitmap.cy + size.cy + GvScaleToDpi(2, dpi);
    }
    if (kind == 3)
        size.cx += GvScaleToDpi(GvIconMenuPopupArrow, dpi);
    return size;
}

int GvIconMenuIconSize(unsigned dpi)
{
    return GvScaleToDpi(16, dpi);
}

int GvIconMenuTabPosition(const std::wstring& text)
{
    const std::wstring::size_type p = text.find(L'\t');
    if (p == std::wstring::npos || p < 1 || p + 1 >= text.size())
        return -1;
    return static_cast<int>(p);
}

GvIconMenuItemLayout GvLayoutIconMenuItem(const GvRect& item, bool hasIcon, bool hasMark, bool hasBitmap, GvSize bitmap,
                                          bool hasAccelerator, unsigned dpi)
{
    const auto scale = [dpi](int pixels) { return GvScaleToDpi(pixels, dpi); };
    const int column = scale(GvIconMenuIconColumn);
    GvIconMenuItemLayout layout = {};
    layout.fill = item;
    layout.text = item;
    layout.text.left = item.left + column;
    if (hasIcon) {
        layout.icon = {item.left + scale(2), item.top + scale(1)};
        layout.edge = {item.left, item.top, item.left + column, item.top + scale(18)};
        layout.fill.left = item.left + column;
    } else if (hasMark) {
        layout.mark = {item.left + scale(4), item.top + scale(3), item.left + scale(16), item.top + scale(15)};
        layout.fill.left = item.left + column;
    }
    if (hasBitmap) {
        layout.text.bottom -= bitmap.cy + scale(2);
        layout.fill.bottom -= bitmap.cy + scale(2);
        layout.bitmap = {layout.text.left, layout.text.bottom + scale(1), layout.text.left + bitmap.cx,
                         layout.text.bottom + scale(1) + bitmap.cy};
    }
    if (hasAccelerator) {
        layout.text.right -= scale(GvIconMenuAcceleratorGap);
        layout.accelerator = layout.text;
    }
    return layout;
}
