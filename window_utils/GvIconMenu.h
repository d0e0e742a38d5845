#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"
#include "GvUtilities.h"

// The kind of an icon menu item.
enum GvIconMenuStateType
{
    GvIconMenuStatePlain = 0,
    GvIconMenuStateCheckBox = 1,
    GvIconMenuStateRadio = 2,
    GvIconMenuStatePopup = 3
};

// One owner-drawn item. Copies share the handles; each copy that owns an
// icon or a bitmap frees it when destroyed.
class GVMFCUTILITIES_API CGvIconMenuItemData
{
public:
    CGvIconMenuItemData();
    CGvIconMenuItemData(const CGvIconMenuItemData& other);
    CGvIconMenuItemData& operator=(const CGvIconMenuItemData& other);
    ~CGvIconMenuItemData();

    // May hold "\t" before an accelerator text and "\n" for several lines.
    CString m_text;
    HICON m_hIcon;
    bool m_ownsIcon;
    HBITMAP m_hBitmap;
    int m_bitmapWidth, m_bitmapHeight;
    bool m_ownsBitmap;
    GvIconMenuStateType m_stateType;
    // The command id, or the sub-menu's handle for a sub-menu item.
    UINT_PTR m_id;
};

// A pop-up menu whose items draw themselves: an icon column 20 pixels wide,
// check and radio marks, a picture under the text, right-aligned accelerator
// texts and several lines. Check and radio items toggle while the menu stays
// open once its window is hooked with SubClassMenu.
class GVMFCUTILITIES_API CGvIconMenu : public CMenu
{
public:
    CGvIconMenu();
    virtual ~CGvIconMenu();
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    void AppendMenuItem(LPCWSTR text, UINT id);
    void AppendMenuWithValue(LPCWSTR text, UINT id, GvIconMenuStateType kind, bool value);
    void AppendMenuWithIconHandle(LPCWSTR text, UINT id, HICON hIcon, bool ownsIcon);
    void AppendPopupWithIconHandle(LPCWSTR text, HMENU hSubMenu, HICON hIcon, bool ownsIcon);
    void AppendPopupMenu(LPCWSTR text, HMENU hSubMenu);
    void AppendMenuWithBitmapHandle(LPCWSTR text, UINT id, HBITMAP hBitmap, int width, int height, bool ownsBitmap);
    void AppendMenuWithBitmapAndIconHandle(LPCWSTR text, UINT id, HICON hIcon, HBITMAP hBitmap, int width, int height,
                                           bool ownsIcon, bool ownsBitmap);
    void SetMenuItemValue(UINT id, bool value);
    using CMenu::EnableMenuItem;
    void EnableMenuItem(UINT id, bool enable);
    void ClearMenu();
    static void ClearRadioBoxStates(HMENU hMenu, CPtrList& items);
    // (x, y) in the owner's client coordinates. Without an owner shows
    // nothing and returns 0.
    int TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner, LPCRECT lpRect = nullptr);

    const CPtrList& GetItems() const { return m_items; }

protected:
    HICON LoadIconW(HINSTANCE hInstance, UINT id);
    HBITMAP LoadBitmapW(HINSTANCE hInstance, UINT id, int width, int height);
    // Hooks the open menu's window when the menu has check or radio items.
    void SubClassMenu(HWND hMenuWnd);
    static long HandleMessageProc(GvMessageHandlerStruct* pMessage);

    CGvIconMenuItemData* AppendOwnerDrawn(LPCWSTR text, UINT_PTR id, GvIconMenuStateType kind, HICON hIcon = nullptr,
                                          bool ownsIcon = false, HBITMAP hBitmap = nullptr, int width = 0,
                                          int height = 0, bool ownsBitmap = true);
    CGvIconMenuItemData* FindToggleItem(UINT id) const;

    CWnd* m_pOwner;
    CPtrList m_items;
};
