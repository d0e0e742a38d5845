#include "numeric/SliderMath.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

int Saturate(long long value)
{
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

} // namespace

int GvSliderTruncate(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0f)
        return INT_MAX;
    if (value <= -2147483648.0f)
        return INT_MIN;
    return static_cast<int>(value);
}

bool GvWidenDegenerateRange(float& min, float& max)
{
    if (std::fabs(min - max) >= 0.00001f)
        return false;
    min -= 1.0f;
    max += 1.0f;
    return true;
}

float GvSliderPositionFromValue(float value, float min, float max)
{
    if (value < min)
        value = min;
    if (value > max)
        value = max;
    return (value - min) * 100.0f / std::fabs(min - max);
}

float GvSliderValueFromPosition(float position, float min, float max)
{
    return min + std::fabs(max - min) * position / 100.0f;
}

float GvSliderClampPosition(float position, bool clamp)
{
    if (clamp) {
        if (position < 0.0f)
            return 0.0f;
        if (position > 100.0f)
            return 100.0f;
    }
    return position;
}

float GvSliderPositionFromPointerX(int x, bool clamp, unsigned dpi)
{
    const int fromTrack = x - GvScaleToDpi(GvPopupSliderTrackLeft, dpi);
    if (dpi == 0 || dpi == GvDefaultDpi)
        return GvSliderClampPosition(static_cast<float>(fromTrack), clamp);
    return GvSliderClampPosition(static_cast<float>(fromTrack) * GvDefaultDpi / static_cast<float>(dpi), clamp);
}

float GvSliderStepPosition(float position, int step, bool clamp)
{
    position += static_cast<float>(step);
    // Only the end the step moves towards is limited.
    if (clamp && step > 0 && position > 100.0f)
        return 100.0f;
    if (clamp && step < 0 && position < 0.0f)
        return 0.0f;
    return position;
}

int GvSliderThumbTipX(float position, unsigned dpi)
{
    int p = GvSliderTruncate(position);
    if (p < 0)
        p = 0;
    if (p > 100)
        p = 100;
    return GvScaleToDpi(p, dpi) + GvScaleToDpi(GvPopupSliderTrackLeft, dpi);
}

GvPoint GvPlacePopupSlider(GvPoint point, const GvRect* workArea, unsigned dpi)
{
    GvPoint at = {point.x + GvScaleToDpi(GvPopupSliderOffsetX, dpi), point.y};
    if (workArea) {
        const GvSize size = GvScaleToDpi(GvSize{GvPopupSliderWidth, GvPopupSliderHeight}, dpi);
        if (at.x < workArea->left)
            at.x = workArea->left;
        if (at.x > workArea->right - size.cx)
            at.x = workArea->right - size.cx;
        if (at.y < workArea->top)
            at.y = workArea->top;
        if (at.y > workArea->bottom - size.cy)
            at.y = workArea->bottom - size.cy;
    }
    return at;
}

float GvSliderRangeStep(float min, float max)
{
    return std::fabs((max - min) / 100.0f);
}

bool GvSliderUpdateRange(float& min, float& max, float delta)
{
    const float newMin = min - delta;
    const float newMax = max + delta;
    if (!(std::fabs(newMax - newMin) >= 0.0001f) || newMin > newMax)
        return false;
    min = newMin;
    max = newMax;
    return true;
}

void GvSliderEditPopupRange(float value, float min, float max, bool clamp, float* popupMin, float* popupMax)
{
    *popupMin = clamp || min < value ? min : value;
    *popupMax = clamp || max > value ? max : value;
}

int GvSliderButtonWidth(int clientHeight)
{
    return 8 * clientHeight / 10;
}

GvRect GvSliderButtonLayout(GvRect& client, int alignment, bool relativeToWindow, GvPoint windowOrigin)
{
    GvRect button = client;
    const int width = GvSliderButtonWidth(client.bottom - client.top);
    if (alignment == 0) {
        client.right -= width;
        button.left = client.right;
    } else {
        client.left += width;
        button.right = client.left;
    }
    if (relativeToWindow)
        button = button.Offset(-windowOrigin.x, -windowOrigin.y);
    return button.Normalized();
}

GvRect GvSliderEditPopupAnchor(const GvRect& button)
{
    GvRect anchor = button;
    anchor.left -= (button.right - button.left) / 2;
    return anchor;
}

void GvSliderIntegerRange(float min, float max, int* lo, int* hi)
{
    *lo = min < -32767.0f ? -32767 : GvSliderTruncate(min);
    *hi = max > 32767.0f ? 32767 : GvSliderTruncate(max);
}

int GvSliderIntPosition(float value, float min, float max, int steps)
{
    int lo, hi;
    GvSliderIntegerRange(min, max, &lo, &hi);
    if (steps == 0 || max == min)
        return lo;
    const long long k = GvSliderTruncate((value - min) / ((max - min) / static_cast<float>(steps)));
    return Saturate(k * ((static_cast<long long>(hi) - lo) / steps) + lo);
}

int GvSliderPosPerc(int position, float min, float max)
{
    int lo, hi;
    GvSliderIntegerRange(min, max, &lo, &hi);
    const long long width = std::llabs(static_cast<long long>(hi) - lo);
    if (width == 0)
        return 0;
    const long long offset = static_cast<long long>(position) - (lo < 0 ? lo : 0);
    return Saturate(offset * 100 / width);
}
