#pragma once
#include <windows.h>

#include <map>
#include <memory>

#include "MessageSpy.h"
#include "TestFrame.h"

// The test frame as a plain window handle, and recording windows: plain
// windows without background brush whose messages a spy records.
class HostWindowTest : public Win32WindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A recording window; parent null makes it a child of m_top.
    HWND CreateRecordingWindow(int x, int y, int width, int height, HWND parent = nullptr, DWORD style = 0, int id = 0);
    // A child of a system class (STATIC, BUTTON, ...).
    HWND CreateControl(const wchar_t* className, DWORD style, int x, int y, int width, int height,
                       HWND parent = nullptr, int id = 0);
    // The spy of m_top or of a recording window.
    CMessageSpy& Spy(HWND window) { return *m_spies.at(window); }

    HWND m_top = nullptr;

private:
    std::map<HWND, std::unique_ptr<CMessageSpy>> m_spies;
};
