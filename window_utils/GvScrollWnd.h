#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"

/// The viewport of a scroll window: covers its client area less the bars,
/// clips the scroll child and passes the child's reports on to the scroll
/// window.
class GVMFCUTILITIES_API CGvScrollFrame : public CWnd
{
protected:
    afx_msg LRESULT OnPassToParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    void ActivateFirstChild();
    DECLARE_MESSAGE_MAP()
};

/// Shows one larger child window through a viewport, with a horizontal and a
/// vertical scroll bar that exist only while the child does not fit. The
/// child is moved, never resized, and never owned; the offsets are read back
/// from where it stands.
class GVMFCUTILITIES_API CGvScrollWnd : public CWnd
{
public:
    CGvScrollWnd();
    virtual ~CGvScrollWnd();

    /// Creates the window as a child of hParent at rect (parent's client coordinates); centre keeps a child smaller
    /// than the viewport in its middle instead of at the top left. FALSE when the window cannot be made.
    BOOL CreateScrollWnd(HWND hParent, const RECT& rect, DWORD dwStyle, bool centre);
    /// False when a child is attached already or pChild is null.
    bool AttachScrollChild(CWnd* pChild);
    /// Gives the child back (now without parent) and hides the bars; null when there is none.
    CWnd* DetachScrollChild();
    /// The child shown, or null.
    CWnd* GetScrollChild() const { return m_pScrollChild; }
    /// The layout; callers run it after they change the child.
    void AdjustScrollWindow();
    /// Which bars content needs in viewport (only the sizes count); a null
    /// rectangle needs none.
    static void CalculateScrollBarRequirements(LPCRECT viewport, LPCRECT content, bool* needH, bool* needV);

protected:
    void PlaceBar(CScrollBar*& pBar, bool needed, const RECT& rect, DWORD style, UINT nID, int max, int page, int pos);
    void Scroll(bool horizontal, UINT nSBCode, UINT nPos);
    CPoint ChildOffset() const;
    static void ShowBarPosition(CScrollBar* pBar, int pos);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg LRESULT OnChildResize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChildScroll(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    CScrollBar* m_pHorzBar;
    CScrollBar* m_pVertBar;
    CGvScrollFrame* m_pFrameWnd;
    CWnd* m_pScrollChild;
    bool m_adjusting;
    bool m_centre;
    /// While a child pan sends its scroll requests: they only aim m_panTo,
    /// and the pan moves the child once for both axes.
    bool m_panning;
    CPoint m_panTo;
};
