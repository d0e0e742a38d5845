#pragma once
// Export macro of the host's texture picture library (GvGfxUtil.dll on
// Windows; a static library natively).
#if defined(_WIN32) && !defined(GV_GFXUTIL_STATIC)
#if defined(GVGFXUTIL_EXPORTS)
#define GV_GFXUTIL_API __declspec(dllexport)
#else
#define GV_GFXUTIL_API __declspec(dllimport)
#endif
#else
#define GV_GFXUTIL_API
#endif
