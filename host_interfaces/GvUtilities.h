#pragma once
#include <cstdint>
#include "GvLinkedList.h"
#include "GvUtilitiesExport.h"
#include "GvWindowHandles.h"

// ---- Colour conversion. r, g, b, s and v are nominally 0..1, h in degrees.

// h in [0, 360), 0 for greys; s 0 when v <= 0; v = the largest of r, g, b.
// Values outside 0..1 give the formulas' results (no clamping).
GV_UTILITIES_API void RGBtoHSV(float r, float g, float b, float* h, float* s, float* v);
// Any h is taken modulo 360 (360 is red again); s is used as given.
GV_UTILITIES_API void HSVtoRGB(float* r, float* g, float* b, float h, float s, float v);

// ---- Paths

// The form of path that a texture variable stores: relative to the base
// directory (GvSetBaseDirectory in GvPath.h), or the normalised absolute
// path when there is none or no relative form exists. maxChars counts the
// terminator; false (out empty) when it does not fit.
GV_UTILITIES_API bool GvCalculateRelativePath(unsigned short* out, const unsigned short* path, int maxChars);

// ---- Control placement

// Edges and centres of a window, in its parent's client coordinates.
enum GvControlLocationType
{
    GV_LOCATION_LEFT = 0,
    GV_LOCATION_RIGHT = 1,
    GV_LOCATION_TOP = 2,
    GV_LOCATION_BOTTOM = 3,
    GV_LOCATION_HCENTER = 4, // the control moves, never stretches
    GV_LOCATION_VCENTER = 5
};

enum GvControlBindingType
{
    GV_BIND_TOP,             // top at the parent's client top + offset; moves
    GV_BIND_RIGHT_OF,        // left at the reference's right + offset; moves
    GV_BIND_BOTTOM_OF,       // top at the reference's bottom + offset; moves
    GV_BIND_RELATIVE_TO,     // keeps the recorded offset from the reference's top left; moves
    GV_BIND_RELATIVE_RIGHT,  // keeps the recorded distance + offset from the parent's client right; moves
    GV_BIND_RELATIVE_BOTTOM, // likewise from the client bottom
    GV_BIND_VISIBILITY,      // shows or hides
    GV_BIND_EDGE             // Bind
};

// One binding as the container records it. For the edge binding: the
// reference value is the reference's refLocation edge (or centre) plus
// ratio times the reference's extent towards its opposite edge (0 the edge
// itself, 0.5 the middle, 1 the opposite edge; for a centre towards right or
// bottom), rounded, plus the offset; the control's location is put there.
// With m_resize (Bind's flag) only that edge moves, stretching the control
// (never below zero size); without it the whole control moves. A centre
// location always moves the control.
struct GvControlBinding
{
    GvControlBindingType m_type;
    GvHWND m_control;
    GvHWND m_reference;
    GvControlLocationType m_location;
    GvControlLocationType m_referenceLocation;
    int m_offset;
    float m_ratio;
    bool m_resize;
    bool m_visible;
    int m_recordedX, m_recordedY; // measured when bound (relative bindings)
};

#if defined(_WIN32)

// A dialog's layout: bindings are recorded once, after the controls exist,
// and applied in the order they were recorded by each
// ProcessControlPlacementContainer, so a binding sees where the bindings
// before it put their controls. Rectangles are window rectangles in the
// control's parent's client coordinates; a reference that is the parent
// itself has its window rectangle in its own client coordinates (a border
// makes it reach beyond the client area). Bindings of windows that no
// longer exist are skipped.
class GV_UTILITIES_API GvControlPlacementContainer
{
public:
    GvControlPlacementContainer() {}

    void BindControlTop(GvHWND ctrl, int offset);
    void BindControlRightOf(GvHWND ctrl, GvHWND ref, int gap);
    void BindControlBottomOf(GvHWND ctrl, GvHWND ref, int gap);
    // Moves ctrl by as much as ref moves from where both were when bound.
    void BindControlRelativeTo(GvHWND ctrl, GvHWND ref);
    // Keeps ctrl's right edge as far from the parent's client right edge as
    // when bound, plus margin.
    void BindControlRelativeRight(GvHWND ctrl, int margin);
    void BindControlRelativeBottom(GvHWND ctrl, int margin);
    void BindControlVisibility(GvHWND ctrl, bool visible);
    // See GvControlBinding; flag is m_resize.
    void Bind(GvHWND ctrl, GvControlLocationType location, GvHWND ref, GvControlLocationType refLocation, int offset,
              float ratio, bool flag);

    void ProcessControlPlacementContainer();
    void RemoveAllBindings() { m_bindings.RemoveAll(); }
    int GetBindingCount() const { return m_bindings.GetCount(); }

private:
    void Add(const GvControlBinding& binding);

    GvLinkedList<GvControlBinding> m_bindings;
};

// ---- Message hooks

// What a message handler gets, in this order.
struct GvMessageHandlerStruct
{
    GvHWND m_hWnd;
    unsigned int m_message;
    uintptr_t m_wParam;
    intptr_t m_lParam;
    void* m_context;
    unsigned char m_handled; // set to stop ordinary processing; the result is then the handler's
};

typedef long (*GvMessageHandlerProc)(GvMessageHandlerStruct* message);

// Hooks the window: each message (only this message, or all for 0) is
// offered to the handler before the window's own processing. Hooks made
// later see a message first. Removed when the window is destroyed. False
// for a missing window or handler.
GV_UTILITIES_API bool GvHandleMessage(GvMessageHandlerProc handler, void* context, GvHWND window, unsigned int message);
GV_UTILITIES_API bool GvRemoveMessageHandler(GvMessageHandlerProc handler, void* context, GvHWND window);

// Sends each message of that kind that reaches other to window instead
// (other does not see it) and returns window's result. Ends when either
// window is destroyed. False for a missing window, message 0, or window
// and other the same.
GV_UTILITIES_API bool GvInterceptMessage(GvHWND window, GvHWND other, unsigned int message);
GV_UTILITIES_API bool GvRemoveInterceptMessage(GvHWND window, GvHWND other, unsigned int message);

// ---- Background erasing

// The window's background is filled with color (a COLORREF). With
// clipChildren the visible children are left out, so that they do not
// flicker; named include windows are not left out. Calling it again changes
// the colour.
GV_UTILITIES_API bool GvAddSmartEraseWindow(GvHWND window, unsigned long color, bool clipChildren);
GV_UTILITIES_API bool GvRemoveSmartEraseWindow(GvHWND window);
// Names a child that paints no background of its own (a group box, a plain
// window holding controls): the smart-erase parent fills beneath it, and
// the child's own background is filled in the colour of its nearest
// smart-erase ancestor, leaving out its visible children and the visible
// siblings over it. exclude = true takes the name back.
GV_UTILITIES_API bool GvAddSmartEraseIncludeWindow(GvHWND window, bool exclude);

#endif
