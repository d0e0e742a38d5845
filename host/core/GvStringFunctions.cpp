#include "GvStringFunctions.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

unsigned short FoldCase(unsigned short c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned short>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned short>(c - 0x20);
    return c;
}

// The ASCII prefix of text in the form the C library's parsers read; the
// number of units taken is the same as the number of chars.
std::string AsciiPrefix(const unsigned short* text, bool commaIsPoint)
{
    std::string out;
    for (const unsigned short* p = text; *p && *p < 0x80; ++p)
        out.push_back(commaIsPoint && *p == ',' ? '.' : static_cast<char>(*p));
    return out;
}

} // namespace

int GvStrLenW(const unsigned short* text)
{
    int n = 0;
    if (text)
        while (text[n])
            ++n;
    return n;
}

unsigned short* GvStrCopyW(unsigned short* dst, const unsigned short* src, int maxChars)
{
    if (!dst || maxChars == 0)
        return dst;
    int i = 0;
    if (src)
        for (; src[i] && (maxChars < 0 || i < maxChars - 1); ++i)
            dst[i] = src[i];
    dst[i] = 0;
    return dst;
}

int GvStrCmpW(const unsigned short* a, const unsigned short* b, int n)
{
    for (int i = 0; n < 0 || i < n; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
        if (!a[i])
            break;
    }
    return 0;
}

int GvStrICmpW(const unsigned short* a, const unsigned short* b, int n)
{
    for (int i = 0; n < 0 || i < n; ++i) {
        const unsigned short ca = FoldCase(a[i]), cb = FoldCase(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (!ca)
            break;
    }
    return 0;
}

const unsigned short* GvStrStrW(const unsigned short* text, const unsigned short* needle)
{
    if (!text || !needle)
        return nullptr;
    if (!*needle)
        return text;
    for (; *text; ++text) {
        int i = 0;
        while (needle[i] && text[i] == needle[i])
            ++i;
        if (!needle[i])
            return text;
    }
    return nullptr;
}

double GvStrToDoubleW(const unsigned short* text, const unsigned short** end)
{
    if (!text) {
        if (end)
            *end = text;
        return 0.0;
    }
    const std::string ascii = AsciiPrefix(text, true);
    char* stop = nullptr;
    const double value = std::strtod(ascii.c_str(), &stop);
    if (end)
        *end = text + (stop - ascii.c_str());
    return value;
}

long GvStrToLongW(const unsigned short* text, const unsigned short** end, int base)
{
    if (!text) {
        if (end)
            *end = text;
        return 0;
    }
    const std::string ascii = AsciiPrefix(text, false);
    char* stop = nullptr;
    const long long value = std::strtoll(ascii.c_str(), &stop, base);
    if (end)
        *end = text + (stop - ascii.c_str());
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<long>(value);
}

unsigned short* GvStrAtoW(unsigned short* dst, const char* src, int maxChars)
{
    if (!dst || maxChars == 0)
        return dst;
    int i = 0;
    if (src)
        for (; src[i] && (maxChars < 0 || i < maxChars - 1); ++i)
            dst[i] = static_cast<unsigned char>(src[i]);
    dst[i] = 0;
    return dst;
}
