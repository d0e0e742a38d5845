#include "color/GvColorSlider.h"

#include "GvMessages.h"
#include "color/ColorNotify.h"
#include "numeric/NumberText.h"
#include "platform/mfc/MfcPortableTypes.h"
#include "window_utils/ScrollMath.h"

void PaintColorSlider(CDC& dc, const GvColorSliderPaintState& state)
{
    const GvSize size = {state.client.Width(), state.client.Height()};
    const int bands = GvColorSliderBandCount(state.stopCount);
    for (int band = 0; band < bands; ++band) {
        GvGradientVertex quad[4];
        GvColorSliderBand(state.vertical, size, state.stops, state.stopCount, band, quad);
        TRIVERTEX vertices[4];
        for (int i = 0; i < 4; ++i)
            vertices[i] = {quad[i].x, quad[i].y, quad[i].red, quad[i].green, quad[i].blue, 0};
        GRADIENT_TRIANGLE triangles[2];
        for (int i = 0; i < 2; ++i)
            triangles[i] = {GvColorSliderBandTriangles[i][0], GvColorSliderBandTriangles[i][1],
                            GvColorSliderBandTriangles[i][2]};
        dc.GradientFill(vertices, 4, triangles, 2, GRADIENT_FILL_TRIANGLE);
    }
    if (state.value) {
        CGdiObject* pOldBrush = dc.SelectStockObject(WHITE_BRUSH);
        const CRect thumb = ToCRect(GvColorSliderThumb(state.vertical, size, *state.value, state.dpi));
        dc.Rectangle(&thumb);
        dc.SelectObject(pOldBrush);
    }
    if (state.focused)
        dc.DrawFocusRect(&state.client);
}

BEGIN_MESSAGE_MAP(CGvColorSlider, CSliderCtrl)
    ON_WM_PAINT_BUFFERED(PaintClient)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(GVM_VALUE_CHANGED, OnValueChanged)
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CGvColorSlider::CGvColorSlider()
    : m_value(nullptr), m_lastPoint(0, 0), m_stops(), m_stopCount(2), m_pValueEdit(nullptr), m_tracking(false)
{
    EnableActiveAccessibility();
}

CGvColorSlider::~CGvColorSlider()
{
}

void CGvColorSlider::SetValueFromPoint(CPoint* point)
{
    if (!m_value || !point)
        return;
    CRect client;
    GetClientRect(&client);
    float value;
    if (!GvColorSliderValueFromPoint(IsVertical(), ToGvPoint(*point), {client.Width(), client.Height()}, &value))
        return;
    *m_value = value;
    GvColorNotifyParent(this, GVM_VALUE_CHANGED);
    InvalidateRect(nullptr, FALSE);
    AfxNotifyAccValueChange(this, m_accValue);
}

void CGvColorSlider::PaintClient(CDC& dc)
{
    GvColorSliderPaintState state = {CRect(), IsVertical(), m_stops, m_stopCount, m_value, ::GetFocus() == m_hWnd,
                                   AfxGetWindowDpi(this)};
    GetClientRect(&state.client);
    PaintColorSlider(dc, state);
}

void CGvColorSlider::OnLButtonDown(UINT nFlags, CPoint point)
{
    GvColorNotifyParent(this, GVM_VALUE_CHANGE_START);
    SetCapture();
    m_lastPoint = point;
    m_tracking = true;
    SetValueFromPoint(&point);
    Default();
}

void CGvColorSlider::OnLButtonUp(UINT nFlags, CPoint point)
{
    ::ReleaseCapture();
    Default();
}

void CGvColorSlider::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_tracking) {
        const bool vertical = IsVertical();
        if (vertical ? point.y != m_lastPoint.y : point.x != m_lastPoint.x) {
            m_lastPoint = point;
            SetValueFromPoint(&point);
        }
    }
    Default();
}

void CGvColorSlider::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_value) {
        float value = *m_value;
        if (GvColorSliderKeyStep(nChar, &value)) {
            *m_value = value;
            // The owner repaints the slider when it answers GVM_VALUE_CHANGED.
            GvColorNotifyParent(this, GVM_VALUE_CHANGE_START);
            GvColorNotifyParent(this, GVM_VALUE_CHANGED);
            GvColorNotifyParent(this, GVM_VALUE_CHANGE_END);
            AfxNotifyAccValueChange(this, m_accValue);
        }
    }
    Default();
}

BOOL CGvColorSlider::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    const int notches = GvWheelNotches(zDelta);
    for (int i = 0; i < notches; ++i)
        SendMessage(WM_KEYDOWN, zDelta > 0 ? VK_UP : VK_DOWN, 0);
    return (BOOL)Default();
}

LRESULT CGvColorSlider::OnValueChanged(WPARAM, LPARAM)
{
    InvalidateRect(nullptr, FALSE);
    AfxNotifyAccValueChange(this, m_accValue);
    return 1;
}

HRESULT CGvColorSlider::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    if (!AfxIsAccSelf(varChild))
        return CSliderCtrl::get_accValue(varChild, pszValue);
    if (m_pValueEdit->GetSafeHwnd()) {
        CString text;
        m_pValueEdit->GetWindowText(text);
        return AfxSetAccString(pszValue, text);
    }
    if (!m_value)
        return AfxSetAccString(pszValue, L"");
    return AfxSetAccString(pszValue, std::to_wstring(GvRoundHalfAwayFromZero(*m_value * 100.0f)).append(L"%").c_str());
}

HRESULT CGvColorSlider::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarRole, ROLE_SYSTEM_SLIDER)
                                  : CSliderCtrl::get_accRole(varChild, pvarRole);
}

HRESULT CGvColorSlider::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarState, AfxAccFocusableState(this))
                                  : CSliderCtrl::get_accState(varChild, pvarState);
}

void CGvColorSlider::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd->GetSafeHwnd() != m_hWnd) {
        m_tracking = false;
        GvColorNotifyParent(this, GVM_VALUE_CHANGE_END);
    }
    Default();
}
