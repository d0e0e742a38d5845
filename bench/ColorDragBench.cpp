// Drags over the wheel and a slider of an embedded colour picker, 1,000
// steps each, sent as mouse messages with a paint after every step, timed
// against a baseline measured in the same run: one GradientFill of the same
// hexagon into a bitmap of the wheel's size plus one BitBlt to the wheel.
//   wine color_bench.exe
#include <cmath>
#include <cstdio>
#include "GvColor.h"
#include "GvCore.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

const int kSteps = 1000;

double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Microseconds per step of a press, kSteps moves along a path, a release.
template <class PointAt>
double Drag(HWND hWnd, PointAt pointAt)
{
    const double start = Seconds();
    CPoint p = pointAt(0);
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    for (int i = 1; i <= kSteps; ++i) {
        p = pointAt(i);
        ::SendMessageW(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        ::UpdateWindow(hWnd);
    }
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    return (Seconds() - start) * 1e6 / kSteps;
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

    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const double baseline = Baseline(hWheel);
    const double emptyPaint = EmptyPaint(frame.m_hWnd);
    // Round and round the wheel's centre, one degree of a circle per step.
    const double wheelStep = Drag(hWheel, [&](int i) {
        const double angle = i * 3.14159265358979 / 180.0;
        const int r = wheel.Height() / 3;
        return CPoint(wheel.Width() / 2 + static_cast<int>(r * std::cos(angle)),
                      wheel.Height() / 2 + static_cast<int>(r * std::sin(angle)));
    });
    // Back and forth along the slider, one pixel per step.
    const double sliderStep = Drag(hSlider, [&](int i) {
        const int span = 2 * slider.Width();
        const int x = i % span;
        return CPoint(x < slider.Width() ? x : span - x, slider.Height() / 2);
    });
    AfxPumpPendingMessages();
    const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);

    std::printf("baseline (GradientFill + BitBlt, %dx%d): %8.1f us/step\n", wheel.Width(), wheel.Height(), baseline);
    std::printf("empty paint cycle of one window:     %8.1f us\n", emptyPaint);
    std::printf("wheel drag:                          %8.1f us/step  %5.2fx baseline\n", wheelStep,
                wheelStep / baseline);
    std::printf("slider drag:                         %8.1f us/step  %5.2fx baseline\n", sliderStep,
                sliderStep / baseline);
    std::printf("node notifications: %d; GDI objects before %lu, after %lu (0 where the count is not kept)\n",
                app.GetNodeChanges().GetCount(), static_cast<unsigned long>(gdiBefore),
                static_cast<unsigned long>(gdiAfter));
    picker.DestroyWindow();
    frame.DestroyWindow();
    return 0;
}
