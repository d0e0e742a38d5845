#include "color/ColorPickerMath.h"

#include <cmath>
#include "GvUtilities.h"

namespace {

GvColorStop StopOfHSV(float hueDegrees, float s, float v)
{
    GvColorStop stop;
    HSVtoRGB(&stop.red, &stop.green, &stop.blue, hueDegrees, s, v);
    return stop;
}

} // namespace

uint32_t GvPickerPack(const GvRGBA& c)
{
    return GvChannel8(c.a) << 24 | GvChannel8(c.b) << 16 | GvChannel8(c.g) << 8 | GvChannel8(c.r);
}

GvHSV GvPickerHSVOf(const GvRGBA& c)
{
    GvHSV hsv;
    RGBtoHSV(c.r, c.g, c.b, &hsv.h, &hsv.s, &hsv.v);
    hsv.h /= 360.0f;
    return hsv;
}

void GvPickerSetRGB(GvRGBA& c, const GvHSV& hsv)
{
    HSVtoRGB(&c.r, &c.g, &c.b, hsv.h * 360.0f, hsv.s, hsv.v);
}

int GvPickerSliderStops(GvPickerColorType type, GvPickerSliderType slider, const GvRGBA& c, const GvHSV& hsv,
                        GvColorStop stops[7])
{
    const float hue = hsv.h * 360.0f;
    switch (slider) {
    case GvPickerRedSlider:
        if (type == GvPickerHSV) {
            for (int i = 0; i < 7; ++i)
                stops[i] = StopOfHSV(static_cast<float>(i * 60), hsv.s, hsv.v);
            return 7;
        }
        stops[0] = {0.0f, c.g, c.b};
        stops[1] = {1.0f, c.g, c.b};
        return 2;
    case GvPickerGreenSlider:
        if (type == GvPickerHSV) {
            stops[0] = StopOfHSV(hue, 0.0f, hsv.v);
            stops[1] = StopOfHSV(hue, 1.0f, hsv.v);
        } else {
            stops[0] = {c.r, 0.0f, c.b};
            stops[1] = {c.r, 1.0f, c.b};
        }
        return 2;
    case GvPickerBlueSlider:
        if (type == GvPickerRGB) {
            stops[0] = {c.r, c.g, 0.0f};
            stops[1] = {c.r, c.g, 1.0f};
            return 2;
        }
        break; // the value's gradient, as the value slider
    case GvPickerAlphaSlider:
        stops[0] = {1.0f, 1.0f, 1.0f};
        stops[1] = {c.r, c.g, c.b};
        return 2;
    case GvPickerValueSlider: break;
    }
    stops[0] = StopOfHSV(hue, hsv.s, 0.0f);
    stops[1] = StopOfHSV(hue, hsv.s, 1.0f);
    return 2;
}

void GvPickerEditValues(GvPickerColorType type, const GvRGBA& c, const GvHSV& hsv, float scale, float values[4])
{
    if (type == GvPickerHSV) {
        values[0] = hsv.h * 360.0f;
        values[1] = hsv.s;
        values[2] = hsv.v;
        values[3] = c.a;
        return;
    }
    values[0] = c.r * scale;
    values[1] = c.g * scale;
    values[2] = c.b * scale;
    values[3] = c.a * scale;
}

bool GvPickerEditDiffers(float shown, float value)
{
    return std::fabs(shown - value) > 0.00001f;
}

void GvPickerApplyTyped(GvPickerColorType type, const float typed[4], float scale, GvRGBA& c, GvHSV& hsv)
{
    if (type == GvPickerHSV) {
        hsv.h = GvClamp01(typed[0] / 360.0f);
        hsv.s = GvClamp01(typed[1]);
        hsv.v = GvClamp01(typed[2]);
        c.a = GvClamp01(typed[3]);
        GvPickerSetRGB(c, hsv);
        return;
    }
    c.r = typed[0] / scale;
    c.g = typed[1] / scale;
    c.b = typed[2] / scale;
    c.a = typed[3] / scale;
    hsv = GvPickerHSVOf(c);
}

void GvPickerSliderMoved(GvPickerColorType type, bool valueSlider, GvRGBA& c, GvHSV& hsv)
{
    if (type == GvPickerHSV || valueSlider)
        GvPickerSetRGB(c, hsv);
    else
        hsv = GvPickerHSVOf(c);
}

GvTickThrottle& GvPickerValueThrottle()
{
    static GvTickThrottle s_throttle;
    return s_throttle;
}

GvTickThrottle& GvPickerColorThrottle()
{
    static GvTickThrottle s_throttle;
    return s_throttle;
}

GvSize GvPickerSmallViewSize(int labelWidth, int sliderWidth, int swatchWidth, int sliderHeight, unsigned dpi)
{
    return {labelWidth + sliderWidth + swatchWidth + GvScaleToDpi(4, dpi), 4 * sliderHeight};
}

GvSize GvPickerLargeMinimum(const GvRect& alphaSlider, const GvRect& swatch, const GvRect& redSlider,
                            const GvRect& combo, unsigned dpi)
{
    return {alphaSlider.left + GvScaleToDpi(32, dpi), swatch.Height() - redSlider.top + combo.bottom};
}

GvSize GvPickerSmallMinimum(const GvRect& alphaSlider, unsigned dpi)
{
    return {alphaSlider.left + GvScaleToDpi(32, dpi), alphaSlider.bottom};
}

GvPickerDialogLayout GvPickerDialogLayoutOf(GvSize client, GvSize ok, unsigned dpi)
{
    const int half = client.cx / 2, y = client.cy - ok.cy;
    const int gap = GvScaleToDpi(4, dpi), halfGap = GvScaleToDpi(2, dpi);
    GvPickerDialogLayout layout;
    layout.picker = {0, 0, client.cx, client.cy - ok.cy - gap};
    layout.ok = {half - ok.cx - halfGap, y, half - halfGap, y + ok.cy};
    layout.cancel = {half + halfGap, y, half + halfGap + ok.cx, y + ok.cy};
    return layout;
}

GvSize GvPickerDialogClientSize(GvSize picker, bool hasOk, int okHeight, unsigned dpi)
{
    return {picker.cx, hasOk ? picker.cy + okHeight + GvScaleToDpi(4, dpi) : picker.cy};
}

std::u16string GvColorAccessibleText(const GvRGBA& color)
{
    std::u16string text;
    const char16_t names[3] = {u'R', u'G', u'B'};
    const float channels[3] = {color.r, color.g, color.b};
    for (int i = 0; i < 3; ++i) {
        const float scaled = channels[i] * 255.0f + 0.5f;
        const int byte = scaled > 0.0f ? scaled < 255.0f ? static_cast<int>(scaled) : 255 : 0;
        if (i > 0)
            text += u' ';
        text += names[i];
        text += u' ';
        for (char c : std::to_string(byte))
            text += static_cast<char16_t>(c);
    }
    return text;
}
