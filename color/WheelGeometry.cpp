#include "color/WheelGeometry.h"

#include <cmath>
#include "GvUtilities.h"
#include "color/ColorSliderMath.h"
#include "numeric/SliderMath.h"

namespace {

// The angles as the wheel has always held them: single-precision radians,
// their sines and cosines rounded to single precision.
const float kAngle30 = 0.5235987901687622f;
const float kAngle60 = 1.0471975803375244f;
const float kAngle300 = 5.235987663269043f;
const float kDegreesPerRadian = 57.295780181884766f;
const float kHexagonX = 0.866f;

float SingleCos(float angle)
{
    return static_cast<float>(std::cos(static_cast<double>(angle)));
}

float SingleSin(float angle)
{
    return static_cast<float>(std::sin(static_cast<double>(angle)));
}

} // namespace

GvWheelGeometry GvWheelGeometryOf(const GvRect& client)
{
    GvWheelGeometry g;
    g.cx = (client.left + client.right) / 2;
    g.cy = (client.top + client.bottom) / 2;
    const int w = client.right - client.left, h = client.bottom - client.top;
    g.radius = (w < h ? w : h) / 2;
    const float r = static_cast<float>(g.radius);
    g.tc = GvSliderTruncate(r * SingleCos(kAngle60));
    g.ts = GvSliderTruncate(r * SingleSin(kAngle60));
    return g;
}

void GvWheelCorners(const GvWheelGeometry& g, GvPoint corners[6])
{
    corners[0] = {g.cx + g.radius, g.cy};
    corners[1] = {g.cx + g.tc, g.cy - g.ts};
    corners[2] = {g.cx - g.tc, g.cy - g.ts};
    corners[3] = {g.cx - g.radius, g.cy};
    corners[4] = {g.cx - g.tc, g.cy + g.ts};
    corners[5] = {g.cx + g.tc, g.cy + g.ts};
}

void GvWheelHSVtoRGB(float* r, float* g, float* b, float h, float s, float v)
{
    if (!(h < 360.0f))
        h = 0.0f;
    if (s == 0.0f) {
        *r = *g = *b = v;
        return;
    }
    const float h6 = h / 60.0f;
    const float fi = std::floor(h6);
    const int i = fi < 0.0f ? -1 : static_cast<int>(fi); // any negative sector is the last one
    const float f = h6 - fi;
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    switch (i) {
    case 0: *r = v, *g = t, *b = p; break;
    case 1: *r = q, *g = v, *b = p; break;
    case 2: *r = p, *g = v, *b = t; break;
    case 3: *r = p, *g = q, *b = v; break;
    case 4: *r = t, *g = p, *b = v; break;
    default: *r = v, *g = p, *b = q; break;
    }
}

void GvWheelMapPositionToColor(int x, int y, int radius, float* r, float* g, float* b)
{
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    float hue = static_cast<float>(std::atan2(static_cast<double>(y), static_cast<double>(x))) * kDegreesPerRadian;
    if (hue < 0.0f)
        hue += 360.0f;
    const float d1 = std::fabs(kHexagonX * fx + 0.5f * fy);
    const float d2 = std::fabs(fy);
    const float d3 = std::fabs(0.5f * fy - kHexagonX * fx);
    const float d = std::fmax(d1, std::fmax(d2, d3));
    float s = d / (SingleCos(kAngle30) * static_cast<float>(radius));
    if (s > 1.0f)
        s = 1.0f;
    if (std::isnan(s)) // a zero radius: only the centre itself
        s = 0.0f;
    GvWheelHSVtoRGB(r, g, b, hue, s, 1.0f);
}

bool GvWheelMapColorToPosition(float r, float g, float b, int radius, GvPoint* offset)
{
    if (r == 0.0f && g == 0.0f && b == 0.0f)
        return false;
    const float cos60 = SingleCos(kAngle60), sin60 = SingleSin(kAngle60);
    const float cos300 = SingleCos(kAngle300), sin300 = SingleSin(kAngle300);
    float x, y;
    if (g <= r && b <= r) {
        const float a = 1.0f - g / r, c = 1.0f - b / r;
        x = cos60 * a + cos300 * c;
        y = sin60 * a + sin300 * c;
    } else if (g >= r && g >= b) {
        const float c = 1.0f - b / g;
        x = cos300 * c - (1.0f - r / g);
        y = sin300 * c;
    } else if (b >= r && b >= g) {
        const float a = 1.0f - g / b;
        x = cos60 * a - (1.0f - r / b);
        y = sin60 * a;
    } else {
        // Only reachable with NaN components: the red formulas, as ever.
        const float a = 1.0f - g / r, c = 1.0f - b / r;
        x = cos60 * a + cos300 * c;
        y = sin60 * a + sin300 * c;
    }
    const float fr = static_cast<float>(radius);
    offset->x = GvSliderTruncate(fr * x);
    offset->y = GvSliderTruncate(fr * y);
    return true;
}

float GvColorValue(const float* rgb)
{
    return std::fmax(rgb[0], std::fmax(rgb[1], rgb[2]));
}

void GvWheelPick(const GvWheelGeometry& geometry, GvPoint point, float* rgb)
{
    const int x = point.x - geometry.cx, y = geometry.cy - point.y;
    const float value = GvColorValue(rgb);
    GvWheelMapPositionToColor(x, y, geometry.radius, &rgb[0], &rgb[1], &rgb[2]);
    for (int i = 0; i < 3; ++i)
        rgb[i] *= value;
}

unsigned short GvChannel16(float c)
{
    return static_cast<unsigned short>(GvSliderTruncate(c * 65535.0f) & 0xFFFF);
}

unsigned int GvChannel8(float c)
{
    return static_cast<unsigned int>(GvSliderTruncate(c * 255.0f)) & 0xFFu;
}

const unsigned long GvWheelTriangles[6][3] = {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {0, 4, 5}, {0, 5, 6}, {0, 6, 1}};

void GvWheelHexagon(const GvWheelGeometry& geometry, float value, GvGradientVertex vertices[7])
{
    const unsigned short gray = GvChannel16(value);
    // Which channels each corner lights, red to magenta.
    static const bool kLit[6][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}, {1, 0, 1}};
    GvPoint corners[6];
    GvWheelCorners(geometry, corners);
    vertices[0] = {geometry.cx, geometry.cy, gray, gray, gray, 0};
    for (int i = 0; i < 6; ++i)
        vertices[i + 1] = {corners[i].x,
                           corners[i].y,
                           static_cast<unsigned short>(kLit[i][0] ? gray : 0),
                           static_cast<unsigned short>(kLit[i][1] ? gray : 0),
                           static_cast<unsigned short>(kLit[i][2] ? gray : 0),
                           0};
}

GvWheelMarker GvWheelMarkerOf(const GvWheelGeometry& geometry, const float* rgb)
{
    GvWheelMarker marker = {false, {geometry.cx, geometry.cy}, GvColorValue(rgb) >= 0.6f};
    GvPoint offset;
    if (GvWheelMapColorToPosition(GvChannel8(rgb[0]) / 255.0f, GvChannel8(rgb[1]) / 255.0f, GvChannel8(rgb[2]) / 255.0f,
                                  geometry.radius, &offset)) {
        marker.visible = true;
        marker.centre = {geometry.cx + offset.x, geometry.cy + offset.y};
    }
    return marker;
}

bool GvWheelKeyStep(unsigned int key, float* rgb)
{
    const float kHueStep = 1.0f, kSaturationStep = 0.01f, kSaturationPage = 0.1f;
    float hueStep = 0.0f, saturationStep = 0.0f;
    switch (key) {
    case GvKeyLeft: hueStep = -kHueStep; break;
    case GvKeyRight: hueStep = kHueStep; break;
    case GvKeyUp: saturationStep = kSaturationStep; break;
    case GvKeyDown: saturationStep = -kSaturationStep; break;
    case GvKeyPageUp: saturationStep = kSaturationPage; break;
    case GvKeyPageDown: saturationStep = -kSaturationPage; break;
    default: return false;
    }
    float h = 0.0f, s = 0.0f, v = 0.0f;
    RGBtoHSV(rgb[0], rgb[1], rgb[2], &h, &s, &v);
    h = std::fmod(h + hueStep + 360.0f, 360.0f);
    s = std::fmin(1.0f, std::fmax(0.0f, s + saturationStep));
    GvWheelHSVtoRGB(&rgb[0], &rgb[1], &rgb[2], h, s, v);
    return true;
}
