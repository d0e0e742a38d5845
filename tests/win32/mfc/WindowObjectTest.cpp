#include "TestFrame.h"

namespace {
using WindowObjectTest = Win32WindowTest;

// Counts its own deletions: it deletes itself once its window is gone.
class CSelfDeletingWnd : public CWnd
{
public:
    static int s_live;
    static int s_deleted;
    CSelfDeletingWnd() { ++s_live; }
    ~CSelfDeletingWnd() override
    {
        --s_live;
        ++s_deleted;
    }

protected:
    void PostNcDestroy() override { delete this; }
};
int CSelfDeletingWnd::s_live = 0;
int CSelfDeletingWnd::s_deleted = 0;

HWND CreateForeignEdit(HWND hParent)
{
    return ::CreateWindowExW(0, L"EDIT", L"foreign", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, hParent, (HMENU)9, nullptr,
                             nullptr);
}
} // namespace

TEST_F(WindowObjectTest, FromHandleGivesThePermanentObjectOrATemporaryWrapperFreedAtIdle)
{
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_CHILD, ChildRect(), &m_frame, 1));
    EXPECT_EQ(&child, CWnd::FromHandle(child.m_hWnd));
    EXPECT_EQ(&child, CWnd::FromHandlePermanent(child.m_hWnd));
    EXPECT_EQ(&m_frame, child.GetParent());
    EXPECT_EQ(&child, m_frame.GetDlgItem(1));
    EXPECT_EQ(0u, AfxGetTemporaryObjectCount());
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));

    HWND hForeign = CreateForeignEdit(m_frame.m_hWnd);
    ASSERT_NE(nullptr, hForeign);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(std::make_tuple(hForeign, pTemp), std::make_tuple(pTemp->m_hWnd, CWnd::FromHandle(hForeign)));
    EXPECT_EQ(9, pTemp->GetDlgCtrlID());
    EXPECT_EQ(1u, AfxGetTemporaryObjectCount());

    AfxPumpPendingMessages();
    EXPECT_EQ(0u, AfxGetTemporaryObjectCount());
    // The window is untouched by the end of its wrapper.
    EXPECT_TRUE(::IsWindow(hForeign));
    ::DestroyWindow(hForeign);
}

namespace {
// Ends itself in its own WM_NCDESTROY handler, bypassing CWnd's.
class CNcDestroyDeletingWnd : public CWnd
{
public:
    static int s_deleted;
    ~CNcDestroyDeletingWnd() override { ++s_deleted; }

protected:
    afx_msg void OnNcDestroy()
    {
        Default();
        delete this;
    }
    DECLARE_MESSAGE_MAP()
};
int CNcDestroyDeletingWnd::s_deleted = 0;

BEGIN_MESSAGE_MAP(CNcDestroyDeletingWnd, CWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()
} // namespace

TEST_F(WindowObjectTest, SelfDeletingObjectsAreDeletedExactlyOnce)
{
    CSelfDeletingWnd::s_deleted = 0;
    CSelfDeletingWnd* pFirst = new CSelfDeletingWnd;
    ASSERT_TRUE(pFirst->Create(nullptr, L"", WS_CHILD, ChildRect(), &m_frame, 1));
    HWND hFirst = pFirst->m_hWnd;
    pFirst->DestroyWindow();
    EXPECT_EQ(1, CSelfDeletingWnd::s_deleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hFirst));
    EXPECT_FALSE(::IsWindow(hFirst));

    // Children go with their parent.
    CWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, L"", WS_CHILD, ChildRect(), &m_frame, 2));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE((new CSelfDeletingWnd)->Create(nullptr, L"", WS_CHILD, ChildRect(), &parent, 10 + i));
    parent.DestroyWindow();
    EXPECT_EQ(std::make_tuple(4, 0), std::make_tuple(CSelfDeletingWnd::s_deleted, CSelfDeletingWnd::s_live));
    EXPECT_EQ(nullptr, parent.m_hWnd);

    // A window that was never created leaves its object alone.
    CSelfDeletingWnd* pNever = new CSelfDeletingWnd;
    EXPECT_FALSE(pNever->CreateEx(0, L"NoSuchClassAnywhere", L"", WS_CHILD, ChildRect(), &m_frame, 3));
    EXPECT_EQ(4, CSelfDeletingWnd::s_deleted);
    delete pNever;

    // One that deletes itself in its own WM_NCDESTROY handler, bypassing CWnd's, leaves no map entry.
    CNcDestroyDeletingWnd::s_deleted = 0;
    CNcDestroyDeletingWnd* pWnd = new CNcDestroyDeletingWnd;
    ASSERT_TRUE(pWnd->Create(nullptr, L"", WS_CHILD, ChildRect(), &m_frame, 1));
    HWND hOwn = pWnd->m_hWnd;
    ::DestroyWindow(hOwn);
    EXPECT_EQ(1, CNcDestroyDeletingWnd::s_deleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hOwn));
}

TEST_F(WindowObjectTest, SubclassUnsubclassAndAttachAForeignWindowWithAnEarlierWrapper)
{
    HWND hEdit = CreateForeignEdit(m_frame.m_hWnd);
    LONG_PTR originalProc = ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC);
    CWnd* pTemp = CWnd::FromHandle(hEdit);
    {
        CEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
        EXPECT_FALSE(CEdit().SubclassWindow(hEdit)) << "a window has one object";
        EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
        // The permanent object hides the earlier wrapper, which stays usable until idle time.
        EXPECT_EQ(&edit, CWnd::FromHandle(hEdit));
        EXPECT_EQ(hEdit, pTemp->m_hWnd);
        EXPECT_EQ((LONG_PTR)AfxWndProc, ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
        // Unhandled messages reach the edit's own procedure.
        edit.SetSel(0, -1);
        edit.ReplaceSel(L"typed");
        EXPECT_EQ(CString(L"typed"), WindowText(edit.m_hWnd));
        EXPECT_EQ(hEdit, edit.UnsubclassWindow());
        EXPECT_EQ(originalProc, ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    }
    EXPECT_TRUE(::IsWindow(hEdit)) << "an unsubclassed window outlives its former object";
    EXPECT_EQ(pTemp, CWnd::FromHandle(hEdit));
    EXPECT_EQ(1u, AfxGetTemporaryObjectCount());
    AfxPumpPendingMessages();
    EXPECT_EQ(0u, AfxGetTemporaryObjectCount());

    // Attached, it is mapped without being subclassed.
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.Attach(hEdit));
        EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hEdit));
        EXPECT_EQ(originalProc, ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
        EXPECT_EQ(hEdit, wnd.Detach());
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    }

    // An object that ends while its window lives destroys the window.
    {
        CEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
    }
    EXPECT_FALSE(::IsWindow(hEdit));
}

namespace {
// Takes key presses of its descendants before they are dispatched.
class CPreTranslatingWnd : public CWnd
{
public:
    std::vector<UINT> m_seen;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN)
            return FALSE;
        m_seen.push_back((UINT)pMsg->wParam);
        return pMsg->wParam == 'A';
    }
};

class CKeyWnd : public CWnd
{
public:
    std::vector<UINT> m_keys;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT) { m_keys.push_back(nChar); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeyWnd, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()
} // namespace

TEST_F(WindowObjectTest, MessageLoopPreTranslatesThroughTheParentChain)
{
    CPreTranslatingWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &m_frame, 1));
    CWnd middle;
    ASSERT_TRUE(middle.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 2));
    CKeyWnd target;
    ASSERT_TRUE(target.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &middle, 3));
    target.PostMessage(WM_KEYDOWN, 'A', 1);
    target.PostMessage(WM_KEYDOWN, 'B', 1);
    CWnd::FromHandle(CreateForeignEdit(target.m_hWnd));
    AfxPumpPendingMessages();
    EXPECT_EQ((std::vector<UINT>{'A', 'B'}), parent.m_seen);
    EXPECT_EQ(std::vector<UINT>{'B'}, target.m_keys);
    EXPECT_EQ(0u, AfxGetTemporaryObjectCount());
}

namespace {
const UINT WM_TEST_BROADCAST = WM_APP + 40;

// Counts the test messages that reach it.
class CCountingWnd : public CWnd
{
public:
    int m_received = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TEST_BROADCAST)
            ++m_received;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
} // namespace

TEST_F(WindowObjectTest, AnObjectWithoutWindowTouchesNoOtherWindow)
{
    CCountingWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, ChildRect(), &m_frame, 1));
    m_frame.UpdateWindow();
    ASSERT_FALSE(::GetUpdateRect(m_frame.m_hWnd, nullptr, FALSE));

    CWnd none;
    none.Invalidate();
    none.InvalidateRect(nullptr);
    none.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    none.SendMessageToDescendants(WM_TEST_BROADCAST);
    EXPECT_FALSE(::GetUpdateRect(m_frame.m_hWnd, nullptr, FALSE));
    EXPECT_FALSE(::GetUpdateRect(child.m_hWnd, nullptr, FALSE));
    EXPECT_EQ(0, child.m_received);

    // The same object with a window reaches its own descendants only.
    m_frame.SendMessageToDescendants(WM_TEST_BROADCAST);
    EXPECT_EQ(1, child.m_received);
}

TEST_F(WindowObjectTest, WindowRectangleOfAClientRectangleWithOrWithoutTheClientEdge)
{
    CWnd edged;
    ASSERT_TRUE(
        edged.CreateEx(WS_EX_CLIENTEDGE, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, ChildRect(), &m_frame, 1));
    CRect client, window;
    edged.GetClientRect(&client);
    edged.GetWindowRect(&window);
    CRect outside(client);
    edged.CalcWindowRect(&outside, CWnd::adjustOutside);
    EXPECT_EQ(window.Size(), outside.Size()) << "border and client edge";
    CRect border(client);
    edged.CalcWindowRect(&border);
    const int edge = ::GetSystemMetrics(SM_CXEDGE);
    EXPECT_EQ(window.Width() - 2 * edge, border.Width()) << "the border alone";
    EXPECT_EQ(client.Width() + 2 * ::GetSystemMetrics(SM_CXBORDER), border.Width());
}

TEST_F(WindowObjectTest, RegisteredClassNamesNeverMove)
{
    const UINT style = CS_DBLCLKS | CS_PARENTDC;
    LPCWSTR first = AfxRegisterWndClass(style);
    ASSERT_NE(nullptr, first);
    const std::wstring copy = first;
    std::vector<LPCWSTR> names;
    for (UINT_PTR i = 0; i < 500; ++i)
        names.push_back(AfxRegisterWndClass(style, nullptr, reinterpret_cast<HBRUSH>(1000 + i)));
    EXPECT_EQ(first, AfxRegisterWndClass(style));
    EXPECT_EQ(copy, first);
    EXPECT_EQ(names[0], AfxRegisterWndClass(style, nullptr, reinterpret_cast<HBRUSH>(1000)));
    WNDCLASSW wc = {};
    EXPECT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), names[0], &wc));
    EXPECT_EQ(std::make_tuple(style, reinterpret_cast<HBRUSH>(1000)), std::make_tuple(wc.style, wc.hbrBackground));
}
