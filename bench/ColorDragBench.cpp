// Drags over the wheel and a slider of an embedded colour picker, 1,000
// steps each, sent as mouse messages; after every step the picker and all
// its children paint what the step made invalid before the clock reads.
// Timed against a baseline measured in the same run: one GradientFill of the
// same hexagon into a bitmap of the wheel's size plus one BitBlt to the wheel.
// Under Wine every window paint has a fixed cost of its own (measured as the
// empty paint cycle), so the paints per step are counted too.
//   scripts/wine-run build/win32/bin/color_bench.exe
#include <cmath>
#include <cstdio>
#include <utility>
#include "GvColor.h"
#include "GvCore.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

const int kSteps = 1000;

// WM_PAINT messages handled by any window of the thread.
int g_paints = 0;

LRESULT CALLBACK CountPaints(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_PAINT)
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

// A press, kSteps moves along a path, a release; each followed by the paint
// of everything it invalidated in the picker.
template <class PointAt>
DragFigures Drag(HWND hPicker, HWND hWnd, PointAt pointAt)
{
    const auto flush = [&] { ::RedrawWindow(hPicker, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); };
    g_paints = 0;
    const double start = Seconds();
    CPoint p = pointAt(0);
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    flush();
    for (int i = 1; i <= kSteps; ++i) {
        p = pointAt(i);
        ::SendMessageW(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        flush();
    }
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    flush();
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
    }
    GdiFlush();
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
    }
    const double perStep = (Seconds() - start) * 1e6 / kSteps;
    empty.DestroyWindow();
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
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, CountPaints, nullptr, ::GetCurrentThreadId());
    const double baseline = Baseline(hWheel);
    const double emptyPaint = EmptyPaint(frame.m_hWnd);
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
    ::UnhookWindowsHookEx(hook);
    AfxPumpPendingMessages();
    const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);

    std::printf("baseline (GradientFill + BitBlt, %dx%d): %8.1f us/step\n", wheel.Width(), wheel.Height(), baseline);
    std::printf("empty paint cycle of one window:     %8.1f us\n", emptyPaint);
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
