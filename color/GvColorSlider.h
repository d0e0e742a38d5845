#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"
#include "color/ColorSliderMath.h"

/// A trackbar window painted as a colour gradient with a white thumb, for
/// one channel 0 to 1 held by the owner (m_value). The trackbar's own range
/// and position are not used. Tells its parent GVM_VALUE_CHANGE_START,
/// GVM_VALUE_CHANGED after each change and GVM_VALUE_CHANGE_END; a key step
/// sends all three. Vertical when the window has TBS_VERT.
class GVMFCUTILITIES_API CGvColorSlider : public CSliderCtrl
{
public:
    CGvColorSlider();
    virtual ~CGvColorSlider();

    /// The owner's value; null: no thumb, points and keys change nothing.
    float* m_value;

protected:
    CPoint m_lastPoint;

public:
    /// The gradient from the value-0 end to the value-1 end, filled by the owner.
    GvColorStop m_stops[GvColorSliderMaxStops];
    /// How many of m_stops are used (2 to GvColorSliderMaxStops; fewer draws no bands).
    int m_stopCount;
    /// The edit that shows the value as text, which accessibility clients
    /// then read as the slider's value; null: the value in percent.
    CWnd* m_pValueEdit;

    // Accessibility: a slider whose value is the text of m_pValueEdit.
    HRESULT get_accValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT get_accState(VARIANT varChild, VARIANT* pvarState) override;

protected:
    bool m_tracking;

    void SetValueFromPoint(CPoint* point);
    bool IsVertical() const { return (GetStyle() & TBS_VERT) != 0; }

    /// Bands, thumb and focus, painted buffered (no erase; WM_PRINTCLIENT too).
    void PaintClient(CDC& dc);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnValueChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

private:
    /// The value accessibility clients were last told of.
    CString m_accValue;
};

/// What the slider paints: the bands, the thumb when there is a value, the
/// focus rectangle.
struct GvColorSliderPaintState
{
    /// The client rectangle to paint.
    CRect client;
    /// Value 0 at the bottom, 1 at the top; otherwise 0 left, 1 right.
    bool vertical;
    /// The gradient, as m_stops.
    const GvColorStop* stops;
    /// How many stops.
    int stopCount;
    /// The channel value, 0 to 1; null: no thumb.
    const float* value;
    /// Draws the focus rectangle.
    bool focused;
    /// The window's DPI, which sizes the thumb; 0 counts as 96.
    UINT dpi;
};
/// Paints a colour slider as the control does, into any DC (tests and print-outs use it).
GVMFCUTILITIES_API void PaintColorSlider(CDC& dc, const GvColorSliderPaintState& state);
