#pragma once
// Arithmetic of the icon menu's owner-drawn items: their measured size and
// where the icon, mark, picture, text and accelerator text go. Portable;
// CGvIconMenu calls it with the text sizes its device context measures.
#include <string>
#include "platform/portable/DpiScale.h"

enum
{
    GvIconMenuIconColumn = 20,
    GvIconMenuTextPadding = 22,
    GvIconMenuMinHeight = 19,
    GvIconMenuPopupArrow = 18,
    GvIconMenuAcceleratorGap = 18
};

// The measures above and the icon's 16 x 16 are for 96 DPI; the functions
// scale them to the dpi they are given. Text and bitmap sizes are in pixels.

// kind: 0 plain, 1 check box, 2 radio, 3 sub-menu. bitmap {0, 0}: none.
GvSize GvIconMenuItemSize(GvSize text, bool hasBitmap, GvSize bitmap, int kind, unsigned dpi = GvDefaultDpi);

// Position of the tab that starts an accelerator text: 1 <= p < length - 1,
// else -1 (the text is drawn whole).
int GvIconMenuTabPosition(const std::wstring& text);

struct GvIconMenuItemLayout
{
    GvRect fill;        // filled with the background after the icon or mark
    GvRect text;        // the text (left part when there is an accelerator)
    GvRect accelerator; // the right-aligned part after the tab
    GvPoint icon;       // 16 x 16 at 96 DPI (GvIconMenuIconSize)
    GvRect edge;        // raised edge around the icon when selected
    GvRect mark;        // check or radio mark when there is no icon
    GvRect bitmap;      // the picture under the text
};
GvIconMenuItemLayout GvLayoutIconMenuItem(const GvRect& item, bool hasIcon, bool hasMark, bool hasBitmap, GvSize bitmap,
                                          bool hasAccelerator, unsigned dpi = GvDefaultDpi);
// The icons' edge length at dpi.
int GvIconMenuIconSize(unsigned dpi);
