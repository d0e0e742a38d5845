#pragma once
#include <cstdint>
#include "GvCoreExport.h"
#include "GvString.h"

// Pixel formats of texture objects. A name lists the components from the
// first byte (or, in packed 16-bit formats, from the lowest bits): R8G8B8A8
// is stored as bytes R, G, B, A; B5G6R5 has blue in bits 0-4. X is an unused
// component. L is luminance. The values are stable (they may be stored).
enum GvPixelFormatType
{
    GV_FORMAT_UNKNOWN = 0,
    GV_FORMAT_R8G8B8A8 = 1,
    GV_FORMAT_R8G8B8X8 = 2,
    GV_FORMAT_B8G8R8A8 = 3,
    GV_FORMAT_B8G8R8X8 = 4,
    GV_FORMAT_R8G8B8 = 5,
    GV_FORMAT_B8G8R8 = 6,
    GV_FORMAT_B5G6R5 = 7,
    GV_FORMAT_B5G5R5A1 = 8,
    GV_FORMAT_B4G4R4A4 = 9,
    GV_FORMAT_L8 = 10,
    GV_FORMAT_L8A8 = 11,
    GV_FORMAT_L16 = 12,
    GV_FORMAT_A8 = 13,
    GV_FORMAT_R16G16B16A16 = 14,
    GV_FORMAT_COUNT
};

// The format's name ("R8G8B8A8"), "Unknown" for GV_FORMAT_UNKNOWN and any
// value outside the enumeration.
GV_CORE_API void GvPixelFormatTypeToString(GvStringW& out, GvPixelFormatType format);
// 0 for an unknown format.
GV_CORE_API int GvPixelFormatBytesPerPixel(GvPixelFormatType format);
GV_CORE_API bool GvPixelFormatHasAlpha(GvPixelFormatType format);

// Converts count pixels to 8-bit R, G, B, A (4 bytes each): missing colour
// components read 0 (A8 is black), missing alpha 255, luminance fills R, G
// and B, wider components keep their top 8 bits rounded. False, and nothing
// written, for an unknown format or a null pointer.
GV_CORE_API bool GvDecodePixels(GvPixelFormatType format, const uint8_t* source, int count, uint8_t* rgba);
