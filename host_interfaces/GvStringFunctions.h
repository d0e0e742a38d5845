#pragma once
#include "GvCoreExport.h"

// UTF-16 text in unsigned short units (wchar_t is 32 bits on Linux).
// A length or capacity of -1 means "up to the terminator".

// Turns a char16_t literal (u"...") into the core's unit type.
inline const unsigned short* GvW(const char16_t* text)
{
    return reinterpret_cast<const unsigned short*>(text);
}

GV_CORE_API int GvStrLenW(const unsigned short* text);

// Copies at most maxChars units including the terminator (always terminated
// when maxChars > 0). Returns dst.
GV_CORE_API unsigned short* GvStrCopyW(unsigned short* dst, const unsigned short* src, int maxChars);

// Compare at most n units (-1: whole strings); 0 when equal, <0 or >0 like
// strcmp. The I variant folds ASCII and Latin-1 letters.
GV_CORE_API int GvStrCmpW(const unsigned short* a, const unsigned short* b, int n);
GV_CORE_API int GvStrICmpW(const unsigned short* a, const unsigned short* b, int n);

// First occurrence of needle in text, or null; an empty needle finds text.
GV_CORE_API const unsigned short* GvStrStrW(const unsigned short* text, const unsigned short* needle);

// Leading number of the text, after leading white space, like strtod in the
// C locale, except that ',' is taken as the decimal separator as well as '.'
// (users type either). 0 when there is no number; *end (when given) points
// behind the number, or at text when there is none.
GV_CORE_API double GvStrToDoubleW(const unsigned short* text, const unsigned short** end);

// Leading integer like strtol, clamped to the 32-bit range on every platform.
GV_CORE_API long GvStrToLongW(const unsigned short* text, const unsigned short** end, int base);

// 8-bit text to UTF-16, one unit per byte (byte values 128-255 as Latin-1),
// up to and including the terminator or maxChars units (always terminated
// when maxChars > 0). Returns dst.
GV_CORE_API unsigned short* GvStrAtoW(unsigned short* dst, const char* src, int maxChars);
