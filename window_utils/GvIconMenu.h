#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"
#include "GvUtilities.h"

/// The kind of an icon menu item.
enum GvIconMenuStateType
{
    GvIconMenuStatePlain = 0,
    GvIconMenuStateCheckBox = 1,
    GvIconMenuStateRadio = 2,
    GvIconMenuStatePopup = 3
};

/// One owner-drawn item. Copies share the handles; each copy that owns an
/// icon or a bitmap frees it when destroyed.
class GVMFCUTILITIES_API CGvIconMenuItemData
{
public:
    CGvIconMenuItemData();
    /// Shares other's handles; only other keeps owning them.
    CGvIconMenuItemData(const CGvIconMenuItemData& other);
    CGvIconMenuItemData& operator=(const CGvIconMenuItemData& other);
    ~CGvIconMenuItemData();

    /// May hold "\t" before an accelerator text and "\n" for several lines.
    CString m_text;
    /// Drawn in the icon column; null: none.
    HICON m_hIcon;
    /// The item destroys m_hIcon when it is destroyed.
    bool m_ownsIcon;
    /// A picture drawn under the text; null: none.
    HBITMAP m_hBitmap;
    int m_bitmapWidth;  ///< the width the picture is drawn at
    int m_bitmapHeight; ///< the height the picture is drawn at
    /// The item deletes m_hBitmap when it is destroyed.
    bool m_ownsBitmap;
    /// Plain, check box, radio or sub-menu.
    GvIconMenuStateType m_stateType;
    /// The command id, or the sub-menu's handle for a sub-menu item.
    UINT_PTR m_id;
};

/// A pop-up menu whose items draw themselves: an icon column 20 pixels wide,
/// check and radio marks, a picture under the text, right-aligned accelerator
/// texts and several lines. Check and radio items toggle while the menu stays
/// open once its window is hooked with SubClassMenu: by a click, or by Space
/// on the highlighted item.
class GVMFCUTILITIES_API CGvIconMenu : public CMenu
{
public:
    CGvIconMenu();
    virtual ~CGvIconMenu();
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    /// A plain item without icon.
    void AppendMenuItem(LPCWSTR text, UINT id);
    /// A check-box or radio item (kind), checked when value.
    void AppendMenuWithValue(LPCWSTR text, UINT id, GvIconMenuStateType kind, bool value);
    /// A plain item with an icon; ownsIcon hands the icon to the menu.
    void AppendMenuWithIconHandle(LPCWSTR text, UINT id, HICON hIcon, bool ownsIcon);
    /// A sub-menu item with an icon; the sub-menu stays the caller's.
    void AppendPopupWithIconHandle(LPCWSTR text, HMENU hSubMenu, HICON hIcon, bool ownsIcon);
    /// A sub-menu item without icon; the sub-menu stays the caller's.
    void AppendPopupMenu(LPCWSTR text, HMENU hSubMenu);
    /// An item with a picture of width x height under its text; ownsBitmap hands the bitmap to the menu.
    void AppendMenuWithBitmapHandle(LPCWSTR text, UINT id, HBITMAP hBitmap, int width, int height, bool ownsBitmap);
    /// An item with both an icon and a picture; each owns flag hands that handle to the menu.
    void AppendMenuWithBitmapAndIconHandle(LPCWSTR text, UINT id, HICON hIcon, HBITMAP hBitmap, int width, int height,
                                           bool ownsIcon, bool ownsBitmap);
    /// Checks or unchecks the item with command id.
    void SetMenuItemValue(UINT id, bool value);
    /// CMenu's EnableMenuItem stays callable beside the bool one.
    using CMenu::EnableMenuItem;
    /// Enables, or disables and greys, the item with command id.
    void EnableMenuItem(UINT id, bool enable);
    /// Removes every item and frees the items' data (and the handles they own).
    void ClearMenu();
    /// Unchecks every radio item of items in hMenu (before one of a group is checked).
    static void ClearRadioBoxStates(HMENU hMenu, CPtrList& items);
    /// (x, y) in the owner's client coordinates. Without an owner shows
    /// nothing and returns 0. While the menu is open and hooked, Space toggles
    /// its highlighted check or radio item as a click does.
    int TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner, LPCRECT lpRect = nullptr);

    /// The items' data (CGvIconMenuItemData*), in the order they were appended.
    const CPtrList& GetItems() const { return m_items; }

protected:
    HICON LoadIconW(HINSTANCE hInstance, UINT id);
    HBITMAP LoadBitmapW(HINSTANCE hInstance, UINT id, int width, int height);
    /// Hooks the open menu's window when the menu has check or radio items.
    void SubClassMenu(HWND hMenuWnd);
    static long HandleMessageProc(GvMessageHandlerStruct* pMessage);
    /// The thread's message filter while the menu is open: Space on a hooked
    /// menu's highlighted check or radio item.
    static LRESULT CALLBACK MenuKeyFilterProc(int code, WPARAM wParam, LPARAM lParam);

    CGvIconMenuItemData* AppendOwnerDrawn(LPCWSTR text, UINT_PTR id, GvIconMenuStateType kind, HICON hIcon = nullptr,
                                          bool ownsIcon = false, HBITMAP hBitmap = nullptr, int width = 0,
                                          int height = 0, bool ownsBitmap = true);
    CGvIconMenuItemData* FindToggleItem(UINT id) const;
    /// What a click on a check or radio item of the open menu does: flips or
    /// checks it, repaints hMenuWnd and sends the command to the owner.
    void ToggleItem(UINT id, const CGvIconMenuItemData& data, HWND hMenuWnd);

    CWnd* m_pOwner;
    CPtrList m_items;
};
