#pragma once
#include <windows.h>

#include <vector>

#include "GvLeakCheck.h"

// A fresh, shown top-level window per test, destroyed after it. Windows of
// the class "GvHostTestWindow" have no background brush and record every
// message they get (message, wParam, lParam) in their RecordingWindow.
struct ReceivedMessage
{
    UINT m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

class HostWindowTest : public GvLeakCheckedTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A plain recording window; parent null makes it a child of m_top.
    HWND CreateRecordingWindow(int x, int y, int width, int height, HWND parent = nullptr, DWORD style = 0, int id = 0);
    // A child of a system class (STATIC, BUTTON, ...).
    HWND CreateControl(const wchar_t* className, DWORD style, int x, int y, int width, int height,
                       HWND parent = nullptr, int id = 0);

    // The window rectangle in its parent's client coordinates.
    static RECT PlaceOf(HWND window);
    // What the recording window got so far; how many of one message.
    static std::vector<ReceivedMessage>& Received(HWND window);
    static int Count(HWND window, UINT message);
    // The result a recording window gives for a message (0 unless set).
    static void SetAnswer(HWND window, UINT message, LRESULT answer);

    HWND m_top = nullptr;
};
