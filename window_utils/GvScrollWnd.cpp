#include "window_utils/GvScrollWnd.h"

#include "GvMessages.h"
#include "GvUtilities.h"
#include "resources/GvMFCUtilitiesRes.h"
#include "window_utils/ScrollMath.h"

BEGIN_MESSAGE_MAP(CGvScrollFrame, CWnd)
    ON_MESSAGE(GVM_CHILD_RESIZE, OnPassToParent)
    ON_MESSAGE(GVM_CHILD_SCROLL, OnPassToParent)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

LRESULT CGvScrollFrame::OnPassToParent(WPARAM wParam, LPARAM lParam)
{
    ::SendMessageW(::GetParent(m_hWnd), GetCurrentMessage()->message, wParam, lParam);
    return 0;
}

void CGvScrollFrame::OnLButtonDown(UINT, CPoint)
{
    Default();
    ActivateFirstChild();
}

void CGvScrollFrame::OnRButtonDown(UINT, CPoint)
{
    Default();
    ActivateFirstChild();
}

void CGvScrollFrame::ActivateFirstChild()
{
    HWND hFirst = ::GetWindow(m_hWnd, GW_CHILD);
    ::SendMessageW(hFirst ? hFirst : m_hWnd, WM_ACTIVATE, WA_ACTIVE, 0);
}

BEGIN_MESSAGE_MAP(CGvScrollWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_MESSAGE(GVM_CHILD_RESIZE, OnChildResize)
    ON_MESSAGE(GVM_CHILD_SCROLL, OnChildScroll)
    ON_WM_DESTROY()
    ON_WM_MOUSEWHEEL()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CGvScrollWnd::CGvScrollWnd()
    : m_pHorzBar(nullptr), m_pVertBar(nullptr), m_pFrameWnd(nullptr), m_pScrollChild(nullptr), m_adjusting(false),
      m_centre(false), m_panning(false), m_panTo(0, 0)
{
}

CGvScrollWnd::~CGvScrollWnd()
{
    delete m_pHorzBar;
    delete m_pVertBar;
    delete m_pFrameWnd;
}

BOOL CGvScrollWnd::CreateScrollWnd(HWND hParent, const RECT& rect, DWORD dwStyle, bool centre)
{
    if (!CreateEx(WS_EX_CONTROLPARENT, nullptr, L"CGvScrollWnd", dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, hParent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_GV_SCROLL_WND))))
        return FALSE;
    GvAddSmartEraseWindow(m_hWnd, ::GetSysColor(COLOR_BTNFACE), true);
    m_centre = centre;
    return TRUE;
}

bool CGvScrollWnd::AttachScrollChild(CWnd* pChild)
{
    if (m_pScrollChild || !pChild)
        return false;
    if (!m_pFrameWnd) {
        m_pFrameWnd = new CGvScrollFrame;
        CRect client;
        GetClientRect(&client);
        m_pFrameWnd->CreateEx(WS_EX_CONTROLPARENT, nullptr, L"CGvScrollWnd::m_pFrameWnd",
                              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, client, this, IDC_GV_SCROLL_FRAME);
        GvAddSmartEraseIncludeWindow(m_pFrameWnd->m_hWnd, false);
    }
    m_pScrollChild = pChild;
    pChild->SetParent(m_pFrameWnd);
    AdjustScrollWindow();
    return true;
}

CWnd* CGvScrollWnd::DetachScrollChild()
{
    CWnd* pChild = m_pScrollChild;
    if (!pChild)
        return nullptr;
    ::SetParent(pChild->m_hWnd, nullptr);
    m_pScrollChild = nullptr;
    AdjustScrollWindow();
    return pChild;
}

void CGvScrollWnd::CalculateScrollBarRequirements(LPCRECT viewport, LPCRECT content, bool* needH, bool* needV)
{
    *needH = *needV = false;
    if (!viewport || !content)
        return;
    const GvScrollBarNeeds needs =
        GvScrollBarRequirements(ToGvRect(*viewport).Size(), ToGvRect(*content).Size(), ::GetSystemMetrics(SM_CXVSCROLL),
                                ::GetSystemMetrics(SM_CYHSCROLL));
    *needH = needs.horizontal;
    *needV = needs.vertical;
}

void CGvScrollWnd::PlaceBar(CScrollBar*& pBar, bool needed, const RECT& rect, DWORD style, UINT nID, int max, int page,
                            int pos)
{
    if (!needed) {
        delete pBar; // destroys the bar's window
        pBar = nullptr;
        return;
    }
    if (!pBar) {
        pBar = new CScrollBar;
        pBar->Create(WS_CHILD | WS_VISIBLE | style, rect, this, nID);
    } else {
        pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SCROLLINFO info = {};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = max;
    info.nPage = static_cast<UINT>(page);
    info.nPos = pos;
    pBar->SetScrollInfo(&info, TRUE);
}

void CGvScrollWnd::AdjustScrollWindow()
{
    if (!m_hWnd || !m_pFrameWnd || !m_pFrameWnd->m_hWnd)
        return;
    m_adjusting = true;
    CRect client;
    GetClientRect(&client);
    const bool hasChild = m_pScrollChild && ::IsWindow(m_pScrollChild->m_hWnd);
    CRect child;
    GvPoint offset = {0, 0};
    if (hasChild) {
        m_pScrollChild->GetWindowRect(&child);
        m_pFrameWnd->ScreenToClient(&child);
        offset = {-child.left, -child.top};
    }
    const GvScrollLayout layout =
        GvLayoutScrollWindow(ToGvRect(client), hasChild, {child.Width(), child.Height()}, offset, m_centre,
                             ::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    PlaceBar(m_pHorzBar, layout.needs.horizontal, ToCRect(layout.horizontalBar), SBS_HORZ, IDC_GV_SCROLL_HORZ_BAR,
             layout.horizontalInfo.max, layout.horizontalInfo.page, layout.horizontalInfo.pos);
    PlaceBar(m_pVertBar, layout.needs.vertical, ToCRect(layout.verticalBar), SBS_VERT, IDC_GV_SCROLL_VERT_BAR,
             layout.verticalInfo.max, layout.verticalInfo.page, layout.verticalInfo.pos);
    if (hasChild)
        m_pScrollChild->MoveWindow(-layout.offset.x, -layout.offset.y, child.Width(), child.Height(), TRUE);
    const CRect frame = ToCRect(layout.frame);
    m_pFrameWnd->SetWindowPos(nullptr, frame.left, frame.top, frame.Width(), frame.Height(),
                              SWP_NOZORDER | SWP_NOACTIVATE);
    m_adjusting = false;
}

void CGvScrollWnd::Scroll(bool horizontal, UINT nSBCode, UINT nPos)
{
    if (!m_pScrollChild || !m_pFrameWnd || !m_pFrameWnd->m_hWnd || m_adjusting)
        return;
    CRect child, frame, frameClient;
    m_pScrollChild->GetWindowRect(&child);
    m_pFrameWnd->GetWindowRect(&frame);
    m_pFrameWnd->GetClientRect(&frameClient);
    CRect placed = child;
    m_pFrameWnd->ScreenToClient(&placed);
    const int cur = horizontal ? -placed.left : -placed.top;
    const int max = horizontal ? child.Width() - frame.Width() : child.Height() - frame.Height();
    const int page = horizontal ? frameClient.Width() : frameClient.Height();
    int p;
    if (GvScrollOffsetForRequest(static_cast<int>(nSBCode), cur, max, page, static_cast<short>(nPos), &p,
                                 AfxGetWindowDpi(this))) {
        if (m_panning) {
            (horizontal ? m_panTo.x : m_panTo.y) = p;
            return;
        }
        if (horizontal)
            m_pScrollChild->MoveWindow(-p, placed.top, child.Width(), child.Height(), TRUE);
        else
            m_pScrollChild->MoveWindow(placed.left, -p, child.Width(), child.Height(), TRUE);
        if (CScrollBar* pBar = horizontal ? m_pHorzBar : m_pVertBar)
            pBar->SetScrollPos(p, TRUE);
        if (::GetUpdateRect(m_pFrameWnd->m_hWnd, nullptr, FALSE))
            m_pFrameWnd->RedrawWindow(nullptr, nullptr,
                                      RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    }
}

void CGvScrollWnd::OnSize(UINT, int, int)
{
    Default();
    AdjustScrollWindow();
}

void CGvScrollWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    Scroll(true, nSBCode, nPos);
    Default();
}

void CGvScrollWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    Scroll(false, nSBCode, nPos);
    Default();
}

BOOL CGvScrollWnd::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (!m_pVertBar)
        return static_cast<BOOL>(Default());
    const int position = GvWheelScrollPosition(m_pVertBar->GetScrollPos(), zDelta, AfxGetWindowDpi(this));
    SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(position)), 0);
    return TRUE;
}

CPoint CGvScrollWnd::ChildOffset() const
{
    if (!m_pScrollChild || !m_pFrameWnd || !m_pFrameWnd->m_hWnd)
        return CPoint(0, 0);
    CRect placed;
    m_pScrollChild->GetWindowRect(&placed);
    m_pFrameWnd->ScreenToClient(&placed);
    return CPoint(-placed.left, -placed.top);
}

// On a long child most pan steps move the thumb by less than a pixel.
void CGvScrollWnd::ShowBarPosition(CScrollBar* pBar, int pos)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    info.nPos = pos;
    AfxSetScrollInfoLazily(pBar->m_hWnd, SB_CTL, info);
}

// The pan still sends the horizontal, then the vertical request, but the
// child moves once: the system keeps the pixels that stay in view and
// invalidates only the uncovered strips, which are painted at once.
LRESULT CGvScrollWnd::OnChildScroll(WPARAM, LPARAM lParam)
{
    const short dx = static_cast<short>(LOWORD(lParam)), dy = static_cast<short>(HIWORD(lParam));
    const CPoint from = ChildOffset();
    m_panTo = from;
    m_panning = true;
    if (m_pHorzBar) {
        const int position = GvChildScrollPosition(m_pHorzBar->GetScrollPos(), dx);
        SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(position)), 0);
    }
    if (m_pVertBar) {
        const int position = GvChildScrollPosition(m_pVertBar->GetScrollPos(), dy);
        SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(position)), 0);
    }
    m_panning = false;
    if (m_panTo == from || !m_pScrollChild || !::IsWindow(m_pScrollChild->m_hWnd))
        return 0;
    m_pScrollChild->SetWindowPos(nullptr, -m_panTo.x, -m_panTo.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowBarPosition(m_pHorzBar, m_panTo.x);
    ShowBarPosition(m_pVertBar, m_panTo.y);
    m_pFrameWnd->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return 0;
}

LRESULT CGvScrollWnd::OnChildResize(WPARAM wParam, LPARAM lParam)
{
    ::SendMessageW(::GetParent(m_hWnd), GVM_CHILD_RESIZE, wParam, lParam);
    AdjustScrollWindow();
    return 0;
}

void CGvScrollWnd::OnDestroy()
{
    m_pScrollChild = nullptr;
    Default();
}

void CGvScrollWnd::OnSysColorChange()
{
    GvAddSmartEraseWindow(m_hWnd, ::GetSysColor(COLOR_BTNFACE), true);
    CWnd::OnSysColorChange();
}
