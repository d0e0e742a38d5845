#pragma once
#include "platform/portable/GraphicsTypes.h"

// Arithmetic of the colour wheel: the hexagon's geometry, the two mappings
// between points and colours, the wheel's own HSV conversion, a pick and the
// marker. All in single precision with the constants the wheel has always
// used, so the pixels stay where they were. Portable; CGvColorWheel calls it.

// One vertex of a GradientFill call: TRIVERTEX's fields, 16-bit channels.
struct GvGradientVertex
{
    int x, y;
    unsigned short red, green, blue, alpha;
};

// Centre and radius of a client rectangle, and the corners' offsets
// tc = trunc(r cos 60), ts = trunc(r sin 60).
struct GvWheelGeometry
{
    int cx, cy, radius, tc, ts;
};

GvWheelGeometry GvWheelGeometryOf(const GvRect& client);

// The six corners, red, yellow, green, cyan, blue, magenta (screen
// orientation: hue runs counter-clockwise, red at the right).
void GvWheelCorners(const GvWheelGeometry& geometry, GvPoint corners[6]);

// The wheel's HSV to RGB, h in degrees: h >= 360 or NaN counts as 0; a
// negative h ends in the last sector.
void GvWheelHSVtoRGB(float* r, float* g, float* b, float h, float s, float v);

// Full-brightness colour at offset (x, y) from the centre, y up. The
// saturation is the hexagonal distance over the inner radius, at most 1.
void GvWheelMapPositionToColor(int x, int y, int radius, float* r, float* g, float* b);

// Marker offset of a colour from the centre, y down. Black has none (false).
bool GvWheelMapColorToPosition(float r, float g, float b, int radius, GvPoint* offset);

// A pick at a client point: hue and saturation from the point, the value
// the colour had before. Writes rgb[0..2].
void GvWheelPick(const GvWheelGeometry& geometry, GvPoint point, float* rgb);

// The largest of the three components.
float GvColorValue(const float* rgb);

// Truncation to a 16-bit GDI channel, kept to its low 16 bits.
unsigned short GvChannel16(float c);
// Truncation of c x 255, kept to its low 8 bits.
unsigned int GvChannel8(float c);

// The hexagon at the colour's value: vertex 0 the grey centre, 1 to 6 the
// corners, drawn as the triangles of GvWheelTriangles.
void GvWheelHexagon(const GvWheelGeometry& geometry, float value, GvGradientVertex vertices[7]);
extern const unsigned long GvWheelTriangles[6][3];

// The cross drawn at the colour's byte-quantised position; none for black.
// Drawn black from value 0.6 up, white below.
struct GvWheelMarker
{
    bool visible;
    GvPoint centre;
    bool black;
};
GvWheelMarker GvWheelMarkerOf(const GvWheelGeometry& geometry, const float* rgb);

// Keys of the wheel beside the arrows (GvArrowKeyType, ColorSliderMath.h).
enum GvPageKeyType
{
    GvKeyPageUp = 0x21,
    GvKeyPageDown = 0x22
};

// A key step of the marker, the value kept: Left and Right turn the hue by
// 1 degree (Right counter-clockwise on screen, as hue runs), Up and Down move
// the saturation by 0.01, Page Up and Page Down by 0.1, limited to 0..1. The
// hue of a grey is 0, so a step from grey starts at red; black stays black.
// False, colour unchanged, for any other key.
bool GvWheelKeyStep(unsigned int key, float* rgb);
