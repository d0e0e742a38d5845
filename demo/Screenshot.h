#pragma once
#include <windows.h>

class CDemoFrame;

// Saves every scene of every panel of the frame as
// DIR/<panel>[-<scene>]<suffix>.png and reports each file on standard
// output. Returns false if a picture could not be taken or written.
bool GvSaveDemoScreenshots(CDemoFrame& frame, LPCWSTR directory, LPCWSTR suffix = L"");

// Interactive dumps for checks of the screen: every 50 ms looks for
// DIR/request holding a picture name (letters, digits, '-', '_'), saves what
// the windows painted as DIR/<name>.png with DIR/<name>.txt (its screen
// origin, the panels, every visible window's kind, rectangle, identifier and
// class), then deletes the request.
void GvServeDumpRequests(CDemoFrame& frame, LPCWSTR directory);
