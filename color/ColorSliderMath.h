#pragma once
#include "color/WheelGeometry.h"
#include "platform/portable/DpiScale.h"

// Arithmetic of the colour slider: value from a point, gradient bands, the
// thumb and key steps; wheel notches follow the library's one rule
// (GvWheelNotches, window_utils/ScrollMath.h). Portable; CGvColorSlider calls
// it.

// One gradient stop: red, green, blue, 0 to 1.
struct GvColorStop
{
    float red, green, blue;
};

enum
{
    GvColorSliderMaxStops = 32
};

// v limited to 0..1 (a NaN stays a NaN).
float GvClamp01(float v);

// The value under a client point: the top (vertical) or left (horizontal)
// edge is 1 or 0, points beyond the ends clamp. False for a slider of zero
// extent along its axis, which has no value to give.
bool GvColorSliderValueFromPoint(bool vertical, GvPoint point, GvSize client, float* value);

// Number of bands a slider with stopCount stops draws (stopCount limited to
// 2..32; fewer than 2 draws none).
int GvColorSliderBandCount(int stopCount);
// Band i as the four vertices of one GradientFill call, triangles (0,1,2)
// and (1,2,3). Stop 0 is at the left, or at the bottom of a vertical slider.
void GvColorSliderBand(bool vertical, GvSize client, const GvColorStop* stops, int stopCount, int band,
                       GvGradientVertex vertices[4]);
extern const unsigned long GvColorSliderBandTriangles[2][3];

// The thumb: a 4-pixel bar inset by 2 pixels across the slider, both
// measures given for 96 DPI and scaled to dpi.
GvRect GvColorSliderThumb(bool vertical, GvSize client, float value, unsigned dpi = GvDefaultDpi);

// Arrow keys step the value by 0.02 (left and down subtract, up and right
// add), clamped to 0..1. False, value unchanged, for any other key.
enum GvArrowKeyType
{
    GvKeyLeft = 0x25,
    GvKeyUp = 0x26,
    GvKeyRight = 0x27,
    GvKeyDown = 0x28
};
bool GvColorSliderKeyStep(unsigned int key, float* value);
