#include "color/GvColorWheel.h"

#include "GvMessages.h"
#include "color/ColorNotify.h"
#include "color/WheelGeometry.h"
#include "platform/mfc/MfcPortableTypes.h"

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
    dc.FillSolidRect(&state.client, ::GetSysColor(COLOR_BTNFACE));
    if (!state.color)
        return;
    FillColorHexagon(dc, state.client, GvColorValue(state.color));
    const GvWheelGeometry geometry = GvWheelGeometryOf(ToGvRect(state.client));
    const GvWheelMarker marker = GvWheelMarkerOf(geometry, state.color);
    if (!marker.visible)
        return;
    CPen pen(PS_SOLID, 0, marker.black ? RGB(0, 0, 0) : RGB(255, 255, 255));
    CPen* pOldPen = dc.SelectObject(&pen);
    const int x = marker.centre.x, y = marker.centre.y;
    dc.MoveTo(x - 5, y);
    dc.LineTo(x + 6, y);
    dc.MoveTo(x, y - 5);
    dc.LineTo(x, y + 6);
    dc.SelectObject(pOldPen);
}

BEGIN_MESSAGE_MAP(CGvColorWheel, CWnd)
    ON_WM_PAINT_BUFFERED(PaintClient)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(GVM_COLOR_CHANGED, OnColorChanged)
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CGvColorWheel::CGvColorWheel() : m_color(nullptr), m_tracking(false), m_lastPoint(-1, -1)
{
}

CGvColorWheel::~CGvColorWheel()
{
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
}

void CGvColorWheel::PaintClient(CDC& dc)
{
    GvColorWheelPaintState state = {CRect(), m_color};
    GetClientRect(&state.client);
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
    return 1;
}

void CGvColorWheel::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd->GetSafeHwnd() != m_hWnd) {
        m_tracking = false;
        GvColorNotifyParent(this, GVM_VALUE_CHANGE_END);
    }
    Default();
}
