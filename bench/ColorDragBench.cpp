// Drags over the wheel and a slider of an embedded colour picker, 1,000
// steps each. Every step is a mouse message posted to the control and
// handled as a message loop would: queued messages and paints until the
// queue is empty, then the picker and all its children painted of whatever
// is still invalid, then one more look at the empty queue, where Wine copies
// the windows' pixels to the screen (a thread that never looks at an empty
// queue has them copied at every EndPaint instead). Timed against a baseline
// measured in the same run: one GradientFill of the same hexagon into a
// bitmap of the wheel's size plus one BitBlt to the wheel, copied to the
// screen the same way. Under Wine every window paint has a fixed cost of its
// own (measured as the empty paint cycle), so the paints per step are
// counted too.
//   scripts/wine-run build/win32/bin/color_bench.exe
#include <cmath>
#include <cstdio>
#include <utility>
#include "GvColor.h"
#include "GvCore.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

const int kSteps = 1000;

// WM_PAINT messages handled by any window of the thread, sent or taken
// from the queue.
int g_paints = 0;

LRESULT CALLBACK CountSentPaints(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_PAINT)
        ++g_paints;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CountQueuedPaints(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE && reinterpret_cast<const MSG*>(lParam)->message == WM_PAINT)
        ++g_paints;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

struct DragFigures
{
    double microseconds; // per step
    double paints;       // per step
};

double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Looking at the empty queue makes Wine copy what was drawn to the screen.
void ShowOnScreen()
{
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

// One input message handled as the message loop does, everything it made
// invalid in the picker painted and on the screen.
void Step(HWND hPicker, HWND hWnd, UINT message, WPARAM keys, CPoint p)
{
    ::PostMessageW(hWnd, message, keys, MAKELPARAM(p.x, p.y));
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    ::RedrawWindow(hPicker, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ShowOnScreen();
}

// A press, kSteps moves along a path, a release.
template <class PointAt>
DragFigures Drag(HWND hPicker, HWND hWnd, PointAt pointAt)
{
    g_paints = 0;
    const double start = Seconds();
    Step(hPicker, hWnd, WM_LBUTTONDOWN, MK_LBUTTON, pointAt(0));
    for (int i = 1; i <= kSteps; ++i)
        Step(hPicker, hWnd, WM_MOUSEMOVE, MK_LBUTTON, pointAt(i));
    Step(hPicker, hWnd, WM_LBUTTONUP, 0, pointAt(kSteps));
    return {(Seconds() - start) * 1e6 / kSteps, static_cast<double>(g_paints) / kSteps};
}

double Baseline(HWND hWheel)
{
    CRect client;
    ::GetClientRect(hWheel, &client);
    HDC dc = ::GetDC(hWheel);
    HDC memory = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(dc, client.Width(), client.Height());
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    const double start = Seconds();
    for (int i = 0; i < kSteps; ++i) {
        FillColorHexagon(*CDC::FromHandle(memory), client, 1.0f);
        ::BitBlt(dc, 0, 0, client.Width(), client.Height(), memory, 0, 0, SRCCOPY);
        ShowOnScreen();
    }
    const double perStep = (Seconds() - start) * 1e6 / kSteps;
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(hWheel, dc);
    return perStep;
}

// Microseconds of one paint cycle of a window that draws nothing: under
// Wine a floor that every repainted window pays on top of its drawing.
double EmptyPaint(HWND hParent)
{
    CWnd empty;
    empty.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20),
                   CWnd::FromHandle(hParent), 1);
    const double start = Seconds();
    for (int i = 0; i < kSteps; ++i) {
        empty.Invalidate(FALSE);
        empty.UpdateWindow();
        ShowOnScreen();
    }
    const double perStep = (Seconds() - start) * 1e6 / kSteps;
    empty.DestroyWindow();
    return perStep;
}

// Microseconds of one new text in an edit of the picker, without its paint:
// under Wine the EDIT control lays the text out again and notifies.
double EditRewrite(HWND hEdit)
{
    const double start = Seconds();
    for (int i = 0; i < kSteps; ++i)
        ::SetWindowTextW(hEdit, i % 2 ? L"127" : L"128");
    const double perStep = (Seconds() - start) * 1e6 / kSteps;
    ::RedrawWindow(hEdit, nullptr, nullptr, RDW_VALIDATE);
    return perStep;
}

} // namespace

int main()
{
    GvApplication app;
    GvVectorVariable node;
    CWnd frame;
    if (!frame.CreateEx(0, AfxRegisterWndClass(0), L"colour bench", WS_POPUP | WS_CLIPCHILDREN, 40, 40, 320, 360,
                        nullptr, nullptr))
        return 1;
    frame.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    float color[4] = {1.0f, 0.5f, 0.0f, 1.0f};
    DWORD packed = 0;
    CGvColorPickerCtrl picker;
    if (!picker.Create(frame.m_hWnd, nullptr, color, &packed, &node, nullptr, false, 0, true, false))
        return 1;
    AfxPumpPendingMessages();
    const HWND hWheel = ::GetDlgItem(picker.m_hWnd, IDC_GV_COLOR_WHEEL);
    const HWND hSlider = ::GetDlgItem(picker.m_hWnd, IDC_GV_GREEN_SLIDER);
    CRect wheel, slider;
    ::GetClientRect(hWheel, &wheel);
    ::GetClientRect(hSlider, &slider);

    ::RedrawWindow(picker.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const HHOOK hooks[2] = {::SetWindowsHookExW(WH_CALLWNDPROC, CountSentPaints, nullptr, ::GetCurrentThreadId()),
                            ::SetWindowsHookExW(WH_GETMESSAGE, CountQueuedPaints, nullptr, ::GetCurrentThreadId())};
    const double baseline = Baseline(hWheel);
    const double emptyPaint = EmptyPaint(frame.m_hWnd);
    const double editRewrite = EditRewrite(::GetDlgItem(picker.m_hWnd, IDC_GV_RED_EDIT));
    // Round and round the wheel's centre, one degree of a circle per step.
    const DragFigures wheelStep = Drag(picker.m_hWnd, hWheel, [&](int i) {
        const double angle = i * 3.14159265358979 / 180.0;
        const int r = wheel.Height() / 3;
        return CPoint(wheel.Width() / 2 + static_cast<int>(r * std::cos(angle)),
                      wheel.Height() / 2 + static_cast<int>(r * std::sin(angle)));
    });
    // Back and forth along the slider, one pixel per step.
    const DragFigures sliderStep = Drag(picker.m_hWnd, hSlider, [&](int i) {
        const int span = 2 * slider.Width();
        const int x = i % span;
        return CPoint(x < slider.Width() ? x : span - x, slider.Height() / 2);
    });
    for (HHOOK hook : hooks)
        ::UnhookWindowsHookEx(hook);
    AfxPumpPendingMessages();
    const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);

    std::printf("baseline (GradientFill + BitBlt, %dx%d): %8.1f us/step\n", wheel.Width(), wheel.Height(), baseline);
    std::printf("empty paint cycle of one window:     %8.1f us\n", emptyPaint);
    std::printf("new text in one edit, unpainted:     %8.1f us\n", editRewrite);
    for (const auto& drag : {std::make_pair("wheel drag: ", wheelStep), std::make_pair("slider drag:", sliderStep)})
        std::printf("%s                        %8.1f us/step  %5.2fx baseline; %4.1f window paints/step "
                    "(%5.2fx baseline in empty paint cycles alone)\n",
                    drag.first, drag.second.microseconds, drag.second.microseconds / baseline, drag.second.paints,
                    drag.second.paints * emptyPaint / baseline);
    std::printf("node notifications: %d; GDI objects before %lu, after %lu (0 where the count is not kept)\n",
                app.GetNodeChanges().GetCount(), static_cast<unsigned long>(gdiBefore),
                static_cast<unsigned long>(gdiAfter));
    picker.DestroyWindow();
    frame.DestroyWindow();
    return 0;
}
