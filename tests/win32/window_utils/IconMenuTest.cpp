#include <gtest/gtest.h>
#include <algorithm>
#include <tuple>
#include <vector>
#include "GvWindowUtils.h"
#include "TestFrame.h"
#include "TestPixels.h"

namespace {

bool IconAlive(HICON hIcon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info))
        return false;
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return true;
}

const CGvIconMenuItemData* DataAt(const CGvIconMenu& menu, int position)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    ::GetMenuItemInfoW(menu.m_hMenu, position, TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) ? reinterpret_cast<const CGvIconMenuItemData*>(info.dwItemData) : nullptr;
}

SIZE BoldTextSize(const wchar_t* text)
{
    LOGFONTW font = {};
    ::GetObjectW(::GetStockObject(ANSI_VAR_FONT), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    HFONT hFont = ::CreateFontIndirectW(&font);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, text, lstrlenW(text), &size);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::DeleteObject(hFont);
    return size;
}

// Exposes the hook and records what reaches the owner while the menu is open.
class CTestIconMenu : public CGvIconMenu
{
public:
    using CGvIconMenu::SubClassMenu;
};

class CMenuOwner : public CTestFrame
{
public:
    CTestIconMenu* m_pMenu = nullptr;
    std::vector<UINT> m_commands;
    std::vector<UINT> m_clicks; // menu positions clicked while open
    std::vector<WPARAM> m_keys; // pressed while open, after the clicks
    std::vector<bool> m_checkedAfter;
    std::vector<bool> m_checkedAtCommand;
    UINT m_watched = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        m_checkedAtCommand.push_back((::GetMenuState(m_hOpenMenu, m_watched, MF_BYCOMMAND) & MF_CHECKED) != 0);
        return CTestFrame::OnCommand(wParam, lParam);
    }
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam)
    {
        HWND hMenuWnd = reinterpret_cast<HWND>(lParam);
        if (wParam == MSGF_MENU && m_pMenu && hMenuWnd) {
            m_hOpenMenu = m_pMenu->m_hMenu;
            m_pMenu->SubClassMenu(hMenuWnd);
            for (UINT position : m_clicks) {
                ::SendMessageW(hMenuWnd, GV_MN_BUTTONDOWN, position, 0);
                ::SendMessageW(hMenuWnd, GV_MN_BUTTONUP, position, 0);
                m_checkedAfter.push_back((m_pMenu->GetMenuState(m_watched, MF_BYCOMMAND) & MF_CHECKED) != 0);
            }
            m_pMenu = nullptr;
            // Keys reach the menu loop through the thread's queue, in order.
            for (WPARAM key : m_keys)
                ::PostMessageW(m_hWnd, WM_KEYDOWN, key, 1);
            if (m_keys.empty())
                ::EndMenu();
        }
        return 0;
    }
    HMENU m_hOpenMenu = nullptr;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwner, CTestFrame)
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

class IconMenuTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_owner.CreateFrame()); }
    void TearDown() override
    {
        m_owner.DestroyWindow();
        AfxPumpPendingMessages();
        EXPECT_EQ(0u, AfxGetTemporaryObjectCount());
    }
    // A check box, two radio items and a plain one, hooked when opened.
    void HookToggles(CTestIconMenu& menu)
    {
        menu.AppendMenuWithValue(L"Check", 21, GvIconMenuStateCheckBox, false);
        menu.AppendMenuWithValue(L"Red", 22, GvIconMenuStateRadio, true);
        menu.AppendMenuWithValue(L"Green", 23, GvIconMenuStateRadio, false);
        menu.AppendMenuItem(L"Plain", 24);
        m_owner.m_pMenu = &menu;
        m_owner.m_watched = 21;
    }
    CMenuOwner m_owner;
};

TEST_F(IconMenuTest, EveryAppendFormAndOwnedPicturesGoWithTheirItems)
{
    CGvIconMenu sub;
    CGvIconMenu menu;
    HICON hIcon = SolidIcon(RGB(0, 0, 255));
    HBITMAP hBitmap = SolidBitmap(40, 32, RGB(255, 0, 0));
    menu.AppendMenuItem(L"Plain", 10);
    menu.AppendMenuWithValue(L"Text", 11, GvIconMenuStatePlain, true);
    menu.AppendMenuWithValue(L"Check", 12, GvIconMenuStateCheckBox, true);
    menu.AppendMenuWithValue(L"Radio", 13, GvIconMenuStateRadio, false);
    menu.AppendMenuWithIconHandle(L"Icon", 14, hIcon, false);
    menu.AppendMenuWithIconHandle(L"No icon", 15, nullptr, false);
    menu.AppendMenuWithBitmapHandle(L"Picture", 16, hBitmap, 40, 32, false);
    menu.AppendMenuWithBitmapHandle(L"No picture", 17, nullptr, 40, 32, false);
    menu.AppendMenuWithBitmapAndIconHandle(L"Both", 18, hIcon, hBitmap, 40, 32, false, false);
    menu.AppendMenuWithBitmapAndIconHandle(L"Bitmap only", 19, nullptr, hBitmap, 40, 32, false, false);
    menu.AppendPopupMenu(L"Sub", sub.m_hMenu);
    CMenu plainSub;
    plainSub.CreatePopupMenu();
    menu.AppendPopupWithIconHandle(L"Plain sub", plainSub.m_hMenu, nullptr, false);
    const GvIconMenuStateType P = GvIconMenuStatePlain, C = GvIconMenuStateCheckBox, R = GvIconMenuStateRadio,
                              U = GvIconMenuStatePopup;
    // Owner-drawn, kind, icon, bitmap, checked; a plain Win32 item's kind is not looked at.
    const std::tuple<bool, GvIconMenuStateType, bool, bool, bool> rows[] = {
        {true, P, false, false, false},  {false, P, false, false, true},  {true, C, false, false, true},
        {true, R, false, false, false},  {true, P, true, false, false},   {false, P, false, false, false},
        {true, P, false, true, false},   {false, P, false, false, false}, {true, P, true, true, false},
        {false, P, false, false, false}, {true, U, false, false, false},  {false, P, false, false, false},
    };
    ASSERT_EQ(12u, menu.GetMenuItemCount());
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        const auto& [ownerDrawn, kind, icon, bitmap, checked] = rows[i];
        const CGvIconMenuItemData* pData = DataAt(menu, i);
        ASSERT_EQ(ownerDrawn, pData != nullptr);
        EXPECT_EQ(checked, (::GetMenuState(menu.m_hMenu, i, MF_BYPOSITION) & MF_CHECKED) != 0);
        if (pData) {
            EXPECT_EQ(std::make_tuple(kind, icon, bitmap),
                      std::make_tuple(pData->m_stateType, pData->m_hIcon != nullptr, pData->m_hBitmap != nullptr));
        }
    }
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(sub.m_hMenu), DataAt(menu, 10)->m_id);
    EXPECT_EQ(plainSub.m_hMenu, ::GetSubMenu(menu.m_hMenu, 11));
    EXPECT_EQ(7, menu.GetItems().GetCount()); // head insertion: the last item first
    EXPECT_EQ(DataAt(menu, 10), menu.GetItems().GetHead());

    menu.EnableMenuItem(10, false);
    EXPECT_EQ(static_cast<UINT>(MF_DISABLED | MF_GRAYED), ::GetMenuState(menu.m_hMenu, 10, MF_BYCOMMAND) & 3u);
    menu.SetMenuItemValue(13, true);
    EXPECT_TRUE(::GetMenuState(menu.m_hMenu, 13, MF_BYCOMMAND) & MF_CHECKED);
    plainSub.Detach(); // destroyed with the menu
    menu.ClearMenu();
    EXPECT_EQ(std::make_tuple(0u, 0), std::make_tuple(menu.GetMenuItemCount(), menu.GetItems().GetCount()));
    EXPECT_TRUE(IconAlive(hIcon)); // not owned
    EXPECT_NE(0u, ::GetObjectType(hBitmap));
    ::DestroyIcon(hIcon);
    ::DeleteObject(hBitmap);

    HICON hOwnedIcon = SolidIcon(RGB(0, 255, 0));
    HBITMAP hOwnedBitmap = SolidBitmap(8, 8, RGB(0, 0, 0));
    {
        CGvIconMenu owning;
        owning.AppendMenuWithBitmapAndIconHandle(L"Both", 1, hOwnedIcon, hOwnedBitmap, 8, 8, true, true);
        EXPECT_TRUE(IconAlive(hOwnedIcon));
    }
    EXPECT_FALSE(IconAlive(hOwnedIcon));
    EXPECT_EQ(0u, ::GetObjectType(hOwnedBitmap));
    // The item data on its own: a bitmap is owned unless said otherwise.
    HBITMAP hOther = SolidBitmap(8, 8, RGB(0, 0, 0));
    {
        CGvIconMenuItemData data;
        data.m_hBitmap = hOther;
    }
    EXPECT_EQ(0u, ::GetObjectType(hOther));
}

// The sizes per kind are the layout's (tested natively): here, that the menu
// measures with the bold text and the picture, and attaches a sub-menu then.
TEST_F(IconMenuTest, MeasuredSizes)
{
    CGvIconMenu menu;
    HBITMAP hBitmap = SolidBitmap(40, 32, RGB(255, 0, 0));
    menu.AppendMenuWithBitmapHandle(L"Open", 2, hBitmap, 40, 32, true);
    CGvIconMenu sub;
    menu.AppendPopupMenu(L"Open", sub.m_hMenu);
    const SIZE text = BoldTextSize(L"Open");
    const int line = text.cy > 19 ? text.cy : 19;
    const CSize expected[] = {{std::max(62, int(text.cx) + 22), 32 + line + 2}, {text.cx + 22 + 18, line}};
    for (int i = 0; i < 2; ++i) {
        MEASUREITEMSTRUCT measure = {ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(DataAt(menu, i))};
        menu.MeasureItem(&measure);
        EXPECT_EQ(expected[i], CSize(measure.itemWidth, measure.itemHeight)) << i;
    }
    EXPECT_EQ(sub.m_hMenu, ::GetSubMenu(menu.m_hMenu, 1)); // attached when measured
    sub.Detach();
}

TEST_F(IconMenuTest, DrawnPixels)
{
    CGvIconMenu menu;
    menu.AppendMenuWithBitmapAndIconHandle(L"Open\tCtrl+O", 1, SolidIcon(RGB(0, 0, 255)),
                                           SolidBitmap(40, 32, RGB(255, 0, 0)), 40, 32, true, true);
    const int width = 150, height = 60;
    const CCanvas canvas(width, height, RGB(1, 2, 3));
    const HDC hDC = canvas.Dc();
    DRAWITEMSTRUCT draw = {ODT_MENU,
                           0,
                           1,
                           0,
                           ODS_SELECTED,
                           nullptr,
                           hDC,
                           {0, 0, width, height},
                           reinterpret_cast<ULONG_PTR>(DataAt(menu, 0))};
    menu.DrawItem(&draw);

    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(RGB(0, 0, 255), ::GetPixel(hDC, 2 + 8, 1 + 8));        // icon at (2, 1)
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(hDC, 20, 60 - 34 + 1));     // picture's top-left
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(hDC, 20 + 39, 60 - 2 - 1)); // its bottom-right
    EXPECT_EQ(highlight, ::GetPixel(hDC, 21, 1));
    // The accelerator ends 18 pixels in from the right edge.
    int rightmost = -1;
    for (int y = 0; y < 26; ++y)
        for (int x = 21; x < width; ++x)
            if (::GetPixel(hDC, x, y) != highlight && x > rightmost)
                rightmost = x;
    EXPECT_LT(rightmost, width - 18);
    EXPECT_GE(rightmost, width - 18 - 6); // the glyph's own side bearing
}

TEST_F(IconMenuTest, TogglingWhileOpen)
{
    CTestIconMenu menu;
    HookToggles(menu);
    m_owner.m_clicks = {0, 0, 2, 3};
    EXPECT_EQ(0, menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 10, 10, &m_owner));
    EXPECT_EQ((std::vector<bool>{true, false, false, false}), m_owner.m_checkedAfter);
    EXPECT_EQ((std::vector<UINT>{21, 21, 23}), m_owner.m_commands); // the plain item is not kept open
    EXPECT_FALSE(menu.GetMenuState(22, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(23, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(0, menu.TrackPopupMenu(0, 10, 10, nullptr));
}

TEST_F(IconMenuTest, SpaceTogglesTheHighlightedItemWhileOpen)
{
    CTestIconMenu menu;
    HookToggles(menu);
    m_owner.m_keys = {VK_DOWN, VK_SPACE, VK_SPACE, VK_DOWN, VK_DOWN, VK_SPACE, VK_ESCAPE};
    // Nothing chosen: Space kept the menu open, and Escape closed it.
    EXPECT_EQ(0, menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 10, 10, &m_owner));
    EXPECT_EQ((std::vector<UINT>{21, 21, 23}), m_owner.m_commands);
    EXPECT_EQ((std::vector<bool>{true, false, false}), m_owner.m_checkedAtCommand);
    EXPECT_FALSE(menu.GetMenuState(22, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(23, MF_BYCOMMAND) & MF_CHECKED);
}

} // namespace
