#include "color/ColorSliderMath.h"

#include "numeric/SliderMath.h"

namespace {

int LimitStops(int stopCount)
{
    return stopCount > GvColorSliderMaxStops ? GvColorSliderMaxStops : stopCount;
}

GvGradientVertex Vertex(int x, int y, const GvColorStop& stop)
{
    return {x, y, GvChannel16(stop.red), GvChannel16(stop.green), GvChannel16(stop.blue), 0};
}

} // namespace

bool GvColorSliderValueFromPoint(bool vertical, GvPoint point, GvSize client, float* value)
{
    const int extent = vertical ? client.cy : client.cx;
    if (extent == 0)
        return false;
    const float fraction = static_cast<float>(vertical ? point.y : point.x) / static_cast<float>(extent);
    *value = GvClamp01(vertical ? 1.0f - fraction : fraction);
    return true;
}

int GvColorSliderBandCount(int stopCount)
{
    stopCount = LimitStops(stopCount);
    return stopCount < 2 ? 0 : stopCount - 1;
}

const unsigned long GvColorSliderBandTriangles[2][3] = {{0, 1, 2}, {1, 2, 3}};

void GvColorSliderBand(bool vertical, GvSize client, const GvColorStop* stops, int stopCount, int band,
                       GvGradientVertex vertices[4])
{
    const int last = LimitStops(stopCount) - 1;
    const float n = static_cast<float>(last);
    const float from = static_cast<float>(band) / n, to = static_cast<float>(band + 1) / n;
    const int w = client.cx, h = client.cy;
    if (vertical) {
        const int y0 = GvSliderTruncate(static_cast<float>(h) * from);
        const int y1 = GvSliderTruncate(static_cast<float>(h) * to);
        vertices[0] = Vertex(0, y0, stops[last - band]);
        vertices[1] = Vertex(0, y1, stops[last - band - 1]);
        vertices[2] = Vertex(w, y0, stops[last - band]);
        vertices[3] = Vertex(w, y1, stops[last - band - 1]);
    } else {
        const int x0 = GvSliderTruncate(static_cast<float>(w) * from);
        const int x1 = GvSliderTruncate(static_cast<float>(w) * to);
        vertices[0] = Vertex(x0, 0, stops[band]);
        vertices[1] = Vertex(x0, h, stops[band]);
        vertices[2] = Vertex(x1, 0, stops[band + 1]);
        vertices[3] = Vertex(x1, h, stops[band + 1]);
    }
}

GvRect GvColorSliderThumb(bool vertical, GvSize client, float value, unsigned dpi)
{
    const int bar = GvScaleToDpi(4, dpi), inset = GvScaleToDpi(2, dpi);
    if (vertical) {
        const int y = GvSliderTruncate(static_cast<float>(client.cy - bar) * (1.0f - value));
        return {inset, y, client.cx - inset, y + bar};
    }
    const int x = GvSliderTruncate(static_cast<float>(client.cx - bar) * value);
    return {x, inset, x + bar, client.cy - inset};
}

bool GvColorSliderKeyStep(unsigned int key, float* value)
{
    const float step = 0.02f;
    switch (key) {
    case GvKeyLeft:
    case GvKeyDown: *value = GvClamp01(*value - step); return true;
    case GvKeyUp:
    case GvKeyRight: *value = GvClamp01(*value + step); return true;
    default: return false;
    }
}

float GvClamp01(float v)
{
    return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v;
}
