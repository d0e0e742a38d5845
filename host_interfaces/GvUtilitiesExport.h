#pragma once
// Export macro of the host's interface utilities (GvUtilities.dll on
// Windows; a static library natively).
#if defined(_WIN32) && !defined(GV_UTILITIES_STATIC)
#if defined(GVUTILITIES_EXPORTS)
#define GV_UTILITIES_API __declspec(dllexport)
#else
#define GV_UTILITIES_API __declspec(dllimport)
#endif
#else
#define GV_UTILITIES_API
#endif
