#include "TestInput.h"

#include <iterator>
#include <vector>

namespace {

LPARAM At(CPoint point)
{
    return MAKELPARAM(point.x, point.y);
}

void SendMouse(DWORD flags, CPoint screen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // Absolute coordinates are in 1/65536 of the primary screen.
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

} // namespace

void SendClick(HWND hWnd, CPoint point)
{
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(point));
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, At(point));
    AfxPumpPendingMessages();
}

void SendDrag(HWND hWnd, CPoint from, CPoint to, int steps)
{
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    for (int i = 1; i <= steps; ++i) {
        const CPoint step(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        ::SendMessageW(hWnd, WM_MOUSEMOVE, MK_LBUTTON, At(step));
    }
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, At(to));
    AfxPumpPendingMessages();
}

void SendWheel(HWND hWnd, int notches, CPoint screen)
{
    ::SendMessageW(hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(notches * WHEEL_DELTA)), At(screen));
    AfxPumpPendingMessages();
}

void PostKeys(HWND hWnd, std::initializer_list<UINT> virtualKeys)
{
    for (UINT key : virtualKeys) {
        const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
        ::PostMessageW(hWnd, WM_KEYDOWN, key, MAKELPARAM(1, scan));
        ::PostMessageW(hWnd, WM_KEYUP, key, MAKELPARAM(1, scan | KF_REPEAT | KF_UP));
    }
    AfxPumpPendingMessages();
}

void PostChars(HWND hWnd, const wchar_t* text)
{
    for (; *text; ++text)
        ::PostMessageW(hWnd, WM_CHAR, *text, 1);
    AfxPumpPendingMessages();
}

void RealMoveTo(CPoint screen)
{
    SendMouse(0, screen);
    AfxPumpPendingMessages();
}

bool ParkPointer(CPoint screen)
{
    // Moved by SetCursorPos, the pointer makes no motion of its own; what
    // waits in the queue is the past, handled here. Under Wine the system's
    // position follows the X server's once it has stood still a while, so
    // the pointer is put back until both agree.
    for (int attempt = 0; attempt < 500; ++attempt) {
        ::SetCursorPos(screen.x, screen.y);
        AfxPumpPendingMessages();
        CPoint at;
        if (::GetCursorPos(&at) && at == screen && !(HIWORD(::GetQueueStatus(QS_MOUSEMOVE)) & QS_MOUSEMOVE))
            return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
}

bool ParkPointer()
{
    return ParkPointer(CPoint(0, ::GetSystemMetrics(SM_CYSCREEN) - 1));
}

bool MakeForeground(HWND hWnd)
{
    for (int attempt = 0; attempt < 500; ++attempt) {
        ::SetForegroundWindow(hWnd);
        AfxPumpPendingMessages();
        if (::GetForegroundWindow() == hWnd && ::GetActiveWindow() == hWnd)
            return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
}

void RealClick(CPoint screen)
{
    SendMouse(MOUSEEVENTF_LEFTDOWN, screen);
    SendMouse(MOUSEEVENTF_LEFTUP, screen);
    AfxPumpPendingMessages();
}

void RealChord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> input;
    INPUT key = {};
    key.type = INPUT_KEYBOARD;
    for (WORD down : keys) {
        key.ki.wVk = down;
        input.push_back(key);
    }
    key.ki.dwFlags = KEYEVENTF_KEYUP;
    for (auto up = std::rbegin(keys); up != std::rend(keys); ++up) {
        key.ki.wVk = *up;
        input.push_back(key);
    }
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
    AfxPumpPendingMessages();
}
