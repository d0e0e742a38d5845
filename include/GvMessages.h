#pragma once
// Private window messages of the library's controls. All are sent
// synchronously; wParam usually identifies the sender (see each line).

/// Colour slider -> parent after each value change; picker -> its sliders
/// (repaint only). wParam: sender window. Result 1.
#define GVM_VALUE_CHANGED 0x23AC
/// Colour wheel -> parent after a pick; picker <-> wheel, owner, dialog.
/// wParam: sender window; lParam 0, or to the picker a pointer to RGBA floats.
#define GVM_COLOR_CHANGED 0x23AD
/// A control that changed its own size -> its parent. Result 0.
#define GVM_CHILD_RESIZE 0x23AE
/// Wheel and colour slider -> parent at a press or before a key step.
#define GVM_VALUE_CHANGE_START 0x23AF
/// Wheel and colour slider -> parent when capture is lost or after a key step.
#define GVM_VALUE_CHANGE_END 0x23B0
/// Scroll child -> scroll window. lParam: low word dx, high word dy (int16).
#define GVM_CHILD_SCROLL 0x23B1
/// Pop-up slider -> owner after each change (wParam 0); slider edit -> its
/// notify window after taking the value (wParam: the slider edit object).
#define GVM_SLIDER_DELTA 0x08B1
/// Pop-up slider -> owner once when it ends (wParam 0); slider edit -> its
/// notify window after the pop-up closed (wParam: the slider edit object).
#define GVM_SLIDER_CLOSE 0x08B2
/// Pop-up slider -> owner after its range changed. wParam: pop-up window.
#define GVM_SLIDER_RANGE_CHANGED 0x08B3

// Internal messages of the system's menu window (the window of an open
// menu), with the item's position in wParam. CGvIconMenu's owner hook reads
// them; tests and the demo send them.
/// Menu window: a press on the item at position wParam.
#define GV_MN_BUTTONDOWN 0x1ED
/// Menu window: a release on the item at position wParam.
#define GV_MN_BUTTONUP 0x1EF
/// Menu window: a double click on the item at position wParam.
#define GV_MN_DBLCLK 0x1F1

/// Change kinds passed to IGvApplication::NotifyNodeChanged.
enum GvNodeChangeType
{
    GvNodeChangeUpdate = 1, ///< texture file, row or column count
    GvNodeChangeValue = 6,  ///< value, range, clamping, normalizing
    GvNodeChangeOrigin = 10 ///< texture origin
};

/// IGvApplication::SendAppEvent: the texture editor's refresh of a render
/// target, sent before the texture itself is refreshed.
enum GvAppEventType
{
    GvAppEventRenderClass = 5,          ///< the event class
    GvAppEventRefreshRenderTarget = 56 ///< refresh the render target
};
