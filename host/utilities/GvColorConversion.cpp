#include <cmath>

#include "GvUtilities.h"

void RGBtoHSV(float r, float g, float b, float* h, float* s, float* v)
{
    const float maximum = std::fmax(r, std::fmax(g, b));
    const float minimum = std::fmin(r, std::fmin(g, b));
    const float chroma = maximum - minimum;
    float hue = 0.0f;
    if (chroma > 0.0f) {
        if (maximum == r)
            hue = 60.0f * std::fmod((g - b) / chroma, 6.0f);
        else if (maximum == g)
            hue = 60.0f * ((b - r) / chroma + 2.0f);
        else
            hue = 60.0f * ((r - g) / chroma + 4.0f);
        if (hue < 0.0f)
            hue += 360.0f;
        if (hue >= 360.0f)
            hue -= 360.0f;
    }
    if (h)
        *h = hue;
    if (s)
        *s = maximum > 0.0f ? chroma / maximum : 0.0f;
    if (v)
        *v = maximum;
}

void HSVtoRGB(float* r, float* g, float* b, float h, float s, float v)
{
    float hue = std::isfinite(h) ? std::fmod(h, 360.0f) : 0.0f;
    if (hue < 0.0f)
        hue += 360.0f;
    const float sector = hue / 60.0f;
    const int index = static_cast<int>(sector) % 6;
    const float fraction = sector - static_cast<float>(static_cast<int>(sector));
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * fraction);
    const float t = v * (1.0f - s * (1.0f - fraction));
    float red = v, green = t, blue = p;
    switch (index) {
    case 0:
        red = v;
        green = t;
        blue = p;
        break;
    case 1:
        red = q;
        green = v;
        blue = p;
        break;
    case 2:
        red = p;
        green = v;
        blue = t;
        break;
    case 3:
        red = p;
        green = q;
        blue = v;
        break;
    case 4:
        red = t;
        green = p;
        blue = v;
        break;
    default:
        red = v;
        green = p;
        blue = q;
        break;
    }
    if (r)
        *r = red;
    if (g)
        *g = green;
    if (b)
        *b = blue;
}
