#pragma once
// Export macro of the host's core library (GvCore.dll on Windows; a static
// library natively).
#if defined(_WIN32) && !defined(GV_CORE_STATIC)
#if defined(GVCORE_EXPORTS)
#define GV_CORE_API __declspec(dllexport)
#else
#define GV_CORE_API __declspec(dllimport)
#endif
#else
#define GV_CORE_API
#endif
