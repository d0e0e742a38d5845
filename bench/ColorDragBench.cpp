// Drags over the wheel, a colour slider and the brightness slider of an
// embedded colour picker, and over the colour field and the luminance bar of
// the system's colour dialog (fully open) in the same run, 1,000 steps each.
// Every step is a pointer move through the input system (SendInput), handled
// as a message loop would: queued messages and paints until the queue is
// empty, then the top window and all its children painted of whatever is
// still invalid, then one more look at the empty queue, where Wine copies the
// windows' pixels to the screen (a thread that never looks at an empty queue
// has them copied at every EndPaint instead). Steps are timed one by one.
// Under Wine every window paint has a fixed cost of its own (measured as the
// empty paint cycle), so the paints per step are counted too; one
// GradientFill of the same hexagon plus one BitBlt is timed for information.
//   scripts/wine-run build/win32/bin/color_bench.exe
#include <cmath>
#include <windows.h>
#include <commdlg.h>
#include <colordlg.h>
#include <cstdio>
#include <vector>
#include "DragSteps.h"
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
    std::vector<double> microseconds; // of each step
    double paints;                    // per step
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

// One pointer input handled as the message loop does, everything it made
// invalid in the top window painted and on the screen; its microseconds.
double Step(HWND hTop, CPoint screen, DWORD flags)
{
    const double start = Seconds();
    MouseTo(screen.x, screen.y, flags);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::RedrawWindow(hTop, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ShowOnScreen();
    return (Seconds() - start) * 1e6;
}

// A press at pointAt(0) in hWnd's client area, kSteps moves along the path
// (the steps timed), a release.
template <class PointAt>
DragFigures Drag(HWND hTop, HWND hWnd, PointAt pointAt)
{
    auto screen = [&](int i) {
        CPoint p = pointAt(i);
        ::ClientToScreen(hWnd, &p);
        return p;
    };
    Step(hTop, screen(0), 0);
    Step(hTop, screen(0), MOUSEEVENTF_LEFTDOWN);
    DragFigures figures;
    figures.microseconds.reserve(kSteps);
    g_paints = 0;
    for (int i = 1; i <= kSteps; ++i)
        figures.microseconds.push_back(Step(hTop, screen(i), 0));
    figures.paints = static_cast<double>(g_paints) / kSteps;
    Step(hTop, screen(kSteps), MOUSEEVENTF_LEFTUP);
    return figures;
}

// Round a circle about the middle of a client area, two pixels of it per
// step, so that every step moves the pointer.
CPoint Circle(HWND hWnd, int i)
{
    CRect client;
    ::GetClientRect(hWnd, &client);
    const double r = std::min(client.Width(), client.Height()) / 3.0;
    const double angle = i * 2.0 / r;
    return CPoint(client.Width() / 2 + static_cast<int>(std::lround(r * std::cos(angle))),
                  client.Height() / 2 + static_cast<int>(std::lround(r * std::sin(angle))));
}

// Back and forth over 0 .. length - 1 from start, one pixel per step.
int BackAndForth(int length, int start, int i)
{
    const int span = 2 * (length - 1);
    const int t = (start + i) % span;
    return t < length ? t : span - t;
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

// The system's colour dialog, fully open, driven from inside its modal loop:
// a timer set as it opens drags in its colour field and its luminance bar,
// then ends it.
struct PeerFigures
{
    DragFigures field, bar;
    CSize fieldSize, barSize;
    UINT hue[2], lum[2]; // the dialog's edits before and after each drag
    bool found = false;
} g_peer;

void CALLBACK DragPeer(HWND hDlg, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(hDlg, id);
    ::SetWindowPos(hDlg, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(hDlg);
    ::RedrawWindow(hDlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const HWND hField = ::GetDlgItem(hDlg, COLOR_RAINBOW), hBar = ::GetDlgItem(hDlg, COLOR_LUMSCROLL);
    g_peer.found = hField && hBar;
    if (g_peer.found) {
        CRect field, bar;
        ::GetClientRect(hField, &field);
        ::GetClientRect(hBar, &bar);
        g_peer.fieldSize = field.Size();
        g_peer.barSize = bar.Size();
        g_peer.hue[0] = ::GetDlgItemInt(hDlg, COLOR_HUE, nullptr, FALSE);
        g_peer.field = Drag(hDlg, hField, [&](int i) { return Circle(hField, i); });
        g_peer.hue[1] = ::GetDlgItemInt(hDlg, COLOR_HUE, nullptr, FALSE);
        g_peer.lum[0] = ::GetDlgItemInt(hDlg, COLOR_LUM, nullptr, FALSE);
        // Up and down the bar, one pixel per step.
        g_peer.bar = Drag(hDlg, hBar, [&](int i) { return CPoint(bar.Width() / 2, BackAndForth(bar.Height(), 0, i)); });
        g_peer.lum[1] = ::GetDlgItemInt(hDlg, COLOR_LUM, nullptr, FALSE);
    }
    ::EndDialog(hDlg, IDCANCEL);
}

UINT_PTR CALLBACK PeerHook(HWND hDlg, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG)
        ::SetTimer(hDlg, 1, 0, DragPeer);
    return 0;
}

void PrintDrag(const char* what, const DragFigures& drag)
{
    const StepFigures f = Summarize(drag.microseconds);
    std::printf("%-36s %9.1f %9.1f %9.1f %7.1f\n", what, f.mean, f.median, f.p95, drag.paints);
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
    const HWND hBrightness = ::GetDlgItem(picker.m_hWnd, IDC_GV_VALUE_SLIDER);
    CRect wheel, slider, brightness, thumb;
    ::GetClientRect(hWheel, &wheel);
    ::GetClientRect(hSlider, &slider);
    ::GetClientRect(hBrightness, &brightness);

    ::RedrawWindow(picker.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const HHOOK hooks[2] = {::SetWindowsHookExW(WH_CALLWNDPROC, CountSentPaints, nullptr, ::GetCurrentThreadId()),
                            ::SetWindowsHookExW(WH_GETMESSAGE, CountQueuedPaints, nullptr, ::GetCurrentThreadId())};
    const double baseline = Baseline(hWheel);
    const double emptyPaint = EmptyPaint(frame.m_hWnd);
    const double editRewrite = EditRewrite(::GetDlgItem(picker.m_hWnd, IDC_GV_RED_EDIT));
    const DragFigures wheelDrag = Drag(picker.m_hWnd, hWheel, [&](int i) { return Circle(hWheel, i); });
    // Back and forth along the slider, one pixel per step.
    const DragFigures sliderDrag =
        Drag(picker.m_hWnd, hSlider, [&](int i) { return CPoint(BackAndForth(slider.Width(), 0, i), slider.Height() / 2); });
    // Up and down from the trackbar's thumb, where the press takes it.
    ::SendMessageW(hBrightness, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const CPoint grip = thumb.CenterPoint();
    const LRESULT brightnessBefore = ::SendMessageW(hBrightness, TBM_GETPOS, 0, 0);
    const DragFigures brightnessDrag = Drag(picker.m_hWnd, hBrightness, [&](int i) {
        return CPoint(grip.x, BackAndForth(brightness.Height(), grip.y, i));
    });
    const LRESULT brightnessAfter = ::SendMessageW(hBrightness, TBM_GETPOS, 0, 0);
    AfxPumpPendingMessages();
    const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const int notifications = app.GetNodeChanges().GetCount();
    picker.DestroyWindow();
    frame.DestroyWindow();

    COLORREF custom[16] = {};
    CHOOSECOLORW choose = {};
    choose.lStructSize = sizeof(choose);
    choose.rgbResult = RGB(255, 128, 0);
    choose.lpCustColors = custom;
    choose.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ENABLEHOOK;
    choose.lpfnHook = PeerHook;
    ::ChooseColorW(&choose);
    for (HHOOK hook : hooks)
        ::UnhookWindowsHookEx(hook);

    std::printf("wheel %dx%d, colour slider %dx%d, brightness slider %dx%d (position %d, after the drag %d); "
                "peer: system colour dialog %s, colour field %dx%d (hue %u, after the drag %u), luminance bar %dx%d "
                "(luminance %u, after the drag %u)\n",
                wheel.Width(), wheel.Height(), slider.Width(), slider.Height(), brightness.Width(),
                brightness.Height(), int(brightnessBefore), int(brightnessAfter), g_peer.found ? "found" : "NOT FOUND",
                int(g_peer.fieldSize.cx), int(g_peer.fieldSize.cy), g_peer.hue[0], g_peer.hue[1],
                int(g_peer.barSize.cx), int(g_peer.barSize.cy), g_peer.lum[0], g_peer.lum[1]);
    std::printf("information: GradientFill + BitBlt of the wheel %.1f us; empty paint cycle of one window %.1f us; "
                "new text in one edit, unpainted, %.1f us\n",
                baseline, emptyPaint, editRewrite);
    std::printf("%-36s %9s %9s %9s %7s\n", "drag step (us), 1,000 steps", "mean", "median", "95th pct",
                "paints");
    PrintDrag("ours: colour wheel", wheelDrag);
    PrintDrag("ours: colour slider (green)", sliderDrag);
    PrintDrag("ours: brightness slider", brightnessDrag);
    if (g_peer.found) {
        PrintDrag("peer: system dialog's colour field", g_peer.field);
        PrintDrag("peer: system dialog's luminance bar", g_peer.bar);
        const StepFigures field = Summarize(g_peer.field.microseconds), bar = Summarize(g_peer.bar.microseconds);
        std::printf("goals (median <= peer's and < 8 ms; 95th pct < 2x median and <= 16 ms):\n");
        PrintGoals("wheel against the colour field", Summarize(wheelDrag.microseconds), field, 1000.0);
        PrintGoals("colour slider against the luminance bar", Summarize(sliderDrag.microseconds), bar, 1000.0);
        PrintGoals("brightness slider against the luminance bar", Summarize(brightnessDrag.microseconds), bar,
                   1000.0);
    }
    std::printf("node notifications: %d; GDI objects before %lu, after %lu (0 where the count is not kept)\n",
                notifications, static_cast<unsigned long>(gdiBefore), static_cast<unsigned long>(gdiAfter));
    return g_peer.found ? 0 : 1;
}
