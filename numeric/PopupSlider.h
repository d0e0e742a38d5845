#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"

/// A borderless 125 x 20 pop-up that sweeps a value across a range while the
/// pointer moves sideways (one pixel per percent). It holds capture and focus,
/// sends GVM_SLIDER_DELTA to its owner after every change and GVM_SLIDER_CLOSE
/// exactly once when it ends; the owner then destroys the window and the
/// object deletes itself.
class GVMFCUTILITIES_API CPopupSlider : public CWnd
{
public:
    /// A slider for value in [min, max] (clamp: never outside), owned by pOwner. With allowRangeDrag a right-button
    /// drag moves the range instead of the value. Allocate with new: the object deletes itself.
    CPopupSlider(CPoint point, float value, float min, float max, bool clamp, CWnd* pOwner, bool allowRangeDrag);

    /// Shows the pop-up at point (screen coordinates), kept on the work area of its monitor, and takes capture and
    /// focus. Zero when the window cannot be made.
    int Create(CPoint point, CWnd* pOwner);
    /// The value as swept so far.
    float GetSliderValue() const { return m_value; }
    /// The range, moved by range drags.
    void GetSliderRange(float* pMin, float* pMax) const;
    /// Ends once: releases capture, restores the cursor, then tells the owner
    /// (which may destroy this object while handling it).
    void EndPopupSlider(int message);

    // Accessibility: a slider whose value is the owner's text when the owner
    // is an edit (the slider edit shows the value being swept), else the value.
    HRESULT get_accValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT get_accState(VARIANT varChild, VARIANT* pvarState) override;

protected:
    void ComputeSliderPosition();
    void DrawSlider();
    /// Draws the client area; DrawSlider and WM_PRINTCLIENT paint through it.
    void PaintClient(CDC& dc);
    void UpdateSliderValue(CPoint point);
    void UpdateSliderWindow();
    void UpdateSliderRange(CPoint point);
    void MovePointerToThumb();
    void NotifyOwner(UINT message, WPARAM wParam);

    afx_msg void OnNcDestroy();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pOwner;
    bool m_bEnded;
    float m_position;
    float m_value;
    float m_min, m_max;
    bool m_clamp;
    HCURSOR m_hOldCursor;
    bool m_allowRangeDrag;
    bool m_rangeDragging;
    float m_rangeStep;
    int m_rangeAnchor;
    int m_lastX, m_lastY;

private:
    /// The value accessibility clients were last told of.
    CString m_accValue;
};
