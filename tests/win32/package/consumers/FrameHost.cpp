// The plainest host's main window: a CWnd-derived frame of a class from
// AfxRegisterWndClass, created with CreateEx, with no OnPaint of its own and
// one CEdit child. Default processing must paint and validate it, so the
// first AfxPumpPendingMessages returns.
//   GvFrameHost.exe   prints "frame host: painted" and exits 0, or says what
//                     it found and exits 1
#include <cstdio>
#include "platform/mfc/GvMfc.h"

namespace {

const COLORREF kBackground = RGB(0x20, 0x80, 0x40);
// Far more WM_PAINTs than a frame ever needs: past it the frame is counted
// as never validated.
const int kPaintLimit = 100;

HWND s_hFrame;
int s_nPaints;
HHOOK s_hHook;

// Counts the frame's WM_PAINTs as the pump takes them. A frame that default
// processing never validates is validated here at the limit, so that the
// pump returns and the fault is reported instead of spinning.
LRESULT CALLBACK CountPaints(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->hwnd == s_hFrame && pMsg->message == WM_PAINT
        && ++s_nPaints >= kPaintLimit)
        ::ValidateRect(s_hFrame, nullptr);
    return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
}

class CHostFrame : public CWnd
{
public:
    CEdit m_edit;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        return m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 150, 34), this, 1) ? 0 : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostFrame, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

} // namespace

int main()
{
    s_hHook = ::SetWindowsHookExW(WH_GETMESSAGE, CountPaints, nullptr, ::GetCurrentThreadId());
    const HBRUSH hBackground = ::CreateSolidBrush(kBackground);
    CHostFrame frame;
    if (!frame.CreateEx(0, AfxRegisterWndClass(0, nullptr, hBackground), L"frame host", WS_OVERLAPPEDWINDOW, 0, 0,
                        240, 160, nullptr, nullptr)) {
        std::printf("frame host: not created\n");
        return 1;
    }
    s_hFrame = frame.m_hWnd;
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    AfxPumpPendingMessages();

    const BOOL pending = ::GetUpdateRect(s_hFrame, nullptr, FALSE);
    const COLORREF below = CClientDC(&frame).GetPixel(20, 100); // under the edit, in the frame's own background
    std::printf("frame host: %d WM_PAINT, update region %s, background 0x%06lx\n", s_nPaints,
                pending ? "left" : "empty", static_cast<unsigned long>(below));
    const bool ok = s_nPaints < kPaintLimit && !pending && below == kBackground;
    frame.DestroyWindow();
    ::DeleteObject(hBackground);
    ::UnhookWindowsHookEx(s_hHook);
    std::printf("%s\n", ok ? "frame host: painted" : "frame host: NOT painted");
    return ok ? 0 : 1;
}
