#pragma once
// Message maps written with MFC's macros. A map is a static array of entries
// {message, notification code, first id, last id, thunk}; each macro writes a
// captureless lambda that unpacks wParam and lParam the way MFC's crackers do
// and calls the member handler through a pointer of its exact MFC type, so a
// handler with the wrong signature does not compile. A map names its base
// map; CWnd::OnWndMsg walks the chain.
#include <type_traits>
#include "MfcExport.h"

class CWnd;

// Returns TRUE when the message was handled and *pResult holds its result.
typedef BOOL (*AFX_MSG_THUNK)(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;     // window message; WM_COMMAND, WM_NOTIFY or a reflected message
    UINT nCode;        // notification code, as a WORD (as MFC keeps it)
    UINT nID;          // first control or command id
    UINT nLastID;      // last control or command id
    AFX_MSG_THUNK pfn; // null ends the map
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Data of a reflected WM_CTLCOLOR* message.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

struct AFX_CMDHANDLERINFO;

// clang-format off
// MFC's reflection offset: a child's own notifications come back to it as
// WM_REFLECT_BASE + the parent's message.
#define WM_REFLECT_BASE 0xBC00
// The one map key of all WM_CTLCOLOR* messages (the old 16-bit value).
#ifndef WM_CTLCOLOR
#  define WM_CTLCOLOR 0x0019
#endif
// Entry key of registered messages; the thunk compares the actual value.
#define AFX_REGISTERED_MESSAGE 0xC000
#ifndef CN_COMMAND
#  define CN_COMMAND 0
#endif

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, nullptr } \
        }; \
        static_assert(std::is_base_of<TheBaseClass, ThisClass>::value, "a message map chains to a base class"); \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

// The body of an entry's thunk; pThis is the window object as ThisClass.
#define AFX_THUNK(...) \
    [](CWnd* pWnd_, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL { \
        ThisClass* pThis = static_cast<ThisClass*>(pWnd_); \
        (void)message; (void)wParam; (void)lParam; (void)pResult; \
        __VA_ARGS__ \
    }

// A window message whose handler returns nothing: the result is 0.
#define AFX_ON_VOID(msg, name, params, ...) \
    { msg, 0, 0, 0, AFX_THUNK(void (ThisClass::*pfn) params = &ThisClass::name; (pThis->*pfn)(__VA_ARGS__); *pResult = 0; return TRUE;) },
// Owner-draw messages answer TRUE once handled, as MFC's do.
#define AFX_ON_VOID_TRUE(msg, name, params, ...) \
    { msg, 0, 0, 0, AFX_THUNK(void (ThisClass::*pfn) params = &ThisClass::name; (pThis->*pfn)(__VA_ARGS__); *pResult = TRUE; return TRUE;) },
// A window message whose handler's return value is the result.
#define AFX_ON_RESULT(msg, ret, name, params, ...) \
    { msg, 0, 0, 0, AFX_THUNK(ret (ThisClass::*pfn) params = &ThisClass::name; *pResult = (LRESULT)(pThis->*pfn)(__VA_ARGS__); return TRUE;) },

#define AFX_WND(h) CWnd::FromHandle(reinterpret_cast<HWND>(h))

#define ON_WM_CREATE() AFX_ON_RESULT(WM_CREATE, int, OnCreate, (LPCREATESTRUCT), reinterpret_cast<LPCREATESTRUCT>(lParam))
#define ON_WM_DESTROY() AFX_ON_VOID(WM_DESTROY, OnDestroy, ())
#define ON_WM_NCDESTROY() AFX_ON_VOID(WM_NCDESTROY, OnNcDestroy, ())
#define ON_WM_CLOSE() AFX_ON_VOID(WM_CLOSE, OnClose, ())
#define ON_WM_PAINT() AFX_ON_VOID(WM_PAINT, OnPaint, ())
#define ON_WM_NCPAINT() AFX_ON_VOID(WM_NCPAINT, OnNcPaint, ())
#define ON_WM_ERASEBKGND() AFX_ON_RESULT(WM_ERASEBKGND, BOOL, OnEraseBkgnd, (CDC*), CDC::FromHandle(reinterpret_cast<HDC>(wParam)))
#define ON_WM_SIZE() AFX_ON_VOID(WM_SIZE, OnSize, (UINT, int, int), (UINT)wParam, LOWORD(lParam), HIWORD(lParam))
#define ON_WM_SHOWWINDOW() AFX_ON_VOID(WM_SHOWWINDOW, OnShowWindow, (BOOL, UINT), (BOOL)wParam, (UINT)lParam)
#define ON_WM_ENABLE() AFX_ON_VOID(WM_ENABLE, OnEnable, (BOOL), (BOOL)wParam)
#define ON_WM_GETMINMAXINFO() AFX_ON_VOID(WM_GETMINMAXINFO, OnGetMinMaxInfo, (MINMAXINFO*), reinterpret_cast<MINMAXINFO*>(lParam))
#define ON_WM_TIMER() AFX_ON_VOID(WM_TIMER, OnTimer, (UINT_PTR), (UINT_PTR)wParam)
#define ON_WM_GETDLGCODE() AFX_ON_RESULT(WM_GETDLGCODE, UINT, OnGetDlgCode, ())
#define ON_WM_SYSCOLORCHANGE() AFX_ON_VOID(WM_SYSCOLORCHANGE, OnSysColorChange, ())
#define ON_WM_SETTINGCHANGE() AFX_ON_VOID(WM_SETTINGCHANGE, OnSettingChange, (UINT, LPCWSTR), (UINT)wParam, reinterpret_cast<LPCWSTR>(lParam))
#define ON_WM_DROPFILES() AFX_ON_VOID(WM_DROPFILES, OnDropFiles, (HDROP), reinterpret_cast<HDROP>(wParam))

#define AFX_ON_MOUSE(msg, name) AFX_ON_VOID(msg, name, (UINT, CPoint), (UINT)wParam, CPoint(lParam))
#define ON_WM_MOUSEMOVE() AFX_ON_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ON_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MBUTTONDOWN() AFX_ON_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_ON_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MOUSEWHEEL() AFX_ON_RESULT(WM_MOUSEWHEEL, BOOL, OnMouseWheel, (UINT, short, CPoint), LOWORD(wParam), (short)HIWORD(wParam), CPoint(lParam))
#define ON_WM_MOUSEACTIVATE() AFX_ON_RESULT(WM_MOUSEACTIVATE, int, OnMouseActivate, (CWnd*, UINT, UINT), AFX_WND(wParam), LOWORD(lParam), HIWORD(lParam))
#define ON_WM_CAPTURECHANGED() AFX_ON_VOID(WM_CAPTURECHANGED, OnCaptureChanged, (CWnd*), AFX_WND(lParam))
#define ON_WM_SETCURSOR() AFX_ON_RESULT(WM_SETCURSOR, BOOL, OnSetCursor, (CWnd*, UINT, UINT), AFX_WND(wParam), LOWORD(lParam), HIWORD(lParam))
#define ON_WM_CONTEXTMENU() AFX_ON_VOID(WM_CONTEXTMENU, OnContextMenu, (CWnd*, CPoint), AFX_WND(wParam), CPoint(lParam))

#define AFX_ON_KEY(msg, name) AFX_ON_VOID(msg, name, (UINT, UINT, UINT), (UINT)wParam, LOWORD(lParam), HIWORD(lParam))
#define ON_WM_CHAR() AFX_ON_KEY(WM_CHAR, OnChar)
#define ON_WM_KEYDOWN() AFX_ON_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_ON_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SETFOCUS() AFX_ON_VOID(WM_SETFOCUS, OnSetFocus, (CWnd*), AFX_WND(wParam))
#define ON_WM_KILLFOCUS() AFX_ON_VOID(WM_KILLFOCUS, OnKillFocus, (CWnd*), AFX_WND(wParam))
#define ON_WM_ACTIVATE() AFX_ON_VOID(WM_ACTIVATE, OnActivate, (UINT, CWnd*, BOOL), LOWORD(wParam), AFX_WND(lParam), (BOOL)HIWORD(wParam))
#define ON_WM_ACTIVATEAPP() AFX_ON_VOID(WM_ACTIVATEAPP, OnActivateApp, (BOOL, DWORD), (BOOL)wParam, (DWORD)lParam)
#define ON_WM_QUERYNEWPALETTE() AFX_ON_RESULT(WM_QUERYNEWPALETTE, BOOL, OnQueryNewPalette, ())
#define ON_WM_PALETTECHANGED() AFX_ON_VOID(WM_PALETTECHANGED, OnPaletteChanged, (CWnd*), AFX_WND(wParam))

#define ON_WM_NCCALCSIZE() AFX_ON_VOID(WM_NCCALCSIZE, OnNcCalcSize, (BOOL, NCCALCSIZE_PARAMS*), (BOOL)wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam))
#define ON_WM_NCHITTEST() AFX_ON_RESULT(WM_NCHITTEST, LRESULT, OnNcHitTest, (CPoint), CPoint(lParam))
#define ON_WM_NCLBUTTONDOWN() AFX_ON_VOID(WM_NCLBUTTONDOWN, OnNcLButtonDown, (UINT, CPoint), (UINT)wParam, CPoint(lParam))
#define ON_WM_NCLBUTTONUP() AFX_ON_VOID(WM_NCLBUTTONUP, OnNcLButtonUp, (UINT, CPoint), (UINT)wParam, CPoint(lParam))

#define AFX_ON_SCROLL(msg, name) AFX_ON_VOID(msg, name, (UINT, UINT, CScrollBar*), LOWORD(wParam), (UINT)(short)HIWORD(wParam), reinterpret_cast<CScrollBar*>(AFX_WND(lParam)))
#define ON_WM_HSCROLL() AFX_ON_SCROLL(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() AFX_ON_SCROLL(WM_VSCROLL, OnVScroll)

#define ON_WM_DRAWITEM() AFX_ON_VOID_TRUE(WM_DRAWITEM, OnDrawItem, (int, LPDRAWITEMSTRUCT), (int)wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(lParam))
#define ON_WM_MEASUREITEM() AFX_ON_VOID_TRUE(WM_MEASUREITEM, OnMeasureItem, (int, LPMEASUREITEMSTRUCT), (int)wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam))
#define ON_WM_MENUCHAR() AFX_ON_RESULT(WM_MENUCHAR, LRESULT, OnMenuChar, (UINT, UINT, CMenu*), LOWORD(wParam), HIWORD(wParam), CMenu::FromHandle(reinterpret_cast<HMENU>(lParam)))
#define ON_WM_INITMENUPOPUP() AFX_ON_VOID(WM_INITMENUPOPUP, OnInitMenuPopup, (CMenu*, UINT, BOOL), CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam), (BOOL)HIWORD(lParam))
// Every WM_CTLCOLOR* message; nCtlColor is its CTLCOLOR_* kind.
#define ON_WM_CTLCOLOR() AFX_ON_RESULT(WM_CTLCOLOR, HBRUSH, OnCtlColor, (CDC*, CWnd*, UINT), \
    CDC::FromHandle(reinterpret_cast<HDC>(wParam)), AFX_WND(lParam), message - WM_CTLCOLORMSGBOX)

// Double-buffered painting from one member void Paint...(CDC&) that draws the
// client area: WM_PAINT paints through a memory DC and one BitBlt, the
// background is never erased (it would flicker), and WM_PRINTCLIENT is
// answered from the same member.
#define ON_WM_PRINTCLIENT_BUFFERED(memberFxn) \
    { WM_PRINTCLIENT, 0, 0, 0, AFX_THUNK( \
        AfxPaintBuffered(pThis, reinterpret_cast<HDC>(wParam), AFX_PAINT_THUNK(memberFxn)); *pResult = 0; return TRUE;) },
#define ON_WM_PAINT_BUFFERED(memberFxn) \
    { WM_PAINT, 0, 0, 0, AFX_THUNK( \
        AfxPaintBuffered(pThis, nullptr, AFX_PAINT_THUNK(memberFxn)); *pResult = 0; return TRUE;) }, \
    { WM_ERASEBKGND, 0, 0, 0, AFX_THUNK((void)pThis; *pResult = TRUE; return TRUE;) }, \
    ON_WM_PRINTCLIENT_BUFFERED(memberFxn)
#define AFX_PAINT_THUNK(memberFxn) \
    [](CWnd* pWnd_, CDC& dc) { \
        void (ThisClass::*pfn)(CDC&) = &ThisClass::memberFxn; \
        (static_cast<ThisClass*>(pWnd_)->*pfn)(dc); \
    }

// User and registered messages: LRESULT handler(WPARAM, LPARAM).
#define ON_MESSAGE(msg, memberFxn) \
    AFX_ON_RESULT(msg, LRESULT, memberFxn, (WPARAM, LPARAM), wParam, lParam)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { AFX_REGISTERED_MESSAGE, 0, 0, 0, AFX_THUNK( \
        if (message != (nMessageVariable)) return FALSE; \
        LRESULT (ThisClass::*pfn)(WPARAM, LPARAM) = &ThisClass::memberFxn; \
        *pResult = (pThis->*pfn)(wParam, lParam); return TRUE;) },

// Commands and control notifications (WM_COMMAND); wParam carries the id.
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), AFX_THUNK( \
        void (ThisClass::*pfn)(UINT) = &ThisClass::memberFxn; (pThis->*pfn)(LOWORD(wParam)); return TRUE;) },
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AFX_THUNK( \
        void (ThisClass::*pfn)() = &ThisClass::memberFxn; (pThis->*pfn)(); return TRUE;) },
#define ON_COMMAND(id, memberFxn) ON_CONTROL(CN_COMMAND, id, memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) ON_CONTROL_RANGE(CN_COMMAND, id, idLast, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// WM_NOTIFY: lParam is the NMHDR, wParam the id.
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AFX_THUNK( \
        void (ThisClass::*pfn)(NMHDR*, LRESULT*) = &ThisClass::memberFxn; \
        (pThis->*pfn)(reinterpret_cast<NMHDR*>(lParam), pResult); return TRUE;) },
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), AFX_THUNK( \
        void (ThisClass::*pfn)(UINT, NMHDR*, LRESULT*) = &ThisClass::memberFxn; \
        (pThis->*pfn)((UINT)wParam, reinterpret_cast<NMHDR*>(lParam), pResult); return TRUE;) },
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AFX_THUNK( \
        BOOL (ThisClass::*pfn)(UINT, NMHDR*, LRESULT*) = &ThisClass::memberFxn; \
        return (pThis->*pfn)((UINT)wParam, reinterpret_cast<NMHDR*>(lParam), pResult);) },

// Reflected notifications, handled by the control that sent them.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, AFX_THUNK( \
        void (ThisClass::*pfn)() = &ThisClass::memberFxn; (pThis->*pfn)(); return TRUE;) },
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, AFX_THUNK( \
        BOOL (ThisClass::*pfn)() = &ThisClass::memberFxn; return (pThis->*pfn)();) },
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (WORD)(wNotifyCode), 0, 0, AFX_THUNK( \
        void (ThisClass::*pfn)(NMHDR*, LRESULT*) = &ThisClass::memberFxn; \
        (pThis->*pfn)(reinterpret_cast<NMHDR*>(lParam), pResult); return TRUE;) },
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (WORD)(wNotifyCode), 0, 0, AFX_THUNK( \
        BOOL (ThisClass::*pfn)(NMHDR*, LRESULT*) = &ThisClass::memberFxn; \
        return (pThis->*pfn)(reinterpret_cast<NMHDR*>(lParam), pResult);) },
// lParam is an AFX_CTLCOLOR; a null brush leaves the message to the parent.
#define ON_WM_CTLCOLOR_REFLECT() \
    { WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, AFX_THUNK( \
        HBRUSH (ThisClass::*pfn)(CDC*, UINT) = &ThisClass::CtlColor; \
        const AFX_CTLCOLOR* pCtl = reinterpret_cast<const AFX_CTLCOLOR*>(lParam); \
        HBRUSH hbr = (pThis->*pfn)(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType); \
        *pResult = (LRESULT)hbr; return hbr != nullptr;) },
#define ON_WM_DRAWITEM_REFLECT() AFX_ON_VOID_TRUE(WM_REFLECT_BASE + WM_DRAWITEM, DrawItem, (LPDRAWITEMSTRUCT), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam))
#define ON_WM_MEASUREITEM_REFLECT() AFX_ON_VOID_TRUE(WM_REFLECT_BASE + WM_MEASUREITEM, MeasureItem, (LPMEASUREITEMSTRUCT), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam))
#define ON_WM_HSCROLL_REFLECT() AFX_ON_VOID(WM_REFLECT_BASE + WM_HSCROLL, HScroll, (UINT, UINT), LOWORD(wParam), (UINT)(short)HIWORD(wParam))
#define ON_WM_VSCROLL_REFLECT() AFX_ON_VOID(WM_REFLECT_BASE + WM_VSCROLL, VScroll, (UINT, UINT), LOWORD(wParam), (UINT)(short)HIWORD(wParam))
// clang-format on
