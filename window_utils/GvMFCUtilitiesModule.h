#pragma once
// The library's own module: its instance, which holds its dialog templates.
#include <windows.h>

HINSTANCE GvGetLibraryInstance();
