#include "HostWindowTest.h"

#include <map>

namespace {

struct Recording
{
    std::vector<ReceivedMessage> m_received;
    std::map<UINT, LRESULT> m_answers;
};

std::map<HWND, Recording> g_recordings;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto found = g_recordings.find(window);
    if (found != g_recordings.end()) {
        found->second.m_received.push_back(ReceivedMessage{message, wParam, lParam});
        auto answer = found->second.m_answers.find(message);
        if (answer != found->second.m_answers.end())
            return answer->second;
    }
    if (message == WM_NCDESTROY)
        g_recordings.erase(window);
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* RecordingClass()
{
    static ATOM atom = 0;
    if (!atom) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = L"GvHostTestWindow";
        atom = RegisterClassW(&windowClass);
    }
    return L"GvHostTestWindow";
}

} // namespace

void HostWindowTest::SetUp()
{
    GvLeakCheckedTest::SetUp();
    m_top = CreateWindowExW(0, RecordingClass(), L"host test", WS_OVERLAPPEDWINDOW, 40, 40, 420, 320, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(m_top);
    g_recordings[m_top];
    ShowWindow(m_top, SW_SHOWNOACTIVATE);
}

void HostWindowTest::TearDown()
{
    DestroyWindow(m_top);
    GvLeakCheckedTest::TearDown();
}

HWND HostWindowTest::CreateRecordingWindow(int x, int y, int width, int height, HWND parent, DWORD style, int id)
{
    HWND window = CreateWindowExW(0, RecordingClass(), L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                  parent ? parent : m_top, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    g_recordings[window];
    return window;
}

HWND HostWindowTest::CreateControl(const wchar_t* className, DWORD style, int x, int y, int width, int height,
                                   HWND parent, int id)
{
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           parent ? parent : m_top, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

RECT HostWindowTest::PlaceOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<ReceivedMessage>& HostWindowTest::Received(HWND window)
{
    return g_recordings[window].m_received;
}

int HostWindowTest::Count(HWND window, UINT message)
{
    int count = 0;
    for (const ReceivedMessage& received : Received(window))
        count += received.m_message == message;
    return count;
}

void HostWindowTest::SetAnswer(HWND window, UINT message, LRESULT answer)
{
    g_recordings[window].m_answers[message] = answer;
}
