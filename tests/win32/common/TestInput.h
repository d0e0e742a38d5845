#pragma once
// Input as a user gives it. The Send and Post helpers hand a window the
// messages that the system would make of a click, drag, wheel turn or key
// press; the Real helpers go through the system's input queue (SendInput),
// where hit-testing, capture and the pointer position take part. Every helper
// handles what is queued before it returns.
#include <windows.h>

#include <initializer_list>

#include "platform/mfc/GvMfc.h"

// Left button down and up at a client point.
void SendClick(HWND hWnd, CPoint point);
// Left button down at `from`, `steps` moves with the button held ending at
// `to`, then up there.
void SendDrag(HWND hWnd, CPoint from, CPoint to, int steps = 4);
// Wheel notches (positive: away from the user) at a screen point.
void SendWheel(HWND hWnd, int notches, CPoint screen);
// Keys down and up through the queue and pre-translation, as the keyboard
// gives them.
void PostKeys(HWND hWnd, std::initializer_list<UINT> virtualKeys);
inline void PostKey(HWND hWnd, UINT virtualKey)
{
    PostKeys(hWnd, {virtualKey});
}
// The characters of `text` through the queue, as typing makes them.
void PostChars(HWND hWnd, const wchar_t* text);

void RealMoveTo(CPoint screen);
// Puts the real pointer at a screen point, by default one outside every
// window of the tests (the screen's bottom-left corner), and handles every
// motion queued before: a pop-up opened next finds no motion of the
// pointer's past waiting for it. False when the pointer would not stay.
bool ParkPointer(CPoint screen);
bool ParkPointer();
// Makes a top-level window the foreground one, as a user's click would, and
// waits until it is: real keys go to the foreground window's focus, and no
// test inherits the foreground from the one before. False when it would not.
bool MakeForeground(HWND hWnd);
void RealClick(CPoint screen);
// Keys pressed in order and released in the reverse order: modifiers first,
// such as {VK_CONTROL, VK_SHIFT, VK_TAB}.
void RealChord(std::initializer_list<WORD> keys);
// A key pressed and released, reaching whichever window has the focus.
inline void RealKey(WORD virtualKey)
{
    RealChord({virtualKey});
}
