#include "HostWindowTest.h"

void HostWindowTest::SetUp()
{
    Win32WindowTest::SetUp();
    m_top = m_frame.GetSafeHwnd();
    m_spies[m_top] = std::make_unique<CMessageSpy>(m_top);
}

void HostWindowTest::TearDown()
{
    m_spies.clear();
    Win32WindowTest::TearDown();
}

HWND HostWindowTest::CreateRecordingWindow(int x, int y, int width, int height, HWND parent, DWORD style, int id)
{
    HWND window = CreatePlainWindow(parent ? parent : m_top, CRect(x, y, x + width, y + height),
                                    WS_CHILD | WS_VISIBLE | style, id);
    m_spies[window] = std::make_unique<CMessageSpy>(window);
    return window;
}

HWND HostWindowTest::CreateControl(const wchar_t* className, DWORD style, int x, int y, int width, int height,
                                   HWND parent, int id)
{
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           parent ? parent : m_top, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}
