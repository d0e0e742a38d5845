#include "TestFrame.h"

using ControlsTest = Win32WindowTest;

// The controls' one-line forwards to their messages are left out; these
// wrappers do something of their own.
TEST_F(ControlsTest, ComboTextSpinScrollBarAndToolTipWrappers)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 120, 200), &m_frame, 1));
    combo.AddString(L"RGB");
    combo.AddString(L"HSV");
    CString text;
    combo.GetLBText(1, text);
    EXPECT_EQ(CString(L"HSV"), text);
    combo.GetLBText(5, text);
    EXPECT_TRUE(text.IsEmpty());

    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, ChildRect(10, 70, 60, 20), &m_frame, 3));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(
        spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, ChildRect(70, 70, 12, 20), &m_frame, 4));
    spin.SetBuddy(&buddy);
    EXPECT_EQ(&buddy, spin.GetBuddy());
    // Sixteen bits: signed ends, and the high word of the position tells an error.
    int low = 0, high = 0;
    spin.SetRange(-2, 4);
    spin.GetRange(low, high);
    EXPECT_EQ(std::make_pair(-2, 4), std::make_pair(low, high));
    spin.SetPos(3);
    EXPECT_EQ(3, spin.SetPos(-1)) << "the previous position";
    EXPECT_EQ(CString(L"-1"), WindowText(buddy.m_hWnd));
    EXPECT_EQ(std::make_pair(-1, 0), std::make_pair(int((short)LOWORD(spin.GetPos())), int(HIWORD(spin.GetPos()))));
    buddy.SetWindowText(L"none");
    EXPECT_NE(0, HIWORD(m_frame.SendDlgItemMessage(4, UDM_GETPOS))) << "the buddy's text is no number";

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, ChildRect(10, 100, 150, 16), &m_frame, 291));
    SCROLLINFO info = {0, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 200, 50, 120, 0};
    bar.SetScrollInfo(&info); // fills in the size
    EXPECT_EQ(120, bar.GetScrollPos());
    SCROLLINFO back = {};
    ASSERT_TRUE(bar.GetScrollInfo(&back));
    EXPECT_EQ(std::make_pair(200, 50u), std::make_pair(back.nMax, back.nPage));

    // Tool tips: the tools and their texts.
    CStatic label;
    ASSERT_TRUE(label.Create(L"label", WS_CHILD | WS_VISIBLE, ChildRect(), &m_frame, 5));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_frame, TTS_ALWAYSTIP));
    EXPECT_EQ(m_frame.m_hWnd, ::GetWindow(tip.m_hWnd, GW_OWNER));
    ASSERT_TRUE(tip.AddTool(&label, L"Small View"));
    EXPECT_EQ(1, tip.GetToolCount());
    tip.UpdateTipText(L"Large View", &label);

    text = L"stale";
    tip.GetText(text, &label);
    EXPECT_EQ(CString(L"Large View"), text);
    CStatic other;
    ASSERT_TRUE(other.Create(L"other", WS_CHILD | WS_VISIBLE, ChildRect(10, 40), &m_frame, 6));
    tip.GetText(text, &other); // not a tool of this tip
    EXPECT_EQ(CString(), text);
    ASSERT_TRUE(tip.AddTool(&other));
    tip.GetText(text, &other); // a callback tool has no text of its own
    EXPECT_EQ(CString(), text);
    tip.DelTool(&label);
    tip.DelTool(&other);
    EXPECT_EQ(0, tip.GetToolCount());
}

namespace {
// Records the owner-draw calls that reach the menu object.
class CRecordingMenu : public CMenu
{
public:
    std::vector<UINT> m_measured;
    std::vector<UINT> m_drawn;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        m_measured.push_back(lpMeasureItemStruct->itemID);
        lpMeasureItemStruct->itemWidth = 60;
        lpMeasureItemStruct->itemHeight = 19;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_drawn.push_back(lpDrawItemStruct->itemID); }
};

// Escape, queued before the menu opens, ends its loop once it has measured
// its items.
int TrackUntilEscape(CMenu& menu, CWnd& owner, const CWnd& frame)
{
    owner.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    CPoint at(20, 20);
    frame.ClientToScreen(&at);
    return menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, at.x, at.y, &owner);
}

// Whether the open menu got painted is the platform's affair; a drawing
// request always reaches the object.
void ExpectDrawingReaches(CRecordingMenu& menu, CWnd& owner, UINT nID)
{
    std::vector<UINT> drawn = menu.m_drawn;
    drawn.push_back(nID);
    DRAWITEMSTRUCT dis = {ODT_MENU, 0, nID, 0, 0, (HWND)menu.m_hMenu, nullptr, {}, 0};
    EXPECT_EQ(TRUE, owner.SendMessage(WM_DRAWITEM, 0, (LPARAM)&dis));
    EXPECT_EQ(drawn, menu.m_drawn);
}

// Attaches the sub-menu whose handle is an item's id when the item is
// measured, as the icon menu does with its sub-menu items.
class CAttachingMenu : public CRecordingMenu
{
public:
    HMENU m_hSub = nullptr;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        CRecordingMenu::MeasureItem(lpMeasureItemStruct);
        if (lpMeasureItemStruct->itemID != (UINT)(UINT_PTR)m_hSub)
            return;
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_SUBMENU;
        info.hSubMenu = m_hSub;
        SetMenuItemInfo(lpMeasureItemStruct->itemID, &info);
    }
};
} // namespace

TEST_F(ControlsTest, OwnerDrawnMenuItemsReachTheirMenuObjectEvenWhenNamedByTheirSubMenu)
{
    CWnd owner;
    ASSERT_TRUE(owner.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, ChildRect(), &m_frame, 1));
    CRecordingMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_OWNERDRAW, 101, (LPCWSTR)(UINT_PTR)0x1234));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 102, L"plain"));
    EXPECT_EQ(&menu, CMenu::FromHandle(menu.m_hMenu));
    CString text;
    menu.GetMenuString(102, text, MF_BYCOMMAND);
    EXPECT_EQ(CString(L"plain"), text);

    EXPECT_EQ(0, TrackUntilEscape(menu, owner, m_frame));
    EXPECT_EQ(std::vector<UINT>{101}, menu.m_measured);
    ExpectDrawingReaches(menu, owner, 101);
    AfxPumpPendingMessages();

    // An item whose id is its sub-menu's handle, attached while measured.
    CRecordingMenu sub;
    ASSERT_TRUE(sub.CreatePopupMenu());
    ASSERT_TRUE(sub.AppendMenu(MF_OWNERDRAW, 201, (LPCWSTR)(UINT_PTR)1));
    CAttachingMenu attaching;
    ASSERT_TRUE(attaching.CreatePopupMenu());
    attaching.m_hSub = sub.m_hMenu;
    const UINT subId = (UINT)(UINT_PTR)sub.m_hMenu;
    ASSERT_TRUE(attaching.AppendMenu(MF_OWNERDRAW, (UINT_PTR)sub.m_hMenu, (LPCWSTR)(UINT_PTR)2));

    TrackUntilEscape(attaching, owner, m_frame);
    EXPECT_EQ(std::vector<UINT>{subId}, attaching.m_measured);
    EXPECT_EQ(sub.m_hMenu, ::GetSubMenu(attaching.m_hMenu, 0)) << "attached while it was measured";
    // Now a pop-up item, it still reaches the menu that holds it.
    ExpectDrawingReaches(attaching, owner, subId);
    EXPECT_TRUE(sub.m_drawn.empty());
    // Taken out again, so that each object destroys its own menu.
    ::RemoveMenu(attaching.m_hMenu, 0, MF_BYPOSITION);
    AfxPumpPendingMessages();
}

namespace {
class CCountedFindDialog : public CFindReplaceDialog
{
public:
    static int s_deleted;
    ~CCountedFindDialog() override { ++s_deleted; }
};
int CCountedFindDialog::s_deleted = 0;

const UINT WM_FINDREPLACE = ::RegisterWindowMessageW(FINDMSGSTRINGW);

// Owner of a find dialog: records what each notification says.
class CFindOwnerWnd : public CWnd
{
public:
    std::vector<std::wstring> m_log;
    CFindReplaceDialog* m_pNotifier = nullptr;

protected:
    afx_msg LRESULT OnFindReplace(WPARAM, LPARAM lParam)
    {
        m_pNotifier = CFindReplaceDialog::GetNotifier(lParam);
        if (m_pNotifier->IsTerminating())
            m_log.push_back(L"terminating");
        else if (m_pNotifier->FindNext())
            m_log.push_back(L"find " + std::wstring(m_pNotifier->GetFindString())
                            + (m_pNotifier->SearchDown() ? L" down" : L" up"));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFindOwnerWnd, CWnd)
    ON_REGISTERED_MESSAGE(WM_FINDREPLACE, OnFindReplace)
END_MESSAGE_MAP()
} // namespace

TEST_F(ControlsTest, FindDialogNotifiesItsOwnerAndDeletesItself)
{
    CFindOwnerWnd owner;
    ASSERT_TRUE(owner.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, ChildRect(), &m_frame, 1));
    CCountedFindDialog::s_deleted = 0;
    CCountedFindDialog* pDialog = new CCountedFindDialog;
    wchar_t findWhat[4096] = L"";
    pDialog->m_fr.lpstrFindWhat = findWhat;
    pDialog->m_fr.wFindWhatLen = 4096;
    ASSERT_TRUE(pDialog->Create(TRUE, L"needle", nullptr, FR_DOWN, &owner));
    HWND hDialog = pDialog->m_hWnd;
    EXPECT_EQ(pDialog, CWnd::FromHandlePermanent(hDialog));
    EXPECT_STREQ(L"needle", findWhat) << "the caller's buffer is kept";

    ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hDialog, IDOK));
    EXPECT_EQ(pDialog, owner.m_pNotifier);
    ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(hDialog, IDCANCEL));
    AfxPumpPendingMessages();
    EXPECT_EQ((std::vector<std::wstring>{L"find needle down", L"terminating"}), owner.m_log);
    EXPECT_FALSE(::IsWindow(hDialog));
    EXPECT_EQ(1, CCountedFindDialog::s_deleted);
}
