// The window utilities: a scroll window showing a larger child, and an icon
// menu (a right click on this family opens it).
#include "ExampleHost.h"
#include "GvWindowUtils.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

const COLORREF kTopBand = RGB(200, 60, 40), kBottomBand = RGB(40, 120, 200);
const int kBandHeight = 100;
const COLORREF kIconColor = RGB(0, 160, 0);
enum
{
    kCopyId = 130,
    kGridId,
    kRedId,
    kGreenId
};
const int kGridPosition = 1; // of the check item in the menu

// The scroll child: two bands, and a count of the moves the scroll window
// makes (it moves the child, never resizes it).
class CBandsChild : public CWnd
{
public:
    int m_moves = 0;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(CRect(0, 0, client.right, kBandHeight), kTopBand);
        dc.FillSolidRect(CRect(0, kBandHeight, client.right, client.bottom), kBottomBand);
    }
    afx_msg LRESULT OnWindowPosChanged(WPARAM, LPARAM lParam)
    {
        if (!(reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_NOMOVE))
            ++m_moves;
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBandsChild, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
END_MESSAGE_MAP()

// The menu window is hooked (SubClassMenu) so that check and radio items
// toggle while the menu stays open.
class CHookedIconMenu : public CGvIconMenu
{
public:
    using CGvIconMenu::SubClassMenu;
};

// A 16 x 16 icon of one colour; the menu item that gets it owns it.
HICON SolidIcon(COLORREF color)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP colorBits = ::CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, colorBits);
    const RECT all = {0, 0, 16, 16};
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    const BYTE opaque[16 * 2] = {};
    HBITMAP mask = ::CreateBitmap(16, 16, 1, 1, opaque);
    ICONINFO info = {TRUE, 0, 0, mask, colorBits};
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(mask);
    ::DeleteObject(colorBits);
    return icon;
}

class CWindowUtilsFamily : public CExampleFamily
{
public:
    const wchar_t* Title() const override { return L"Scroll window; right click: icon menu"; }

    CSize CreateControls(const ExampleHostData&) override
    {
        // The child is larger than the viewport; the scroll window adds the
        // bars it needs and moves the child. The child stays ours.
        if (!m_scroll.CreateScrollWnd(m_hWnd, CRect(kMargin, kTop, kMargin + 220, kTop + 120),
                                      WS_CHILD | WS_VISIBLE | WS_BORDER, false)
            || !m_child.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 2 * kBandHeight), this, 1)
            || !m_scroll.AttachScrollChild(&m_child))
            return CSize();
        return CSize(kMargin * 2 + 220, kTop + 128);
    }

    bool Check(std::string& seen) override
    {
        const HWND horizontal = ::GetDlgItem(m_scroll.m_hWnd, IDC_GV_SCROLL_HORZ_BAR);
        const HWND vertical = ::GetDlgItem(m_scroll.m_hWnd, IDC_GV_SCROLL_VERT_BAR);
        const int moves = m_child.m_moves;
        m_scroll.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 50), reinterpret_cast<LPARAM>(vertical));
        CRect placed;
        m_child.GetWindowRect(&placed);
        m_child.GetParent()->ScreenToClient(&placed);
        // The viewport's top left shows the child's row 50: the top band.
        const COLORREF top = ClientPixel(m_child.m_hWnd, CPoint(5, 55));
        const COLORREF lower = ClientPixel(m_child.m_hWnd, CPoint(5, kBandHeight + 5));
        const int barPosition = vertical ? static_cast<int>(::SendMessageW(vertical, SBM_GETPOS, 0, 0)) : -1;
        bool ok = horizontal && vertical && placed.TopLeft() == CPoint(0, -50) && placed.Size() == CSize(400, 200)
                  && barPosition == 50 && m_child.m_moves == moves + 1 && top == kTopBand && lower == kBottomBand;
        seen = Format("scroll bars %s, child at (%d, %d) %dx%d, bar at %d, %d move, pixels %06lX %06lX",
                      horizontal && vertical ? "both" : "MISSING", placed.left, placed.top, placed.Width(),
                      placed.Height(), barPosition, m_child.m_moves - moves, top, lower);

        // The menu opens; from inside its loop the check item is clicked
        // once (it toggles, the menu stays open and the owner hears the
        // command) and the icon read from the menu window, then it ends.
        m_checking = true;
        ShowMenu(CPoint(20, 20));
        m_checking = false;
        ok = ok && m_commands == 1 && m_lastCommand == kGridId && !m_showGrid && m_iconPixel == kIconColor;
        seen += Format("; icon menu: %d command (%u), grid %s, icon pixel %06lX", m_commands, m_lastCommand,
                       m_showGrid ? "on" : "off", m_iconPixel);
        return ok;
    }

protected:
    void ShowMenu(CPoint point)
    {
        CHookedIconMenu menu;
        menu.AppendMenuWithIconHandle(L"Copy\tCtrl+C", kCopyId, SolidIcon(kIconColor), true);
        menu.AppendMenuWithValue(L"Show grid", kGridId, GvIconMenuStateCheckBox, m_showGrid);
        menu.AppendMenuWithValue(L"Red", kRedId, GvIconMenuStateRadio, m_colorId == kRedId);
        menu.AppendMenuWithValue(L"Green", kGreenId, GvIconMenuStateRadio, m_colorId == kGreenId);
        m_openMenu = &menu;
        m_menuHooked = false;
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, point.x, point.y, this);
        m_openMenu = nullptr;
    }
    afx_msg void OnContextMenu(CWnd*, CPoint pos)
    {
        CPoint point = pos;
        ScreenToClient(&point);
        ShowMenu(point);
    }
    // The menu's loop has nothing to do: its window exists now.
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam)
    {
        const HWND menuWindow = reinterpret_cast<HWND>(lParam);
        if (wParam != MSGF_MENU || !m_openMenu || m_menuHooked || !menuWindow)
            return 0;
        m_menuHooked = true;
        m_openMenu->SubClassMenu(menuWindow);
        if (m_checking) {
            ::SendMessageW(menuWindow, GV_MN_BUTTONDOWN, kGridPosition, 0);
            ::SendMessageW(menuWindow, GV_MN_BUTTONUP, kGridPosition, 0);
            // The icon of the first item: 16 x 16 at (2, 1) of the item.
            RECT item = {};
            ::GetMenuItemRect(nullptr, m_openMenu->m_hMenu, 0, &item);
            POINT iconCentre = {item.left + 10, item.top + 9};
            ::ScreenToClient(menuWindow, &iconCentre);
            ::RedrawWindow(menuWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            m_iconPixel = ClientPixel(menuWindow, iconCentre);
            ::EndMenu();
        }
        return 0;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const UINT id = LOWORD(wParam);
        if (lParam != 0 || id < kCopyId || id > kGreenId)
            return CExampleFamily::OnCommand(wParam, lParam);
        ++m_commands;
        m_lastCommand = id;
        if (id == kGridId)
            m_showGrid = !m_showGrid;
        else if (id != kCopyId)
            m_colorId = id;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()

    CGvScrollWnd m_scroll;
    CBandsChild m_child;
    CHookedIconMenu* m_openMenu = nullptr;
    bool m_menuHooked = false, m_checking = false;
    bool m_showGrid = true;
    UINT m_colorId = kRedId;
    int m_commands = 0;
    UINT m_lastCommand = 0;
    COLORREF m_iconPixel = CLR_INVALID;
};

BEGIN_MESSAGE_MAP(CWindowUtilsFamily, CExampleFamily)
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

} // namespace

CExampleFamily* MakeWindowUtilsFamily()
{
    return new CWindowUtilsFamily;
}
