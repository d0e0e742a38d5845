#include "TestFrame.h"

namespace {
const UINT WM_TEST_BASE_ONLY = WM_APP + 1, WM_TEST_OVERRIDDEN = WM_APP + 2, WM_TEST_DERIVED_ONLY = WM_APP + 3;
const UINT WM_TEST_UNHANDLED = WM_APP + 4;
const UINT WM_TEST_REGISTERED = ::RegisterWindowMessageW(L"GvMfcTestRegistered");

// Records each handler's name and cracked arguments.
class CCrackerWnd : public CWnd
{
public:
    std::vector<std::wstring> m_log;
    CWnd* m_pFocusWnd = nullptr;

protected:
    template <class... Values>
    void Log(const wchar_t* name, Values... values)
    {
        std::wstring entry = name;
        ((entry += L" " + std::to_wstring(values)), ...);
        m_log.push_back(entry);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { Log(L"LButtonDown", nFlags, point.x, point.y); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        Log(L"MouseWheel", nFlags, zDelta, pt.x, pt.y);
        return 7;
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Log(L"KeyDown", nChar, nRepCnt, nFlags); }
    afx_msg void OnSize(UINT nType, int cx, int cy) { Log(L"Size", nType, cx, cy); }
    afx_msg LRESULT OnNcHitTest(CPoint point)
    {
        Log(L"NcHitTest", point.x, point.y);
        return HTCAPTION;
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd)
    {
        Log(L"SetFocus");
        m_pFocusWnd = pOldWnd;
    }
    afx_msg LRESULT OnTestMessage(WPARAM wParam, LPARAM lParam) { return (LRESULT)(wParam * 1000 + lParam); }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return (LRESULT)wParam + 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCrackerWnd, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
    ON_WM_NCHITTEST()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_TEST_BASE_ONLY, OnTestMessage)
    ON_MESSAGE(WM_TEST_OVERRIDDEN, OnTestMessage)
    ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnRegistered)
END_MESSAGE_MAP()

// Overrides one of the cracker's handlers and adds one.
class CDerivedWnd : public CCrackerWnd
{
protected:
    afx_msg LRESULT OnOverridden(WPARAM, LPARAM) { return 3; }
    afx_msg LRESULT OnDerivedOnly(WPARAM, LPARAM) { return 4; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CCrackerWnd)
    ON_MESSAGE(WM_TEST_OVERRIDDEN, OnOverridden)
    ON_MESSAGE(WM_TEST_DERIVED_ONLY, OnDerivedOnly)
END_MESSAGE_MAP()

// Parent of command and notification tests.
class CCommandWnd : public CWnd
{
public:
    std::vector<std::wstring> m_log;
    std::vector<UINT> m_rangeIds;
    LRESULT m_notifyResult = 0;

protected:
    afx_msg void OnCommand100() { m_log.push_back(L"command100"); }
    afx_msg void OnClickRange(UINT nID) { m_rangeIds.push_back(nID); }
    afx_msg void OnEditChange() { m_log.push_back(L"parent:EN_CHANGE"); }
    afx_msg void OnEditSetFocus() { m_log.push_back(L"parent:EN_SETFOCUS"); }
    afx_msg void OnEditKillFocus() { m_log.push_back(L"parent:EN_KILLFOCUS"); }
    afx_msg void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log.push_back(L"parent:UDN_DELTAPOS " + std::to_wstring(reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta));
        *pResult = m_notifyResult;
    }
    DECLARE_MESSAGE_MAP()
};

const UINT ID_EDIT = 150, ID_SPIN = 160;

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
    ON_COMMAND(100, OnCommand100)
    ON_CONTROL_RANGE(BN_CLICKED, 200, 210, OnClickRange)
    ON_EN_CHANGE(ID_EDIT, OnEditChange)
    ON_EN_SETFOCUS(ID_EDIT, OnEditSetFocus)
    ON_EN_KILLFOCUS(ID_EDIT, OnEditKillFocus)
    ON_NOTIFY(UDN_DELTAPOS, ID_SPIN, OnDeltaPos)
END_MESSAGE_MAP()

// An edit that takes its own EN_SETFOCUS and, optionally, EN_CHANGE.
class CReflectingEdit : public CEdit
{
public:
    std::vector<std::wstring>* m_pLog = nullptr;
    BOOL m_passChangeOn = FALSE;

protected:
    afx_msg void OnReflectedSetFocus() { m_pLog->push_back(L"edit:EN_SETFOCUS"); }
    afx_msg BOOL OnReflectedChange()
    {
        m_pLog->push_back(L"edit:EN_CHANGE");
        return !m_passChangeOn;
    }
    afx_msg void OnReflectedDeltaPos(NMHDR*, LRESULT* pResult)
    {
        m_pLog->push_back(L"edit:notify");
        *pResult = 42;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingEdit, CEdit)
    ON_CONTROL_REFLECT(EN_SETFOCUS, OnReflectedSetFocus)
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnReflectedChange)
    ON_NOTIFY_REFLECT(UDN_DELTAPOS, OnReflectedDeltaPos)
END_MESSAGE_MAP()

// Draws itself through the reflected WM_DRAWITEM; colours itself through the
// reflected WM_CTLCOLOR*.
class COwnerDrawButton : public CButton
{
public:
    int m_drawCount = 0;
    UINT m_lastState = 0;
    CBrush m_brush{RGB(1, 2, 3)};
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++m_drawCount;
        m_lastState = lpDrawItemStruct->itemState;
    }

protected:
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor) { return nCtlColor == CTLCOLOR_BTN ? (HBRUSH)m_brush : nullptr; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawButton, CButton)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

using MessageMapTest = Win32WindowTest;
} // namespace

TEST_F(MessageMapTest, WindowMessagesAreCrackedLikeMfcTheRestGoToTheDefault)
{
    CCrackerWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, ChildRect(), &m_frame, 1));
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 7));
    EXPECT_EQ(7, wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)-240), MAKELPARAM(100, -20)));
    wnd.SendMessage(WM_KEYDOWN, VK_LEFT, MAKELPARAM(3, 0x014B));
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(33, 44));
    EXPECT_EQ(HTCAPTION, wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(-5, 9)));
    // The creation's size first; MK_LBUTTON | MK_SHIFT is 5, MK_CONTROL 8, VK_LEFT 37, 0x014B 331.
    EXPECT_EQ((std::vector<std::wstring>{L"Size 0 120 24", L"LButtonDown 5 -3 7", L"MouseWheel 8 -240 100 -20",
                                         L"KeyDown 37 3 331", L"Size 0 33 44", L"NcHitTest -5 9"}),
              wnd.m_log);
    EXPECT_EQ(3004, wnd.SendMessage(WM_TEST_BASE_ONLY, 3, 4));
    EXPECT_EQ(10, wnd.SendMessage(WM_TEST_REGISTERED, 9, 0));

    // Unhandled messages reach the default procedure.
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_UNHANDLED, 1, 2));
    wnd.SetWindowText(L"changed");
    EXPECT_EQ(CString(L"changed"), WindowText(wnd.m_hWnd));

    // The focus handler gets the previous window's object.
    CCrackerWnd second;
    ASSERT_TRUE(second.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, ChildRect(10, 40), &m_frame, 2));
    wnd.SetFocus();
    second.SetFocus();
    ASSERT_EQ((std::vector<std::wstring>{L"Size 0 120 24", L"SetFocus"}), second.m_log);
    EXPECT_EQ(&wnd, second.m_pFocusWnd);
    wnd.DestroyWindow();
}

TEST_F(MessageMapTest, MapsChainToTheBaseMap)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"", WS_CHILD, ChildRect(), &m_frame, 1));
    EXPECT_EQ(3004, wnd.SendMessage(WM_TEST_BASE_ONLY, 3, 4));
    EXPECT_EQ(3, wnd.SendMessage(WM_TEST_OVERRIDDEN, 3, 4));
    EXPECT_EQ(4, wnd.SendMessage(WM_TEST_DERIVED_ONLY));

    CCrackerWnd base;
    ASSERT_TRUE(base.Create(nullptr, L"", WS_CHILD, ChildRect(), &m_frame, 2));
    EXPECT_EQ(3004, base.SendMessage(WM_TEST_OVERRIDDEN, 3, 4));
    EXPECT_EQ(0, base.SendMessage(WM_TEST_DERIVED_ONLY));
}

TEST_F(MessageMapTest, CommandsDispatchByIdAndRangeNotificationsByCode)
{
    CCommandWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 380, 250), &m_frame, 1));
    CButton inRange, outOfRange, edge;
    ASSERT_TRUE(inRange.Create(L"a", WS_CHILD | BS_PUSHBUTTON, ChildRect(), &parent, 205));
    ASSERT_TRUE(edge.Create(L"b", WS_CHILD | BS_PUSHBUTTON, ChildRect(), &parent, 210));
    ASSERT_TRUE(outOfRange.Create(L"c", WS_CHILD | BS_PUSHBUTTON, ChildRect(), &parent, 211));

    // BN_CLICKED of each button, as the button sends it.
    for (CButton* p : {&inRange, &edge, &outOfRange})
        parent.SendMessage(WM_COMMAND, MAKEWPARAM(p->GetDlgCtrlID(), BN_CLICKED), (LPARAM)p->m_hWnd);
    EXPECT_EQ((std::vector<UINT>{205, 210}), parent.m_rangeIds);

    // A menu command and an accelerator (code 1) both reach ON_COMMAND.
    EXPECT_EQ(1, parent.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0));
    EXPECT_EQ(1, parent.SendMessage(WM_COMMAND, MAKEWPARAM(100, 1), 0));
    EXPECT_EQ(0, parent.SendMessage(WM_COMMAND, MAKEWPARAM(101, 0), 0));
    EXPECT_EQ((std::vector<std::wstring>{L"command100", L"command100"}), parent.m_log);

    // Notifications dispatch by code.
    parent.m_log.clear();
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, ChildRect(), &parent, ID_EDIT));
    edit.SetWindowText(L"12");
    edit.SetFocus();
    m_frame.SetFocus();
    EXPECT_EQ((std::vector<std::wstring>{L"parent:EN_CHANGE", L"parent:EN_SETFOCUS", L"parent:EN_KILLFOCUS"}),
              parent.m_log);

    CWnd spin;
    ASSERT_TRUE(spin.CreateEx(0, UPDOWN_CLASSW, nullptr, WS_CHILD, ChildRect(), &parent, ID_SPIN));
    NMUPDOWN nm = {{spin.m_hWnd, ID_SPIN, UDN_DELTAPOS}, 0, -1};
    parent.m_notifyResult = 1;
    EXPECT_EQ(1, parent.SendMessage(WM_NOTIFY, ID_SPIN, (LPARAM)&nm));
    EXPECT_EQ(L"parent:UDN_DELTAPOS -1", parent.m_log.back());
}

TEST_F(MessageMapTest, ControlNotificationsDrawItemAndCtlColorAreReflectedToTheControl)
{
    CCommandWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 380, 250), &m_frame, 1));
    CReflectingEdit edit;
    edit.m_pLog = &parent.m_log;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, ChildRect(), &parent, ID_EDIT));

    // EN_SETFOCUS is taken by the edit; EN_KILLFOCUS is not reflected.
    edit.SetFocus();
    m_frame.SetFocus();
    EXPECT_EQ((std::vector<std::wstring>{L"edit:EN_SETFOCUS", L"parent:EN_KILLFOCUS"}), parent.m_log);

    // ON_CONTROL_REFLECT_EX returning FALSE passes the notification on.
    parent.m_log.clear();
    edit.SetWindowText(L"1");
    edit.m_passChangeOn = TRUE;
    edit.SetWindowText(L"2");
    EXPECT_EQ((std::vector<std::wstring>{L"edit:EN_CHANGE", L"edit:EN_CHANGE", L"parent:EN_CHANGE"}), parent.m_log);

    // WM_NOTIFY from the edit comes back to it with its result.
    parent.m_log.clear();
    NMUPDOWN nm = {{edit.m_hWnd, ID_EDIT, UDN_DELTAPOS}, 0, 0};
    EXPECT_EQ(42, parent.SendMessage(WM_NOTIFY, ID_EDIT, (LPARAM)&nm));
    EXPECT_EQ(std::vector<std::wstring>{L"edit:notify"}, parent.m_log);

    // So are WM_DRAWITEM and WM_CTLCOLOR*; a null brush leaves the message to
    // the parent's default processing.
    COwnerDrawButton button;
    ASSERT_TRUE(button.Create(L"x", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, ChildRect(), &m_frame, 7));
    button.UpdateWindow();
    int drawn = button.m_drawCount;
    EXPECT_GE(drawn, 1);
    DRAWITEMSTRUCT dis = {ODT_BUTTON, 7, 0, 0, ODS_FOCUS, button.m_hWnd, nullptr, {}, 0};
    EXPECT_EQ(1, m_frame.SendMessage(WM_DRAWITEM, 7, (LPARAM)&dis));
    EXPECT_EQ(std::make_pair(drawn + 1, (UINT)ODS_FOCUS), std::make_pair(button.m_drawCount, button.m_lastState));
    CClientDC dc(&button);
    EXPECT_EQ((LRESULT)(HBRUSH)button.m_brush,
              m_frame.SendMessage(WM_CTLCOLORBTN, (WPARAM)dc.m_hDC, (LPARAM)button.m_hWnd));
    LRESULT byDefault = ::DefWindowProcW(m_frame.m_hWnd, WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)button.m_hWnd);
    EXPECT_EQ(byDefault, m_frame.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)button.m_hWnd));
}

namespace {
// WM_CHAR handlers: one passes the character on with Default() after
// sending itself another message, one drops it.
class CFilterEdit : public CEdit
{
public:
    bool m_drop = false;
    UINT m_currentMessage = 0;

protected:
    afx_msg void OnChar(UINT nChar, UINT, UINT)
    {
        m_currentMessage = GetCurrentMessage()->message;
        SendMessage(WM_GETTEXTLENGTH);
        if (!m_drop && nChar != 'x')
            Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFilterEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()
} // namespace

TEST_F(MessageMapTest, DefaultInsideAHandlerRunsTheOriginalProcedure)
{
    CFilterEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, ChildRect(), &m_frame, 3));
    for (wchar_t ch : std::wstring(L"1x2"))
        edit.SendMessage(WM_CHAR, ch, 1);
    edit.m_drop = true;
    edit.SendMessage(WM_CHAR, '3', 1);
    EXPECT_EQ(CString(L"12"), WindowText(edit.m_hWnd));
    EXPECT_EQ((UINT)WM_CHAR, edit.m_currentMessage);
}
