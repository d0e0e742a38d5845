#include "numeric/NumberText.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

GvStringW Widen(const char* text, int length)
{
    GvStringW out;
    for (int i = 0; i < length; ++i)
        out.Append(static_cast<unsigned short>(static_cast<unsigned char>(text[i])));
    return out;
}

bool IsSeparator(unsigned int ch)
{
    return ch == '.' || ch == ',';
}

} // namespace

bool GvNumberNeedsScientificForm(float value)
{
    return value > 10000.0f || value < -10000.0f || (value != 0.0f && value > -0.00001f && value < 0.00001f);
}

GvStringW GvNumberToText(float value, int precision, bool scientificDisplay)
{
    if (precision < 0)
        precision = 0;
    if (precision > GvNumberTextMaxPrecision)
        precision = GvNumberTextMaxPrecision;
    const char* format = scientificDisplay && GvNumberNeedsScientificForm(value) ? "%.*e" : "%.*f";
    // 3.4e38 in the fixed form with the largest precision fits.
    char buffer[128];
    int length = std::snprintf(buffer, sizeof buffer, format, precision, static_cast<double>(value));
    if (length < 0)
        length = 0;
    if (length >= static_cast<int>(sizeof buffer))
        length = static_cast<int>(sizeof buffer) - 1;
    return Widen(buffer, length);
}

int GvRoundHalfAwayFromZero(float value)
{
    if (std::isnan(value))
        return 0;
    const double shifted = value >= 0.0f ? static_cast<double>(value) + 0.5 : static_cast<double>(value) - 0.5;
    if (shifted >= 2147483647.0)
        return INT_MAX;
    if (shifted <= -2147483648.0)
        return INT_MIN;
    return static_cast<int>(shifted);
}

GvStringW GvNumberDisplayText(float value, int precision, bool scientificDisplay, bool integerDisplay)
{
    if (!integerDisplay)
        return GvNumberToText(value, precision, scientificDisplay);
    char buffer[16];
    const int length = std::snprintf(buffer, sizeof buffer, "%d", GvRoundHalfAwayFromZero(value));
    return Widen(buffer, length);
}

bool GvIsNumberCharAllowed(unsigned int ch, int precision, bool allowNegative)
{
    if (ch < 0x20 || (ch >= '0' && ch <= '9'))
        return true;
    if (ch == '-')
        return allowNegative;
    if (IsSeparator(ch))
        return precision > 0;
    return false;
}

bool GvIsNumberCharAccepted(unsigned int ch, const unsigned short* text, int selStart, int selEnd, int precision,
                            bool allowNegative)
{
    if (!GvIsNumberCharAllowed(ch, precision, allowNegative))
        return false;
    if (!text || (ch != '-' && !IsSeparator(ch)))
        return true;
    for (int i = 0; text[i]; ++i) {
        if (i >= selStart && i < selEnd)
            continue;
        if (IsSeparator(ch) ? IsSeparator(text[i]) : text[i] == '-')
            return false;
    }
    return true;
}

bool GvMoveMinusToFront(GvStringW& text)
{
    const int length = text.GetLength();
    int minus = 0;
    while (minus < length && text[minus] != '-')
        ++minus;
    if (minus == length)
        return false;
    GvStringW moved;
    moved.Append('-');
    moved.Append(text.GetText(), minus);
    moved.Append(text.GetText() + minus + 1, length - minus - 1);
    text = std::move(moved);
    return true;
}
