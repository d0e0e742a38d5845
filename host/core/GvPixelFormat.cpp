#include "GvPixelFormat.h"

namespace {

struct FormatInfo
{
    const char16_t* m_name;
    int m_bytes;
    bool m_alpha;
};

// Indexed by GvPixelFormatType.
const FormatInfo kFormats[GV_FORMAT_COUNT] = {
    {u"Unknown", 0, false},  {u"R8G8B8A8", 4, true}, {u"R8G8B8X8", 4, false},    {u"B8G8R8A8", 4, true},
    {u"B8G8R8X8", 4, false}, {u"R8G8B8", 3, false},  {u"B8G8R8", 3, false},      {u"B5G6R5", 2, false},
    {u"B5G5R5A1", 2, true},  {u"B4G4R4A4", 2, true}, {u"L8", 1, false},          {u"L8A8", 2, true},
    {u"L16", 2, false},      {u"A8", 1, true},       {u"R16G16B16A16", 8, true},
};

const FormatInfo& Info(GvPixelFormatType format)
{
    return format > GV_FORMAT_UNKNOWN && format < GV_FORMAT_COUNT ? kFormats[format] : kFormats[0];
}

// An n-bit component widened to 8 bits, rounded.
uint8_t Widen(unsigned value, unsigned bits)
{
    const unsigned maximum = (1u << bits) - 1u;
    return static_cast<uint8_t>((value * 255u + maximum / 2u) / maximum);
}

uint8_t Narrow16(unsigned value)
{
    return static_cast<uint8_t>((value * 255u + 32767u) / 65535u);
}

void Put(uint8_t* rgba, uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    rgba[0] = r;
    rgba[1] = g;
    rgba[2] = b;
    rgba[3] = a;
}

} // namespace

void GvPixelFormatTypeToString(GvStringW& out, GvPixelFormatType format)
{
    out = GvW(Info(format).m_name);
}

int GvPixelFormatBytesPerPixel(GvPixelFormatType format)
{
    return Info(format).m_bytes;
}

bool GvPixelFormatHasAlpha(GvPixelFormatType format)
{
    return Info(format).m_alpha;
}

bool GvDecodePixels(GvPixelFormatType format, const uint8_t* s, int count, uint8_t* rgba)
{
    const int bytes = Info(format).m_bytes;
    if (bytes == 0 || !s || !rgba)
        return false;
    // The format is chosen once per run, not per pixel: rows of thousands of
    // pixels come through here.
    const auto each = [&](auto convert) {
        for (int i = 0; i < count; ++i, s += bytes, rgba += 4)
            convert(s, static_cast<unsigned>(s[0]) | (bytes > 1 ? static_cast<unsigned>(s[1]) << 8 : 0u), rgba);
    };
    switch (format) {
    case GV_FORMAT_R8G8B8A8:
        each([](const uint8_t* p, unsigned, uint8_t* o) { Put(o, p[0], p[1], p[2], p[3]); });
        break;
    case GV_FORMAT_R8G8B8X8: each([](const uint8_t* p, unsigned, uint8_t* o) { Put(o, p[0], p[1], p[2], 255); }); break;
    case GV_FORMAT_B8G8R8A8:
        each([](const uint8_t* p, unsigned, uint8_t* o) { Put(o, p[2], p[1], p[0], p[3]); });
        break;
    case GV_FORMAT_B8G8R8X8: each([](const uint8_t* p, unsigned, uint8_t* o) { Put(o, p[2], p[1], p[0], 255); }); break;
    case GV_FORMAT_R8G8B8: each([](const uint8_t* p, unsigned, uint8_t* o) { Put(o, p[0], p[1], p[2], 255); }); break;
    case GV_FORMAT_B8G8R8: each([](const uint8_t* p, unsigned, uint8_t* o) { Put(o, p[2], p[1], p[0], 255); }); break;
    case GV_FORMAT_B5G6R5:
        each([](const uint8_t*, unsigned v, uint8_t* o) {
            Put(o, Widen(v >> 11, 5), Widen((v >> 5) & 63u, 6), Widen(v & 31u, 5), 255);
        });
        break;
    case GV_FORMAT_B5G5R5A1:
        each([](const uint8_t*, unsigned v, uint8_t* o) {
            Put(o, Widen((v >> 10) & 31u, 5), Widen((v >> 5) & 31u, 5), Widen(v & 31u, 5), (v & 0x8000u) ? 255 : 0);
        });
        break;
    case GV_FORMAT_B4G4R4A4:
        each([](const uint8_t*, unsigned v, uint8_t* o) {
            Put(o, Widen((v >> 8) & 15u, 4), Widen((v >> 4) & 15u, 4), Widen(v & 15u, 4), Widen(v >> 12, 4));
        });
        break;
    case GV_FORMAT_L8: each([](const uint8_t* p, unsigned, uint8_t* o) { Put(o, p[0], p[0], p[0], 255); }); break;
    case GV_FORMAT_L8A8: each([](const uint8_t* p, unsigned, uint8_t* o) { Put(o, p[0], p[0], p[0], p[1]); }); break;
    case GV_FORMAT_L16:
        each([](const uint8_t*, unsigned v, uint8_t* o) {
            const uint8_t l = Narrow16(v);
            Put(o, l, l, l, 255);
        });
        break;
    case GV_FORMAT_A8: each([](const uint8_t* p, unsigned, uint8_t* o) { Put(o, 0, 0, 0, p[0]); }); break;
    case GV_FORMAT_R16G16B16A16:
        each([](const uint8_t* p, unsigned, uint8_t* o) {
            Put(o, Narrow16(p[0] | p[1] << 8), Narrow16(p[2] | p[3] << 8), Narrow16(p[4] | p[5] << 8),
                Narrow16(p[6] | p[7] << 8));
        });
        break;
    default: return false;
    }
    return true;
}
