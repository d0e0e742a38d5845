#pragma once
// CWnd: a window object bound to an HWND. Every window this layer creates or
// subclasses goes through one window procedure that finds its object in the
// thread's permanent map and calls WindowProc; the map lives in GvMfc.dll, so
// the host and every library see the same objects.
#include "MfcExport.h"
#include "MfcObject.h"
#include "MfcMessageMap.h"
#include "MfcTypes.h"
#include "MfcString.h"

class CDC;
class CMenu;
class CScrollBar;
class CDataExchange;
class CFont;
struct CCreateContext;

// MFC's command target. Message maps and command routing stay with CWnd:
// every target here is a window.
class GVMFC_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
};

class GVMFC_API CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)

public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd;

    // Insert-after values of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // Objects and handles. FromHandle gives the permanent object, or a
    // temporary wrapper that the idle processing deletes.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Null-tolerant, as MFC's: a null object gives a null handle.
    HWND GetSafeHwnd() const;
    operator HWND() const { return m_hWnd; }
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creation and destruction.
    virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                          int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Message processing.
    LRESULT Default();
    static const MSG* GetCurrentMessage();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    BOOL IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessageW(m_hWnd, lpMsg); }
    // Walks from pMsg->hwnd up the parent chain, offering the message to each
    // window object, and stops after hWndStop.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    // bOnlyPerm: only the windows that have an object of their own.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);
    // The current message offered to the object of a child window.
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);

    // Data exchange.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // No window, or a live window whose object (permanent or temporary) this is.
    void AssertValid() const override;

    // Styles, identity, relations.
    DWORD GetStyle() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return (DWORD)::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    }
    DWORD GetExStyle() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return (DWORD)::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    int GetDlgCtrlID() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetDlgCtrlID(m_hWnd);
    }
    int SetDlgCtrlID(int nID)
    {
        ASSERT(::IsWindow(m_hWnd));
        return (int)::SetWindowLongPtrW(m_hWnd, GWLP_ID, nID);
    }
    CWnd* GetParent() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return FromHandle(::GetParent(m_hWnd));
    }
    CWnd* SetParent(CWnd* pWndNewParent)
    {
        return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
    }
    CWnd* GetOwner() const
    {
        return FromHandle(::GetWindow(m_hWnd, GW_OWNER));
    }
    CWnd* GetTopLevelParent() const;
    CWnd* GetWindow(UINT nCmd) const
    {
        return FromHandle(::GetWindow(m_hWnd, nCmd));
    }
    CWnd* GetDlgItem(int nID) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return FromHandle(::GetDlgItem(m_hWnd, nID));
    }
    BOOL IsChild(const CWnd* pWnd) const
    {
        return ::IsChild(m_hWnd, pWnd->GetSafeHwnd());
    }
    BOOL IsWindowVisible() const
    {
        return ::IsWindowVisible(m_hWnd);
    }
    BOOL IsWindowEnabled() const
    {
        return ::IsWindowEnabled(m_hWnd);
    }
    BOOL IsIconic() const
    {
        return ::IsIconic(m_hWnd);
    }
    static CWnd* WindowFromPoint(POINT point)
    {
        return FromHandle(::WindowFromPoint(point));
    }
    static CWnd* GetFocus()
    {
        return FromHandle(::GetFocus());
    }
    static CWnd* GetCapture()
    {
        return FromHandle(::GetCapture());
    }
    static CWnd* GetActiveWindow()
    {
        return FromHandle(::GetActiveWindow());
    }
    static CWnd* GetDesktopWindow()
    {
        return FromHandle(::GetDesktopWindow());
    }
    CWnd* SetFocus()
    {
        ASSERT(::IsWindow(m_hWnd));
        return FromHandle(::SetFocus(m_hWnd));
    }
    CWnd* SetCapture()
    {
        ASSERT(::IsWindow(m_hWnd));
        return FromHandle(::SetCapture(m_hWnd));
    }
    CWnd* SetActiveWindow()
    {
        return FromHandle(::SetActiveWindow(m_hWnd));
    }
    BOOL SetForegroundWindow()
    {
        return ::SetForegroundWindow(m_hWnd);
    }
    BOOL EnableWindow(BOOL bEnable = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::EnableWindow(m_hWnd, bEnable);
    }
    BOOL ShowWindow(int nCmdShow)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::ShowWindow(m_hWnd, nCmdShow);
    }

    // Position and size.
    void GetWindowRect(LPRECT lpRect) const
    {
        ASSERT(::IsWindow(m_hWnd));
        ::GetWindowRect(m_hWnd, lpRect);
    }
    void GetClientRect(LPRECT lpRect) const
    {
        ASSERT(::IsWindow(m_hWnd));
        ::GetClientRect(m_hWnd, lpRect);
    }
    void ClientToScreen(LPPOINT lpPoint) const
    {
        ::ClientToScreen(m_hWnd, lpPoint);
    }
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const
    {
        ::ScreenToClient(m_hWnd, lpPoint);
    }
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
    {
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), (LPPOINT)lpRect, 2);
    }
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
    {
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
    }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE)
    {
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
    }
    BOOL BringWindowToTop()
    {
        return ::BringWindowToTop(m_hWnd);
    }
    // The window rectangle that has the given client rectangle; adjustBorder
    // leaves a client edge out.
    enum AdjustType
    {
        adjustBorder = 0,
        adjustOutside = 1
    };
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // Painting. Without a window these do nothing: the system would take a
    // null handle for every window (or the desktop).
    void Invalidate(BOOL bErase = TRUE)
    {
        if (m_hWnd)
            ::InvalidateRect(m_hWnd, nullptr, bErase);
    }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE)
    {
        if (m_hWnd)
            ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void ValidateRect(LPCRECT lpRect)
    {
        if (m_hWnd)
            ::ValidateRect(m_hWnd, lpRect);
    }
    void UpdateWindow()
    {
        ASSERT(::IsWindow(m_hWnd));
        ::UpdateWindow(m_hWnd);
    }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return m_hWnd && ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
    }
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE)
    {
        return ::GetUpdateRect(m_hWnd, lpRect, bErase);
    }
    void SetRedraw(BOOL bRedraw = TRUE)
    {
        ::SendMessageW(m_hWnd, WM_SETREDRAW, bRedraw, 0);
    }
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint)
    {
        ::EndPaint(m_hWnd, lpPaint);
    }

    // Text and font.
    void SetWindowText(LPCWSTR lpszString)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::SetWindowTextW(m_hWnd, lpszString);
    }
    int GetWindowText(LPWSTR lpszStringBuf, int nMaxCount) const
    {
        return ::GetWindowTextW(m_hWnd, lpszStringBuf, nMaxCount);
    }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetWindowTextLengthW(m_hWnd);
    }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
    {
        return (HICON)::SendMessageW(m_hWnd, WM_SETICON, bBigIcon, (LPARAM)hIcon);
    }

    // Dialog items.
    void SetDlgItemText(int nID, LPCWSTR lpszString)
    {
        ::SetDlgItemTextW(m_hWnd, nID, lpszString);
    }
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE)
    {
        ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
    }
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const
    {
        return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
    }
    void CheckDlgButton(int nIDButton, UINT nCheck)
    {
        ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
    }
    UINT IsDlgButtonChecked(int nIDButton) const
    {
        return ::IsDlgButtonChecked(m_hWnd, nIDButton);
    }
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
    }

    // Timers, scrolling, drag and drop.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::KillTimer(m_hWnd, nIDEvent);
    }
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE)
    {
        ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
        return TRUE;
    }
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollPos(int nBar) const
    {
        return ::GetScrollPos(m_hWnd, nBar);
    }
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE)
    {
        return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
    }
    void DragAcceptFiles(BOOL bAccept = TRUE);

protected:
    // The map chain of this class; CWnd's own map ends it.
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The original procedure of a subclassed window, else ::DefWindowProc.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Map lookup of commands and notifications: nCode is the notification code
    // in its low word and the message (0 for WM_COMMAND) in its high word;
    // pExtra is an AFX_NOTIFY for WM_NOTIFY.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    // A notification sent by this window to its parent, offered back to it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL PreTranslateInput(LPMSG lpMsg);

    // Default handlers: each runs the default processing of the current
    // message (the reflecting ones first offer it to the child's object).
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // The system tells only top-level windows: these hand the change on to
    // every descendant that has an object.
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCWSTR lpszSection);

public:
    // Active Accessibility, as MFC's. A class that calls
    // EnableActiveAccessibility (in its constructor) answers WM_GETOBJECT for
    // its client area with an object that asks these virtuals and leaves
    // every other question to the system's standard object; the defaults here
    // ask that standard object too, so an override can start from them.
    // Appended after every other virtual of CWnd, so that no slot moves.
    void EnableActiveAccessibility();
    virtual HRESULT get_accName(VARIANT varChild, BSTR* pszName);
    virtual HRESULT get_accValue(VARIANT varChild, BSTR* pszValue);
    virtual HRESULT get_accDescription(VARIANT varChild, BSTR* pszDescription);
    virtual HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole);
    virtual HRESULT get_accState(VARIANT varChild, VARIANT* pvarState);

protected:
    // Set while the window is subclassed: the procedure it had before.
    WNDPROC m_pfnSuper;

private:
    BOOL m_bEnableActiveAccessibility;
    BOOL OnGetAccessibleObject(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    explicit CWnd(HWND hWndConstant);
    friend LRESULT AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);
};

// The procedure of every window that has an object.
GVMFC_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Around a creation call: the first window the thread creates meanwhile is
// attached to pWnd and subclassed before it gets its first message.
// AfxUnhookWindowCreate returns FALSE when no window was attached.
GVMFC_API void AfxHookWindowCreate(CWnd* pWnd);
GVMFC_API BOOL AfxUnhookWindowCreate();

// Sets the window's text only when it differs, so that an unchanged edit
// keeps its selection and sends no change notification.
GVMFC_API void AfxSetWindowText(HWND hWndCtrl, LPCWSTR lpszNew);

// Registers (once) a window class with DefWindowProc and returns its name.
GVMFC_API LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                                      HICON hIcon = nullptr);

// Sets a scroll bar (nBar SB_VERT or SB_HORZ of the window's own bars, SB_CTL
// of a scroll-bar control) to the fields info's mask names, only when they
// differ from the bar's, and redraws the bar only when its picture changed
// (thumb or arrows), invalidated to be painted with the window's next paint:
// under Wine a bar redraw costs milliseconds, and a step through a long view
// moves the thumb by less than a pixel. Returns whether anything was set.
GVMFC_API BOOL AfxSetScrollInfoLazily(HWND hWnd, int nBar, const SCROLLINFO& info);

// The DPI a window is shown at: GetDpiForWindow where user32 has it, else the
// LOGPIXELSY of the window's DC (of the screen for a null window).
GVMFC_API UINT AfxGetWindowDpi(const CWnd* pWnd);
// A size in pixels given for 96 DPI, scaled to the window's DPI as MulDiv
// rounds (unchanged at 96). Read at use, never kept, so a window moved to a
// monitor of another DPI measures itself anew.
GVMFC_API int AfxScaleForWindow(const CWnd* pWnd, int nPixels);
#ifndef WM_DPICHANGED_AFTERPARENT
// What a child hears after its top-level window's WM_DPICHANGED (Windows 10
// 1703 and later); the headers name it only for that version.
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif
