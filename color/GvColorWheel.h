#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"

/// A hexagon of every hue and saturation at the current colour's value. A
/// click or drag picks hue and saturation and keeps the value, writing
/// straight into the owner's three floats (m_color). Tells its parent
/// GVM_VALUE_CHANGE_START on a press, GVM_COLOR_CHANGED after each pick and
/// GVM_VALUE_CHANGE_END when the capture is lost, so every start has its end.
class GVMFCUTILITIES_API CGvColorWheel : public CWnd
{
public:
    CGvColorWheel();
    virtual ~CGvColorWheel();

    /// Red, green, blue, 0 to 1; owned by the owner. Null: background only.
    float* m_color;

    // Accessibility: a slider named "Colour wheel" whose value is the colour.
    HRESULT get_accName(VARIANT varChild, BSTR* pszName) override;
    HRESULT get_accValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT get_accState(VARIANT varChild, VARIANT* pvarState) override;

protected:
    CPoint MapColorToPosition(float r, float g, float b, int radius);
    void MapPositionToColor(int x, int y, int radius, float* r, float* g, float* b);
    void HSVtoRGB(float* r, float* g, float* b, float h, float s, float v);
    void SetColorFromPoint(CPoint* point);

    /// The wheel's picture, painted buffered (no erase; WM_PRINTCLIENT too).
    void PaintClient(CDC& dc);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnDestroy();
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    bool m_tracking;
    CPoint m_lastPoint;

private:
    /// Background and hexagon, drawn again only when the size, the value or
    /// the system's button face changes (a drag keeps the value); a paint
    /// copies it and draws the marker over it.
    CDC* HexagonPicture(CDC& compatible, const CRect& client);

    CCachedBitmapDC m_hexagon;
    /// The value accessibility clients were last told of.
    CString m_accValue;
};

/// What the wheel paints: background, hexagon at the colour's value, marker.
/// A null colour paints the background only. `picture`, when given, already
/// holds the background and hexagon of this colour's value at (0, 0).
struct GvColorWheelPaintState
{
    /// The client rectangle to paint.
    CRect client;
    /// RGB floats, 0 to 1; null: the background only.
    const float* color;
    /// A memory DC holding background and hexagon at this value, or null to draw them.
    CDC* picture;
    /// The wheel has the keyboard focus: a focus rectangle around the client.
    bool focused;
    /// The window's DPI, which sizes the marker; 0 counts as 96.
    UINT dpi;
};
/// Paints a colour wheel as the control does, into any DC.
GVMFCUTILITIES_API void PaintColorWheel(CDC& dc, const GvColorWheelPaintState& state);
/// The hexagon alone at a value, with one GradientFill call.
GVMFCUTILITIES_API void FillColorHexagon(CDC& dc, const CRect& client, float value);
