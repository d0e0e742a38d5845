#include "window_utils/GvIconMenu.h"

#include <string>
#include "GvMessages.h"
#include "window_utils/IconMenuLayout.h"

namespace {

HFONT MenuFont(bool bold, UINT dpi)
{
    HFONT hFont = AfxGetStockFontForDpi(ANSI_VAR_FONT, dpi);
    if (!bold)
        return hFont;
    LOGFONTW font = {};
    ::GetObjectW(hFont, sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    return ::CreateFontIndirectW(&font);
}

UINT LineFlags(const std::wstring& text)
{
    return text.find(L'\n') == std::wstring::npos ? DT_SINGLELINE : 0;
}

} // namespace

// ---- Item data

CGvIconMenuItemData::CGvIconMenuItemData()
    : m_hIcon(nullptr), m_ownsIcon(false), m_hBitmap(nullptr), m_bitmapWidth(0), m_bitmapHeight(0), m_ownsBitmap(true),
      m_stateType(GvIconMenuStatePlain), m_id(0)
{
}

CGvIconMenuItemData::CGvIconMenuItemData(const CGvIconMenuItemData& other)
{
    *this = other;
}

CGvIconMenuItemData& CGvIconMenuItemData::operator=(const CGvIconMenuItemData& other)
{
    m_text = other.m_text;
    m_hIcon = other.m_hIcon;
    m_ownsIcon = other.m_ownsIcon;
    m_hBitmap = other.m_hBitmap;
    m_bitmapWidth = other.m_bitmapWidth;
    m_bitmapHeight = other.m_bitmapHeight;
    m_ownsBitmap = other.m_ownsBitmap;
    m_stateType = other.m_stateType;
    m_id = other.m_id;
    return *this;
}

CGvIconMenuItemData::~CGvIconMenuItemData()
{
    if (m_hIcon && m_ownsIcon)
        ::DestroyIcon(m_hIcon);
    if (m_hBitmap && m_ownsBitmap)
        ::DeleteObject(m_hBitmap);
}

// ---- Building

CGvIconMenu::CGvIconMenu() : m_pOwner(nullptr)
{
    CreatePopupMenu();
}

CGvIconMenu::~CGvIconMenu()
{
    ClearMenu();
    DestroyMenu();
}

CGvIconMenuItemData* CGvIconMenu::AppendOwnerDrawn(LPCWSTR text, UINT_PTR id, GvIconMenuStateType kind, HICON hIcon,
                                                   bool ownsIcon, HBITMAP hBitmap, int width, int height,
                                                   bool ownsBitmap)
{
    CGvIconMenuItemData* pData = new CGvIconMenuItemData;
    pData->m_text = text ? text : L"";
    pData->m_stateType = kind;
    pData->m_id = id;
    pData->m_hIcon = hIcon;
    pData->m_ownsIcon = ownsIcon;
    pData->m_hBitmap = hBitmap;
    pData->m_bitmapWidth = width;
    pData->m_bitmapHeight = height;
    pData->m_ownsBitmap = ownsBitmap;
    m_items.AddHead(pData);
    CMenu::AppendMenu(MF_OWNERDRAW, id, reinterpret_cast<LPCWSTR>(pData));
    // The item keeps its text beside the drawing data, where the system's
    // menu object and GetMenuString read it for accessibility clients.
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<LPWSTR>(pData->m_text.GetString());
    ::SetMenuItemInfoW(m_hMenu, GetMenuItemCount() - 1, TRUE, &info);
    return pData;
}

void CGvIconMenu::AppendMenuItem(LPCWSTR text, UINT id)
{
    AppendOwnerDrawn(text, id, GvIconMenuStatePlain);
    CheckMenuItem(id, MF_BYCOMMAND | MF_UNCHECKED);
    CMenu::EnableMenuItem(id, MF_BYCOMMAND | MF_ENABLED);
}

void CGvIconMenu::AppendMenuWithValue(LPCWSTR text, UINT id, GvIconMenuStateType kind, bool value)
{
    if (kind == GvIconMenuStatePlain)
        CMenu::AppendMenu(MF_STRING, id, text);
    else
        AppendOwnerDrawn(text, id, kind);
    CheckMenuItem(id, MF_BYCOMMAND | (value ? MF_CHECKED : MF_UNCHECKED));
}

void CGvIconMenu::AppendMenuWithIconHandle(LPCWSTR text, UINT id, HICON hIcon, bool ownsIcon)
{
    if (!hIcon) {
        CMenu::AppendMenu(MF_STRING, id, text);
        return;
    }
    AppendOwnerDrawn(text, id, GvIconMenuStatePlain, hIcon, ownsIcon);
}

void CGvIconMenu::AppendPopupWithIconHandle(LPCWSTR text, HMENU hSubMenu, HICON hIcon, bool ownsIcon)
{
    if (!hIcon) {
        CMenu::AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hSubMenu), text);
        return;
    }
    // The sub-menu is attached when the item is measured.
    AppendOwnerDrawn(text, reinterpret_cast<UINT_PTR>(hSubMenu), GvIconMenuStatePopup, hIcon, ownsIcon);
}

void CGvIconMenu::AppendPopupMenu(LPCWSTR text, HMENU hSubMenu)
{
    AppendOwnerDrawn(text, reinterpret_cast<UINT_PTR>(hSubMenu), GvIconMenuStatePopup);
}

void CGvIconMenu::AppendMenuWithBitmapHandle(LPCWSTR text, UINT id, HBITMAP hBitmap, int width, int height,
                                             bool ownsBitmap)
{
    if (!hBitmap) {
        CMenu::AppendMenu(MF_STRING, id, text);
        return;
    }
    AppendOwnerDrawn(text, id, GvIconMenuStatePlain, nullptr, false, hBitmap, width, height, ownsBitmap);
}

void CGvIconMenu::AppendMenuWithBitmapAndIconHandle(LPCWSTR text, UINT id, HICON hIcon, HBITMAP hBitmap, int width,
                                                    int height, bool ownsIcon, bool ownsBitmap)
{
    if (!hIcon || !hBitmap) {
        CMenu::AppendMenu(MF_STRING, id, text);
        return;
    }
    AppendOwnerDrawn(text, id, GvIconMenuStatePlain, hIcon, ownsIcon, hBitmap, width, height, ownsBitmap);
}

void CGvIconMenu::SetMenuItemValue(UINT id, bool value)
{
    CheckMenuItem(id, MF_BYCOMMAND | (value ? MF_CHECKED : MF_UNCHECKED));
}

void CGvIconMenu::EnableMenuItem(UINT id, bool enable)
{
    CMenu::EnableMenuItem(id, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
}

void CGvIconMenu::ClearMenu()
{
    while (m_hMenu && ::GetMenuItemCount(m_hMenu) > 0)
        if (!DeleteMenu(0, MF_BYPOSITION))
            break;
    for (POSITION pos = m_items.GetHeadPosition(); pos;)
        delete static_cast<CGvIconMenuItemData*>(m_items.GetNext(pos));
    m_items.RemoveAll();
}

void CGvIconMenu::ClearRadioBoxStates(HMENU hMenu, CPtrList& items)
{
    for (POSITION pos = items.GetHeadPosition(); pos;) {
        const CGvIconMenuItemData* pData = static_cast<CGvIconMenuItemData*>(items.GetNext(pos));
        if (pData->m_stateType == GvIconMenuStateRadio)
            ::CheckMenuItem(hMenu, static_cast<UINT>(pData->m_id), MF_BYCOMMAND | MF_UNCHECKED);
    }
}

namespace {
// The menu open on this thread. Keys never reach a menu's window: the menu
// loop handles them, after showing each to the thread's message filter.
struct OpenIconMenu
{
    CGvIconMenu* pMenu;
    HWND hMenuWnd; // set once SubClassMenu hooks the window
    OpenIconMenu* pOuter;
};
thread_local OpenIconMenu* t_pOpenMenu = nullptr;
} // namespace

int CGvIconMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner, LPCRECT lpRect)
{
    if (!pOwner)
        return 0;
    m_pOwner = pOwner;
    POINT point = {x, y};
    pOwner->ClientToScreen(&point);
    OpenIconMenu open = {this, nullptr, t_pOpenMenu};
    t_pOpenMenu = &open;
    HHOOK hFilter = ::SetWindowsHookExW(WH_MSGFILTER, &MenuKeyFilterProc, nullptr, ::GetCurrentThreadId());
    const int result = CMenu::TrackPopupMenu(nFlags | TPM_RIGHTBUTTON, point.x, point.y, pOwner, lpRect);
    if (hFilter)
        ::UnhookWindowsHookEx(hFilter);
    t_pOpenMenu = open.pOuter;
    return result;
}

LRESULT CALLBACK CGvIconMenu::MenuKeyFilterProc(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    const OpenIconMenu* pOpen = t_pOpenMenu;
    if (code == MSGF_MENU && pOpen && pOpen->hMenuWnd && pMsg && pMsg->message == WM_KEYDOWN
        && pMsg->wParam == VK_SPACE) {
        CGvIconMenu* pMenu = pOpen->pMenu;
        for (int i = 0, count = ::GetMenuItemCount(pMenu->m_hMenu); i < count; ++i) {
            const UINT state = ::GetMenuState(pMenu->m_hMenu, i, MF_BYPOSITION);
            if (!(state & MF_HILITE))
                continue;
            const UINT id = ::GetMenuItemID(pMenu->m_hMenu, i);
            CGvIconMenuItemData* pData = pMenu->FindToggleItem(id);
            if (!pData || (state & (MF_DISABLED | MF_GRAYED)))
                break;
            pMenu->ToggleItem(id, *pData, pOpen->hMenuWnd);
            return TRUE; // taken: the menu stays open
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

HICON CGvIconMenu::LoadIconW(HINSTANCE hInstance, UINT id)
{
    const int size = GvIconMenuIconSize(AfxGetWindowDpi(m_pOwner));
    return static_cast<HICON>(::LoadImageW(hInstance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

HBITMAP CGvIconMenu::LoadBitmapW(HINSTANCE hInstance, UINT id, int width, int height)
{
    return static_cast<HBITMAP>(::LoadImageW(hInstance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, width, height, 0));
}

// ---- Measuring and drawing

void CGvIconMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    CGvIconMenuItemData* pData = reinterpret_cast<CGvIconMenuItemData*>(lpMeasureItemStruct->itemData);
    if (!pData)
        return;
    const std::wstring text(static_cast<LPCWSTR>(pData->m_text));
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HFONT hBold = MenuFont(true, AfxGetWindowDpi(m_pOwner));
    HGDIOBJ hOldFont = ::SelectObject(hDC, hBold);
    RECT rect = {0, 0, 0, 0};
    ::DrawTextW(hDC, text.c_str(), -1, &rect, DT_CALCRECT | DT_EXPANDTABS | DT_VCENTER | LineFlags(text));
    ::SelectObject(hDC, hOldFont);
    ::DeleteObject(hBold);
    ::DeleteDC(hDC);
    const GvSize size =
        GvIconMenuItemSize({rect.right - rect.left, rect.bottom - rect.top}, pData->m_hBitmap != nullptr,
                           {pData->m_bitmapWidth, pData->m_bitmapHeight}, pData->m_stateType,
                           AfxGetWindowDpi(m_pOwner));
    lpMeasureItemStruct->itemWidth = static_cast<UINT>(size.cx);
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(size.cy);
    if (pData->m_stateType == GvIconMenuStatePopup) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_SUBMENU;
        info.hSubMenu = reinterpret_cast<HMENU>(pData->m_id);
        ::SetMenuItemInfoW(m_hMenu, static_cast<UINT>(pData->m_id), FALSE, &info);
    }
}

namespace {

// What an item paints: its data in its rectangle and owner-draw state.
struct IconMenuItemPaintState
{
    CRect item;
    UINT state;
    const CGvIconMenuItemData* data;
    UINT dpi;
};

// Menu colours (highlighted when selected, grey text when disabled); the
// icon with a raised edge when selected, else the check or radio mark; the
// bitmap; the text left and its accelerator right, bold when a plain or
// pop-up item is checked.
void PaintIconMenuItem(CDC& dc, const IconMenuItemPaintState& paint)
{
    const CGvIconMenuItemData& data = *paint.data;
    const bool selected = (paint.state & ODS_SELECTED) != 0;
    const bool disabled = (paint.state & (ODS_DISABLED | ODS_GRAYED)) != 0;
    const bool checked = (paint.state & ODS_CHECKED) != 0;
    const int kind = data.m_stateType;
    dc.FillSolidRect(&paint.item, ::GetSysColor(COLOR_MENU));
    dc.SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    dc.SetBkColor(::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (disabled)
        dc.SetTextColor(::GetSysColor(COLOR_GRAYTEXT));

    UINT markType = 0, markState = 0;
    if (kind == GvIconMenuStateCheckBox || kind == GvIconMenuStateRadio) {
        markType = DFC_BUTTON;
        markState =
            (kind == GvIconMenuStateCheckBox ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO) | (checked ? DFCS_CHECKED : 0);
    } else if (kind == GvIconMenuStatePlain && checked) {
        markType = DFC_MENU;
        markState = DFCS_MENUCHECK;
    }
    if (disabled)
        markState |= DFCS_INACTIVE;

    const std::wstring whole(static_cast<LPCWSTR>(data.m_text));
    const int tab = GvIconMenuTabPosition(whole);
    const GvIconMenuItemLayout layout =
        GvLayoutIconMenuItem(ToGvRect(paint.item), data.m_hIcon != nullptr, markType != 0, data.m_hBitmap != nullptr,
                             {data.m_bitmapWidth, data.m_bitmapHeight}, tab >= 0, paint.dpi);
    if (data.m_hIcon) {
        const CPoint icon = ToCPoint(layout.icon);
        const int size = GvIconMenuIconSize(paint.dpi);
        if (disabled)
            dc.DrawState(icon, CSize(size, size), data.m_hIcon, DSS_DISABLED);
        else
            ::DrawIconEx(dc, icon.x, icon.y, data.m_hIcon, size, size, 0, nullptr, DI_NORMAL);
        if (selected && !disabled) {
            CRect edge = ToCRect(layout.edge);
            dc.DrawEdge(&edge, BDR_RAISEDINNER, BF_RECT);
        }
    } else if (markType) {
        CRect mark = ToCRect(layout.mark);
        dc.DrawFrameControl(&mark, markType, markState);
    }
    if (data.m_hBitmap) {
        const CRect bitmap = ToCRect(layout.bitmap);
        CDC memory;
        if (memory.CreateCompatibleDC(&dc)) {
            const HGDIOBJ hOld = ::SelectObject(memory, data.m_hBitmap);
            dc.BitBlt(bitmap.left, bitmap.top, bitmap.Width(), bitmap.Height(), &memory, 0, 0, SRCCOPY);
            ::SelectObject(memory, hOld);
        }
        if (selected) {
            CRect around = bitmap;
            around.InflateRect(1, 1);
            dc.DrawEdge(&around, BDR_RAISEDINNER, BF_RECT);
        }
    }
    const CRect fill = ToCRect(layout.fill);
    dc.FillSolidRect(&fill, dc.GetBkColor());

    const bool bold = checked && (kind == GvIconMenuStatePlain || kind == GvIconMenuStatePopup);
    const HFONT hFont = MenuFont(bold, paint.dpi);
    const HGDIOBJ hOldFont = ::SelectObject(dc, hFont);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    std::wstring text = whole;
    if (tab >= 0) {
        CRect accelerator = ToCRect(layout.accelerator);
        dc.DrawText(whole.substr(tab + 1).c_str(), -1, &accelerator, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        text = whole.substr(0, tab);
    }
    CRect rect = ToCRect(layout.text);
    dc.DrawText(text.c_str(), -1, &rect, DT_LEFT | DT_VCENTER | LineFlags(text));
    dc.SetBkMode(oldMode);
    ::SelectObject(dc, hOldFont);
    if (bold)
        ::DeleteObject(hFont);
}

} // namespace

void CGvIconMenu::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDrawItemDC dc(lpDrawItemStruct);
    const auto* pData = lpDrawItemStruct ? reinterpret_cast<const CGvIconMenuItemData*>(lpDrawItemStruct->itemData)
                                         : nullptr;
    if (!dc.m_hDC || !pData)
        return;
    PaintIconMenuItem(dc, {dc.m_rcItem, dc.m_itemState, pData, AfxGetWindowDpi(m_pOwner)});
}

// ---- Toggling while open

void CGvIconMenu::SubClassMenu(HWND hMenuWnd)
{
    if (!hMenuWnd)
        return;
    for (POSITION pos = m_items.GetHeadPosition(); pos;) {
        const int kind = static_cast<CGvIconMenuItemData*>(m_items.GetNext(pos))->m_stateType;
        if (kind == GvIconMenuStateCheckBox || kind == GvIconMenuStateRadio) {
            GvHandleMessage(&HandleMessageProc, this, hMenuWnd, 0);
            if (t_pOpenMenu && t_pOpenMenu->pMenu == this)
                t_pOpenMenu->hMenuWnd = hMenuWnd;
            return;
        }
    }
}

CGvIconMenuItemData* CGvIconMenu::FindToggleItem(UINT id) const
{
    for (POSITION pos = m_items.GetHeadPosition(); pos;) {
        CGvIconMenuItemData* pData = static_cast<CGvIconMenuItemData*>(m_items.GetNext(pos));
        if ((pData->m_stateType == GvIconMenuStateCheckBox || pData->m_stateType == GvIconMenuStateRadio)
            && pData->m_id == id)
            return pData;
    }
    return nullptr;
}

long CGvIconMenu::HandleMessageProc(GvMessageHandlerStruct* pMessage)
{
    if (!pMessage || !pMessage->m_context)
        return 0;
    const UINT message = pMessage->m_message;
    if (message != GV_MN_BUTTONDOWN && message != GV_MN_BUTTONUP && message != GV_MN_DBLCLK)
        return 0;
    CGvIconMenu* pMenu = static_cast<CGvIconMenu*>(pMessage->m_context);
    HWND hOwner = pMenu->m_pOwner ? pMenu->m_pOwner->m_hWnd : nullptr;
    if (::GetKeyState(VK_RBUTTON) & 0x8000) {
        ::PostMessageW(hOwner, WM_CANCELMODE, 0, 0);
        pMessage->m_handled = 1;
        return 0;
    }
    // The menu window's internal click messages carry the item's position in wParam.
    const UINT id = ::GetMenuItemID(pMenu->m_hMenu, static_cast<int>(pMessage->m_wParam));
    CGvIconMenuItemData* pData = pMenu->FindToggleItem(id);
    if (!pData)
        return 0;
    pMessage->m_handled = 1;
    if (message != GV_MN_BUTTONUP)
        pMenu->ToggleItem(id, *pData, pMessage->m_hWnd);
    return 0;
}

void CGvIconMenu::ToggleItem(UINT id, const CGvIconMenuItemData& data, HWND hMenuWnd)
{
    if (data.m_stateType == GvIconMenuStateRadio) {
        ClearRadioBoxStates(m_hMenu, m_items);
        CheckMenuItem(id, MF_BYCOMMAND | MF_CHECKED);
    } else {
        const bool checked = (GetMenuState(id, MF_BYCOMMAND) & MF_CHECKED) != 0;
        CheckMenuItem(id, MF_BYCOMMAND | (checked ? MF_UNCHECKED : MF_CHECKED));
    }
    ::InvalidateRect(hMenuWnd, nullptr, FALSE);
    ::SendMessageW(m_pOwner ? m_pOwner->m_hWnd : nullptr, WM_COMMAND, id, 0);
}
