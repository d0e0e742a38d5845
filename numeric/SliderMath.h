#pragma once

// Arithmetic of the pop-up slider and the slider edit: value and position,
// pointer and thumb, placement, range state, button layout and the integer
// position. Portable; the window classes call it with their fields.
#include "platform/portable/DpiScale.h"

// Geometry of the pop-up's client area at 96 DPI (scaled to the window's DPI
// at use). The track runs from x 12 to 112 so one pixel is one percent; the
// thumb tip is 12 pixels right of the position.
enum
{
    GvPopupSliderWidth = 125,
    GvPopupSliderHeight = 20,
    GvPopupSliderTrackLeft = 12,
    GvPopupSliderTrackRight = 112,
    GvPopupSliderTrackY = 6,
    GvPopupSliderTipY = 10,
    GvPopupSliderThumbLeft = 7, // the thumb's outline starts 5 pixels left of its tip
    GvPopupSliderOffsetX = 8    // the window opens this far right of the point asked for
};

// Truncation toward zero that saturates at the 32-bit limits; NaN gives 0.
int GvSliderTruncate(float value);

// A range narrower than 0.00001 becomes (min - 1, max + 1). Returns whether
// it was widened.
bool GvWidenDegenerateRange(float& min, float& max);

// Position in percent of the value limited to [min, max].
float GvSliderPositionFromValue(float value, float min, float max);
// Value at a position; positions outside 0..100 give values outside the range.
float GvSliderValueFromPosition(float position, float min, float max);

// Limits a position to 0..100 when clamp is set.
float GvSliderClampPosition(float position, bool clamp);
// Position under a pointer at client x of a pop-up shown at dpi.
float GvSliderPositionFromPointerX(int x, bool clamp, unsigned dpi = GvDefaultDpi);
// One step of an arrow key or a wheel notch (step +1 or -1); with clamp, a
// step right is limited to 100 and a step left to 0.
float GvSliderStepPosition(float position, int step, bool clamp);
// Client x of the thumb tip: the position truncated, limited to 0..100, + 12,
// each scaled to dpi.
int GvSliderThumbTipX(float position, unsigned dpi = GvDefaultDpi);

// Top-left corner of a pop-up asked for at point (screen): 8 pixels right,
// then kept inside the work area when there is one; offset and size scaled
// to dpi.
GvPoint GvPlacePopupSlider(GvPoint point, const GvRect* workArea, unsigned dpi = GvDefaultDpi);

// Range state: value units per pixel of vertical travel.
float GvSliderRangeStep(float min, float max);
// Widens (delta > 0) or narrows the range by delta on each side. Refuses
// (returns false, range unchanged) a result narrower than 0.0001 or inverted.
bool GvSliderUpdateRange(float& min, float& max, float delta);

// Range a slider edit gives its pop-up: its own range when clamping, else
// widened to include the value.
void GvSliderEditPopupRange(float value, float min, float max, bool clamp, float* popupMin, float* popupMax);

// Width of the slider edit's button: 80 % of the client height.
int GvSliderButtonWidth(int clientHeight);
// Takes the button's strip off client (the right end for alignment 0, else
// the left end) and returns the button's rectangle, normalised. With
// relativeToWindow the rectangle is moved by minus the window origin.
GvRect GvSliderButtonLayout(GvRect& client, int alignment, bool relativeToWindow, GvPoint windowOrigin);
// The rectangle under which the pop-up opens: the button widened to the left
// by half its width. The pop-up is asked for at its bottom-left corner.
GvRect GvSliderEditPopupAnchor(const GvRect& button);

// Integer slider range: the float range truncated, limited to +-32767.
void GvSliderIntegerRange(float min, float max, int* lo, int* hi);
// The value mapped to one of steps integer positions in [lo, hi]. A step
// count of 0 or an empty range gives lo.
int GvSliderIntPosition(float value, float min, float max, int steps);
// An integer position as a percentage of [lo, hi]; 0 for an empty range.
int GvSliderPosPerc(int position, float min, float max);
