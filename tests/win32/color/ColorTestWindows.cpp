#include "ColorTestWindows.h"

BEGIN_MESSAGE_MAP(CColorTestParent, CWnd)
    ON_MESSAGE(GVM_VALUE_CHANGED, OnColorMessage)
    ON_MESSAGE(GVM_COLOR_CHANGED, OnColorMessage)
    ON_MESSAGE(GVM_CHILD_RESIZE, OnColorMessage)
    ON_MESSAGE(GVM_VALUE_CHANGE_START, OnColorMessage)
    ON_MESSAGE(GVM_VALUE_CHANGE_END, OnColorMessage)
END_MESSAGE_MAP()

BOOL CColorTestParent::CreateFrame(int width, int height)
{
    // Shown without activation: Wine waits for a window manager when an
    // activated captioned window is destroyed.
    return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), L"colour test",
                    WS_POPUP | WS_CLIPCHILDREN, 40, 40, width, height, nullptr, nullptr)
           && SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

int CColorTestParent::Count(UINT message) const
{
    int n = 0;
    for (const Note& note : m_notes)
        n += note.message == message;
    return n;
}

std::vector<UINT> CColorTestParent::Messages() const
{
    std::vector<UINT> messages;
    for (const Note& note : m_notes)
        messages.push_back(note.message);
    return messages;
}

LRESULT CColorTestParent::OnColorMessage(WPARAM wParam, LPARAM lParam)
{
    const UINT message = GetCurrentMessage()->message;
    m_notes.push_back({message, wParam, lParam});
    return message == GVM_CHILD_RESIZE ? 0 : 1;
}

COLORREF PixelAt(CWnd& wnd, int x, int y)
{
    wnd.UpdateWindow();
    HDC dc = ::GetDC(wnd.m_hWnd);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(wnd.m_hWnd, dc);
    return pixel;
}

long g_testTicks = 0;

namespace {
long TestClock()
{
    return g_testTicks;
}
} // namespace

void ColorWindowTest::SetUp()
{
    GvLeakCheckedTest::SetUp();
    m_savedClock = GvSetPickerClock(&TestClock);
    // Far beyond every earlier test, so the shared records let the first
    // notification through.
    g_testTicks += 100000;
    ASSERT_TRUE(m_parent.CreateFrame());
    AfxPumpPendingMessages();
}

void ColorWindowTest::TearDown()
{
    if (m_parent.m_hWnd)
        m_parent.DestroyWindow();
    AfxPumpPendingMessages();
    GvSetPickerClock(m_savedClock);
    m_app.ClearNodeChanges();
    GvLeakCheckedTest::TearDown();
}

void ColorWindowTest::Click(CWnd& wnd, CPoint point)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

void ColorWindowTest::Drag(CWnd& wnd, CPoint from, CPoint to)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}
