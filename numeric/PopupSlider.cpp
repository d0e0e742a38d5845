#include "numeric/PopupSlider.h"

#include "GvMessages.h"
#include "numeric/NumberText.h"
#include "numeric/SliderMath.h"

namespace {

const COLORREF kShadow = RGB(0x66, 0x66, 0x66);
const COLORREF kOutline = RGB(0, 0, 0);

struct PopupSliderState
{
    CRect client;
    float position;
    UINT dpi;
};

// Face, track, thumb and raised edge of the client area.
void PaintPopupSlider(CDC& dc, const PopupSliderState& state)
{
    dc.FillSolidRect(&state.client, GetSysColor(COLOR_BTNFACE));

    // The track's two lines are bands of the scaled line width; the thumb's
    // corners are scaled from its tip and drawn with a pen that wide.
    const auto scale = [&state](int pixels) { return GvScaleToDpi(pixels, state.dpi); };
    const int line = scale(1);
    const int trackLeft = scale(GvPopupSliderTrackLeft), trackRight = scale(GvPopupSliderTrackRight);
    dc.FillSolidRect(trackLeft, scale(GvPopupSliderTrackY), trackRight - trackLeft, line, kShadow);
    dc.FillSolidRect(trackLeft, scale(GvPopupSliderTrackY + 1), trackRight - trackLeft, line, kOutline);

    CPen shadow(PS_SOLID, line, kShadow);
    CPen outline(PS_SOLID, line, kOutline);
    CPen* pOldPen = dc.SelectObject(&shadow);
    const int tip = GvSliderThumbTipX(state.position, state.dpi);
    const int x0 = GvPopupSliderThumbLeft - GvPopupSliderTrackLeft; // the thumb's left corner from its tip
    const POINT shadowLine[] = {
        {tip + scale(x0 + 1), scale(15)}, {tip + scale(x0 + 11), scale(15)}, {tip + scale(x0 + 6), scale(9)}};
    const POINT outlineLine[] = {{tip + scale(x0), scale(14)},
                                 {tip + scale(x0 + 10), scale(14)},
                                 {tip + scale(x0 + 5), scale(8)},
                                 {tip + scale(x0), scale(14)}};
    dc.Polyline(shadowLine, 3);
    dc.SelectObject(&outline);
    dc.Polyline(outlineLine, 4);
    dc.SelectObject(pOldPen);

    CRect edge(state.client);
    dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT);
}

} // namespace

BEGIN_MESSAGE_MAP(CPopupSlider, CWnd)
    ON_WM_NCDESTROY()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_PAINT()
    ON_WM_PRINTCLIENT_BUFFERED(PaintClient)
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_ACTIVATEAPP()
    ON_WM_MOUSEWHEEL()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CPopupSlider::CPopupSlider(CPoint point, float value, float min, float max, bool clamp, CWnd* pOwner,
                           bool allowRangeDrag)
    : m_pOwner(pOwner), m_bEnded(false), m_position(0.0f), m_value(value), m_min(min), m_max(max), m_clamp(clamp),
      m_hOldCursor(nullptr), m_allowRangeDrag(allowRangeDrag), m_rangeDragging(false),
      m_rangeStep(allowRangeDrag ? GvSliderRangeStep(min, max) : 0.0f), m_rangeAnchor(0), m_lastX(point.x),
      m_lastY(point.y)
{
    EnableActiveAccessibility();
    GvWidenDegenerateRange(m_min, m_max);
    Create(point, pOwner);
}

int CPopupSlider::Create(CPoint point, CWnd* pOwner)
{
    m_pOwner = pOwner;
    ComputeSliderPosition();

    const CString className = AfxRegisterWndClass(CS_SAVEBITS | CS_CLASSDC | CS_HREDRAW | CS_VREDRAW, nullptr,
                                                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    // Not shown yet: it takes the DPI of the window it opens over.
    const UINT dpi = AfxGetWindowDpi(pOwner);
    GvPoint at = GvPlacePopupSlider(ToGvPoint(point), nullptr, dpi);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    HMONITOR hMonitor = MonitorFromPoint(ToCPoint(at), MONITOR_DEFAULTTONEAREST);
    if (hMonitor && GetMonitorInfo(hMonitor, &monitor)) {
        const GvRect work = ToGvRect(monitor.rcWork);
        at = GvPlacePopupSlider(ToGvPoint(point), &work, dpi);
    }
    const GvSize size = GvScaleToDpi(GvSize{GvPopupSliderWidth, GvPopupSliderHeight}, dpi);
    if (!CreateEx(0, className, L"", WS_POPUP | WS_VISIBLE, at.x, at.y, size.cx, size.cy,
                  pOwner ? pOwner->GetSafeHwnd() : nullptr, nullptr))
        return 0;

    m_lastX = GvSliderThumbTipX(m_position, dpi);
    m_lastY = GvScaleToDpi(GvPopupSliderTipY, dpi);
    MovePointerToThumb();
    m_hOldCursor = SetCursor(LoadCursor(nullptr, IDC_ARROW));
    m_rangeDragging = false;
    SetCapture();
    SetFocus();
    return 1;
}

void CPopupSlider::GetSliderRange(float* pMin, float* pMax) const
{
    if (pMin)
        *pMin = m_min;
    if (pMax)
        *pMax = m_max;
}

void CPopupSlider::EndPopupSlider(int message)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    ReleaseCapture();
    SetCursor(m_hOldCursor);
    // Last touch of this object: the owner may destroy it while handling this.
    NotifyOwner(message, 0);
}

void CPopupSlider::ComputeSliderPosition()
{
    m_position = GvSliderPositionFromValue(m_value, m_min, m_max);
}

void CPopupSlider::DrawSlider()
{
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    CMemoryDC memory(dc, client);
    PaintClient(memory);
}

void CPopupSlider::PaintClient(CDC& dc)
{
    PopupSliderState state = {CRect(), m_position, AfxGetWindowDpi(this)};
    GetClientRect(&state.client);
    PaintPopupSlider(dc, state);
}

void CPopupSlider::UpdateSliderValue(CPoint point)
{
    m_position = GvSliderPositionFromPointerX(point.x, m_clamp, AfxGetWindowDpi(this));
    UpdateSliderWindow();
}

void CPopupSlider::UpdateSliderWindow()
{
    DrawSlider();
    m_value = GvSliderValueFromPosition(m_position, m_min, m_max);
    NotifyOwner(GVM_SLIDER_DELTA, 0);
    AfxNotifyAccValueChange(this, m_accValue);
}

HRESULT CPopupSlider::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    if (!AfxIsAccSelf(varChild))
        return CWnd::get_accValue(varChild, pszValue);
    if (CEdit* pEdit = DYNAMIC_DOWNCAST(CEdit, m_pOwner)) {
        CString text;
        pEdit->GetWindowText(text);
        return AfxSetAccString(pszValue, text);
    }
    const GvStringW text = GvNumberToText(m_value, 2, true);
    return AfxSetAccString(pszValue, reinterpret_cast<LPCWSTR>(static_cast<const unsigned short*>(text)));
}

HRESULT CPopupSlider::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarRole, ROLE_SYSTEM_SLIDER) : CWnd::get_accRole(varChild, pvarRole);
}

HRESULT CPopupSlider::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarState, AfxAccFocusableState(this))
                                  : CWnd::get_accState(varChild, pvarState);
}

void CPopupSlider::UpdateSliderRange(CPoint point)
{
    CRect client;
    GetClientRect(&client);
    const int anchor = client.Height() / 2 - point.y;
    const float delta = static_cast<float>(anchor - m_rangeAnchor) * m_rangeStep;
    if (!GvSliderUpdateRange(m_min, m_max, delta))
        return;
    m_rangeAnchor = anchor;
    NotifyOwner(GVM_SLIDER_RANGE_CHANGED, reinterpret_cast<WPARAM>(GetSafeHwnd()));
}

// An owner whose window went first (it closes the pop-up while it is being
// destroyed) hears nothing.
void CPopupSlider::NotifyOwner(UINT message, WPARAM wParam)
{
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->SendMessage(message, wParam, 0);
}

void CPopupSlider::MovePointerToThumb()
{
    const UINT dpi = AfxGetWindowDpi(this);
    CPoint tip(GvSliderThumbTipX(m_position, dpi), GvScaleToDpi(GvPopupSliderTipY, dpi));
    ClientToScreen(&tip);
    SetCursorPos(tip.x, tip.y);
}

void CPopupSlider::OnNcDestroy()
{
    CWnd::OnNcDestroy();
    delete this;
}

void CPopupSlider::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
    if (point.x != m_lastX) {
        m_lastX = point.x;
        m_lastY = point.y;
        UpdateSliderValue(point);
    }
    EndPopupSlider(GVM_SLIDER_CLOSE);
}

void CPopupSlider::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (!m_allowRangeDrag)
        return;
    m_rangeDragging = true;
    CRect client;
    GetClientRect(&client);
    m_rangeAnchor = client.Height() / 2 - point.y;
    m_rangeStep = GvSliderRangeStep(m_min, m_max);
}

void CPopupSlider::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (!m_rangeDragging)
        return;
    m_rangeDragging = false;
    m_rangeAnchor = 0;
}

// The window is erased with the class brush first and its frame is drawn
// once more on the paint DC, as the pop-up has always done.
void CPopupSlider::OnPaint()
{
    CPaintDC dc(this);
    DrawSlider();
    CRect client;
    GetClientRect(&client);
    dc.DrawEdge(&client, EDGE_RAISED, BF_RECT);
}

void CPopupSlider::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (m_rangeDragging || point.x == m_lastX)
        return;
    m_lastX = point.x;
    m_lastY = point.y;
    UpdateSliderValue(point);
}

void CPopupSlider::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_ESCAPE:
    case VK_RETURN:
    case VK_SPACE:
    case VK_UP: EndPopupSlider(GVM_SLIDER_CLOSE); return;
    case VK_RIGHT: m_position = GvSliderStepPosition(m_position, 1, m_clamp); break;
    case VK_LEFT: m_position = GvSliderStepPosition(m_position, -1, m_clamp); break;
    }
    UpdateSliderWindow();
    MovePointerToThumb();
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CPopupSlider::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    // Releasing the capture may end the pop-up and destroy this object.
    const HCURSOR hOldCursor = m_hOldCursor;
    ReleaseCapture();
    SetCursor(hOldCursor);
}

void CPopupSlider::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CWnd::OnActivateApp(bActive, dwThreadID);
    if (!bActive)
        EndPopupSlider(GVM_SLIDER_CLOSE);
}

BOOL CPopupSlider::OnMouseWheel(UINT nFlags, short zDelta, CPoint point)
{
    m_position = GvSliderStepPosition(m_position, zDelta >= 0 ? 1 : -1, m_clamp);
    UpdateSliderWindow();
    return TRUE;
}

void CPopupSlider::OnCaptureChanged(CWnd* pWnd)
{
    CWnd::OnCaptureChanged(pWnd);
    if (pWnd != this)
        EndPopupSlider(GVM_SLIDER_CLOSE);
}
