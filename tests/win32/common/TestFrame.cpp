#include "TestFrame.h"

#include "TestInput.h"

BOOL CTestFrame::CreateFrame(const CRect& rect)
{
    return CreateEx(
               0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
               L"Gv test", WS_POPUP | WS_CLIPCHILDREN, rect, nullptr, 0)
           && SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

int CTestFrame::CommandCount(int code) const
{
    int n = 0;
    for (const auto& command : m_commands)
        n += command.second == code;
    return n;
}

BOOL CTestFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (!pHandlerInfo)
        m_commands.emplace_back(nID, nCode);
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

HWND CreatePlainWindow(HWND parent, const CRect& rect, DWORD style, int id)
{
    static const ATOM atom = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = L"GvTestPlainWindow";
        return RegisterClassW(&windowClass);
    }();
    return CreateWindowExW(0, MAKEINTATOM(atom), L"", style, rect.left, rect.top, rect.Width(), rect.Height(), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void Win32WindowTest::SetUp()
{
    GvLeakCheckedTest::SetUp();
    // No test inherits the pointer or its motions from the one before.
    ASSERT_TRUE(ParkPointer()) << "the pointer does not stay where it is put";
    ASSERT_TRUE(m_frame.CreateFrame());
    ASSERT_TRUE(MakeForeground(m_frame.GetSafeHwnd())) << "the frame does not become the foreground window";
}

void Win32WindowTest::TearDown()
{
    if (m_frame.GetSafeHwnd())
        m_frame.DestroyWindow();
    AfxPumpPendingMessages();
    EXPECT_EQ(nullptr, m_frame.m_hWnd);
    EXPECT_EQ(0u, AfxGetTemporaryObjectCount());
    GvLeakCheckedTest::TearDown();
}

HINSTANCE LibraryInstance()
{
    return ::GetModuleHandleW(L"GvMFCUtilities.dll");
}

HWND FindDescendant(HWND hParent, int id)
{
    struct Search
    {
        int id;
        HWND found;
    } search = {id, nullptr};
    ::EnumChildWindows(
        hParent,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* s = reinterpret_cast<Search*>(lParam);
            if (::GetDlgCtrlID(hWnd) != s->id)
                return TRUE;
            s->found = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

CRect RectIn(HWND hWnd, HWND hOther)
{
    CRect r;
    ::GetWindowRect(hWnd, &r);
    ::MapWindowPoints(nullptr, hOther ? hOther : ::GetParent(hWnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

CString WindowText(HWND hWnd)
{
    CString text;
    const int length = ::GetWindowTextLengthW(hWnd);
    ::GetWindowTextW(hWnd, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    return text;
}
