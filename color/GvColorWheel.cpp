#include "color/GvColorWheel.h"

#include "GvMessages.h"
#include "color/ColorNotify.h"
#include "color/ColorPickerMath.h"
#include "color/WheelGeometry.h"
#include "platform/mfc/MfcPortableTypes.h"
#include "platform/portable/DpiScale.h"

void FillColorHexagon(CDC& dc, const CRect& client, float value)
{
    GvGradientVertex hexagon[7];
    GvWheelHexagon(GvWheelGeometryOf(ToGvRect(client)), value, hexagon);
    TRIVERTEX vertices[7];
    for (int i = 0; i < 7; ++i)
        vertices[i] = {hexagon[i].x, hexagon[i].y, hexagon[i].red, hexagon[i].green, hexagon[i].blue, 0};
    GRADIENT_TRIANGLE triangles[6];
    for (int i = 0; i < 6; ++i)
        triangles[i] = {GvWheelTriangles[i][0], GvWheelTriangles[i][1], GvWheelTriangles[i][2]};
    dc.GradientFill(vertices, 7, triangles, 6, GRADIENT_FILL_TRIANGLE);
}

void PaintColorWheel(CDC& dc, const GvColorWheelPaintState& state)
{
    if (state.picture) {
        dc.BitBlt(state.client.left, state.client.top, state.client.Width(), state.client.Height(), state.picture, 0, 0,
                  SRCCOPY);
    } else {
        dc.FillSolidRect(&state.client, ::GetSysColor(COLOR_BTNFACE));
        if (state.color)
            FillColorHexagon(dc, state.client, GvColorValue(state.color));
    }
    const GvWheelMarker marker = state.color ? GvWheelMarkerOf(GvWheelGeometryOf(ToGvRect(state.client)), state.color)
                                             : GvWheelMarker{false, {0, 0}, false};
    if (marker.visible) {
        // The stock pens are solid and one pixel wide, as a pen of width 0; a
        // thicker cross is drawn as side-by-side lines, so no pen is made.
        CGdiObject* pOldPen = dc.SelectStockObject(marker.black ? BLACK_PEN : WHITE_PEN);
        const int x = marker.centre.x, y = marker.centre.y;
        const int arm = GvScaleToDpi(5, state.dpi), width = GvScaleToDpi(1, state.dpi);
        for (int line = -(width - 1) / 2; line <= width / 2; ++line) {
            dc.MoveTo(x - arm, y + line);
            dc.LineTo(x + arm + 1, y + line);
            dc.MoveTo(x + line, y - arm);
            dc.LineTo(x + line, y + arm + 1);
        }
        dc.SelectObject(pOldPen);
    }
    if (state.focused)
        dc.DrawFocusRect(&state.client);
}

BEGIN_MESSAGE_MAP(CGvColorWheel, CWnd)
    ON_WM_PAINT_BUFFERED(PaintClient)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(GVM_COLOR_CHANGED, OnColorChanged)
    ON_WM_CAPTURECHANGED()
    ON_WM_DESTROY()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CGvColorWheel::CGvColorWheel()
    : m_color(nullptr), m_tracking(false), m_lastPoint(-1, -1)
{
    EnableActiveAccessibility();
}

CGvColorWheel::~CGvColorWheel()
{
}

CDC* CGvColorWheel::HexagonPicture(CDC& compatible, const CRect& client)
{
    const CSize size = client.Size();
    const int gray = m_color ? GvChannel16(GvColorValue(m_color)) : -1;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const ULONGLONG key = static_cast<ULONGLONG>(static_cast<unsigned>(gray)) << 32 | face;
    if (!m_hexagon.Prepare(&compatible, size, key))
        return m_hexagon.m_hDC ? &m_hexagon : nullptr;
    const CRect origin(CPoint(0, 0), size);
    const GvColorWheelPaintState background = {origin, nullptr, nullptr, false, GvDefaultDpi};
    PaintColorWheel(m_hexagon, background);
    if (m_color)
        FillColorHexagon(m_hexagon, origin, GvColorValue(m_color));
    return &m_hexagon;
}

CPoint CGvColorWheel::MapColorToPosition(float r, float g, float b, int radius)
{
    GvPoint offset = {0, 0};
    GvWheelMapColorToPosition(r, g, b, radius, &offset);
    return ToCPoint(offset);
}

void CGvColorWheel::MapPositionToColor(int x, int y, int radius, float* r, float* g, float* b)
{
    GvWheelMapPositionToColor(x, y, radius, r, g, b);
}

void CGvColorWheel::HSVtoRGB(float* r, float* g, float* b, float h, float s, float v)
{
    GvWheelHSVtoRGB(r, g, b, h, s, v);
}

void CGvColorWheel::SetColorFromPoint(CPoint* point)
{
    if (!point)
        return;
    m_lastPoint = *point;
    if (!m_color)
        return;
    CRect client;
    GetClientRect(&client);
    GvWheelPick(GvWheelGeometryOf(ToGvRect(client)), ToGvPoint(*point), m_color);
    GvColorNotifyParent(this, GVM_COLOR_CHANGED);
    InvalidateRect(nullptr, FALSE);
    AfxNotifyAccValueChange(this, m_accValue);
}

void CGvColorWheel::PaintClient(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    const GvColorWheelPaintState state = {client, m_color, HexagonPicture(dc, client), ::GetFocus() == m_hWnd,
                                          AfxGetWindowDpi(this)};
    PaintColorWheel(dc, state);
}

void CGvColorWheel::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_tracking && point != m_lastPoint)
        SetColorFromPoint(&point);
    Default();
}

void CGvColorWheel::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_tracking = true;
    GvColorNotifyParent(this, GVM_VALUE_CHANGE_START);
    SetColorFromPoint(&point);
    SetFocus();
    SetCapture();
    Default();
}

void CGvColorWheel::OnLButtonUp(UINT nFlags, CPoint point)
{
    ::ReleaseCapture();
    Default();
}

LRESULT CGvColorWheel::OnColorChanged(WPARAM, LPARAM)
{
    InvalidateRect(nullptr, FALSE);
    AfxNotifyAccValueChange(this, m_accValue);
    return 1;
}

HRESULT CGvColorWheel::get_accName(VARIANT varChild, BSTR* pszName)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccString(pszName, L"Colour wheel") : CWnd::get_accName(varChild, pszName);
}

HRESULT CGvColorWheel::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    if (!AfxIsAccSelf(varChild))
        return CWnd::get_accValue(varChild, pszValue);
    if (!m_color)
        return AfxSetAccString(pszValue, L"");
    const std::u16string text = GvColorAccessibleText({m_color[0], m_color[1], m_color[2], 1.0f});
    return AfxSetAccString(pszValue, reinterpret_cast<LPCWSTR>(text.c_str()));
}

HRESULT CGvColorWheel::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarRole, ROLE_SYSTEM_SLIDER) : CWnd::get_accRole(varChild, pvarRole);
}

HRESULT CGvColorWheel::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarState, AfxAccFocusableState(this))
                                  : CWnd::get_accState(varChild, pvarState);
}

void CGvColorWheel::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd->GetSafeHwnd() != m_hWnd) {
        m_tracking = false;
        GvColorNotifyParent(this, GVM_VALUE_CHANGE_END);
    }
    Default();
}

void CGvColorWheel::OnDestroy()
{
    m_hexagon.Release();
    CWnd::OnDestroy();
}

// The arrows move the marker, so a dialog must not take them for moving the
// focus; the wheel is no button to the dialog (Space does not press it).
UINT CGvColorWheel::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

// A key step is a whole change, notified as a press, one pick and a release.
void CGvColorWheel::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_color && GvWheelKeyStep(nChar, m_color)) {
        GvColorNotifyParent(this, GVM_VALUE_CHANGE_START);
        GvColorNotifyParent(this, GVM_COLOR_CHANGED);
        GvColorNotifyParent(this, GVM_VALUE_CHANGE_END);
        InvalidateRect(nullptr, FALSE);
        return;
    }
    // The button window under the wheel would take the capture on Space and
    // end a change that never started when it lets it go.
    if (nChar != VK_SPACE)
        Default();
}

void CGvColorWheel::OnSetFocus(CWnd* pOldWnd)
{
    Default();
    InvalidateRect(nullptr, FALSE);
}

void CGvColorWheel::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    InvalidateRect(nullptr, FALSE);
}

// The picture's key holds the button face, so the next paint draws it again.
void CGvColorWheel::OnSysColorChange()
{
    InvalidateRect(nullptr, FALSE);
    CWnd::OnSysColorChange();
}
