#pragma once
#include <windows.h>

class CDemoFrame;

// Saves every scene of every panel of the frame as DIR/<panel>[-<scene>].png
// and reports each file on standard output. Returns false if a picture could
// not be taken or written.
bool GvSaveDemoScreenshots(CDemoFrame& frame, LPCWSTR directory);
