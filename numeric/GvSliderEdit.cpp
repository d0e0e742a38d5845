#include "numeric/GvSliderEdit.h"

#include "GvMessages.h"
#include "numeric/PopupSlider.h"
#include "numeric/SliderMath.h"

namespace {

// No size, no move, no z-order, no activation, frame changed.
const UINT kRecalcFrameFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

struct SliderButtonState
{
    CRect rect; // relative to the window's top-left corner
    CGvSliderEdit::MouseButtonState state;
};

void PaintSliderButton(CDC& dc, const SliderButtonState& button)
{
    UINT flags = DFCS_SCROLLDOWN;
    if (button.state == CGvSliderEdit::MouseButtonPushed)
        flags |= DFCS_PUSHED;
    else if (button.state == CGvSliderEdit::MouseButtonDisabled)
        flags |= DFCS_INACTIVE;
    CRect rect(button.rect);
    dc.DrawFrameControl(&rect, DFC_SCROLL, flags);
}

// A temporary wrapper is freed at idle time: only a permanent object may be kept.
bool IsPermanent(CWnd* pWnd)
{
    return pWnd && CWnd::FromHandlePermanent(pWnd->GetSafeHwnd()) == pWnd;
}

} // namespace

BEGIN_MESSAGE_MAP(CGvSliderEdit, CGvNumericEdit)
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCPAINT()
    ON_WM_ENABLE()
    ON_WM_SIZE()
    ON_CONTROL_REFLECT(EN_UPDATE, OnUpdate)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_MESSAGE(GVM_SLIDER_DELTA, OnSliderDelta)
    ON_MESSAGE(GVM_SLIDER_CLOSE, OnSliderClose)
    ON_MESSAGE(GVM_SLIDER_RANGE_CHANGED, OnSliderRangeChanged)
END_MESSAGE_MAP()

CGvSliderEdit::CGvSliderEdit()
    : m_sliderMin(0.0f), m_sliderMax(100.0f), m_clampToRange(false), m_numSteps(0), m_alignment(0),
      m_buttonTracking(FALSE), m_buttonRect(0, 0, 0, 0), m_buttonState(MouseButtonNormal), m_pPopup(nullptr),
      m_pNotifyWnd(nullptr)
{
}

CGvSliderEdit::~CGvSliderEdit()
{
    DestroyPopup();
}

int CGvSliderEdit::Create(int alignment, DWORD dwExStyle, LPCWSTR lpszText, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, UINT nID)
{
    const int created = CreateEx(dwExStyle, L"EDIT", lpszText, dwStyle, rect, pParentWnd, nID, nullptr);
    if (!created)
        return created;
    m_alignment = alignment;
    RecalcFrame();
    if (pParentWnd) {
        SendMessage(WM_SETFONT, pParentWnd->SendMessage(WM_GETFONT), TRUE);
        if (IsPermanent(pParentWnd))
            m_pNotifyWnd = pParentWnd;
    }
    return created;
}

void CGvSliderEdit::Init(CWnd* pNotifyWnd, float value, float min, float max, bool clamp, int numSteps, int precision,
                         bool allowNegative)
{
    Default();
    SetData(value, min, max, clamp, numSteps, precision, allowNegative);
    m_pNotifyWnd = pNotifyWnd;
    SetFocus();
}

void CGvSliderEdit::SetData(float value, float min, float max, bool clamp, int numSteps, int precision,
                            bool allowNegative)
{
    CGvNumericEdit::SetData(value, precision, allowNegative);
    m_sliderMin = min;
    m_sliderMax = max;
    m_clampToRange = clamp;
    m_value = value;
    m_numSteps = numSteps;
    UpdateText();
}

void CGvSliderEdit::SetSliderRange(float min, float max, bool clamp)
{
    m_sliderMin = min;
    m_sliderMax = max;
    m_clampToRange = clamp;
}

void CGvSliderEdit::GetSliderRange(float& min, float& max, bool& clamp) const
{
    min = m_sliderMin;
    max = m_sliderMax;
    clamp = m_clampToRange;
}

void CGvSliderEdit::SliderButtonClicked()
{
    CRect anchor = ToCRect(GvSliderEditPopupAnchor(ToGvRect(m_buttonRect)));
    ClientToScreen(&anchor);
    DrawSliderButton(MouseButtonPushed);

    float popupMin, popupMax;
    GvSliderEditPopupRange(m_value, m_sliderMin, m_sliderMax, m_clampToRange, &popupMin, &popupMax);
    m_pPopup = new (std::nothrow)
        CPopupSlider(CPoint(anchor.left, anchor.bottom), m_value, popupMin, popupMax, m_clampToRange, this, true);
    // A pop-up without a window would never end: drop it and show the button idle.
    if (m_pPopup && !m_pPopup->GetSafeHwnd()) {
        delete m_pPopup;
        m_pPopup = nullptr;
        DrawSliderButton(MouseButtonNormal);
    }
}

void CGvSliderEdit::DrawSliderButton(MouseButtonState state)
{
    m_buttonState = (GetStyle() & WS_DISABLED) ? MouseButtonDisabled : state;
    // The button lies in the non-client area: it is drawn into the window DC.
    CWindowDC dc(this);
    CMemoryDC memory(dc, m_buttonRect);
    PaintSliderButton(memory, {m_buttonRect, m_buttonState});
}

BOOL CGvSliderEdit::IsScreenPtInSliderButtonRect(CPoint screenPoint) const
{
    CRect window;
    GetWindowRect(&window);
    return m_buttonRect.PtInRect(screenPoint - window.TopLeft());
}

int CGvSliderEdit::GetIntPosition() const
{
    return GvSliderIntPosition(m_value, m_sliderMin, m_sliderMax, m_numSteps);
}

int CGvSliderEdit::GetPosPerc() const
{
    return GvSliderPosPerc(GetIntPosition(), m_sliderMin, m_sliderMax);
}

void CGvSliderEdit::OnInvalidInput()
{
    MessageBeep(0xFFFFFFFF);
}

CWnd* CGvSliderEdit::GetNotifyWnd()
{
    if (m_pNotifyWnd)
        return m_pNotifyWnd;
    CWnd* pParent = GetParent();
    if (IsPermanent(pParent))
        m_pNotifyWnd = pParent;
    return pParent;
}

void CGvSliderEdit::RecalcFrame()
{
    SetWindowPos(nullptr, 0, 0, 0, 0, kRecalcFrameFlags);
}

// The pop-up is owned by the top-level window, not by this edit. It deletes
// itself with its window; it is forgotten first, as its end may come back here.
void CGvSliderEdit::DestroyPopup()
{
    if (CPopupSlider* pPopup = m_pPopup) {
        m_pPopup = nullptr;
        pPopup->DestroyWindow();
    }
}

// The focus is inside the open pop-up, which is still the active window: not
// so when the user moved the focus elsewhere or left the application.
bool CGvSliderEdit::PopupHasFocus() const
{
    const HWND hPopup = m_pPopup ? m_pPopup->GetSafeHwnd() : nullptr;
    const HWND hFocus = ::GetFocus();
    return hPopup && hFocus && (hFocus == hPopup || ::IsChild(hPopup, hFocus)) && ::GetActiveWindow() == hPopup;
}

void CGvSliderEdit::PostNcDestroy()
{
    DestroyPopup();
    CGvNumericEdit::PostNcDestroy();
}

void CGvSliderEdit::EndButtonTracking()
{
    ReleaseCapture();
    m_buttonTracking = FALSE;
    if (m_buttonState != MouseButtonNormal)
        DrawSliderButton(MouseButtonNormal);
    if (m_pPopup)
        m_pPopup->EndPopupSlider(GVM_SLIDER_CLOSE);
}

void CGvSliderEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    CGvNumericEdit::OnLButtonUp(nFlags, point);
    if (!m_buttonTracking)
        return;
    ReleaseCapture();
    m_buttonTracking = FALSE;
    if (m_buttonState != MouseButtonNormal)
        DrawSliderButton(MouseButtonNormal);
    ClientToScreen(&point);
    if (IsScreenPtInSliderButtonRect(point))
        SliderButtonClicked();
}

void CGvSliderEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    CGvNumericEdit::OnMouseMove(nFlags, point);
    if (!m_buttonTracking)
        return;
    ClientToScreen(&point);
    const MouseButtonState wanted = IsScreenPtInSliderButtonRect(point) ? MouseButtonPushed : MouseButtonNormal;
    if (m_buttonState != wanted)
        DrawSliderButton(wanted);
}

void CGvSliderEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    const GvPoint windowOrigin = {lpncsp->rgrc[0].left, lpncsp->rgrc[0].top};
    CGvNumericEdit::OnNcCalcSize(bCalcValidRects, lpncsp);
    GvRect client = ToGvRect(lpncsp->rgrc[0]);
    m_buttonRect = ToCRect(GvSliderButtonLayout(client, m_alignment, bCalcValidRects != FALSE, windowOrigin));
    lpncsp->rgrc[0] = ToCRect(client);
}

LRESULT CGvSliderEdit::OnNcHitTest(CPoint point)
{
    const LRESULT hit = CGvNumericEdit::OnNcHitTest(point);
    if (hit != HTNOWHERE)
        return hit;
    return IsScreenPtInSliderButtonRect(point) ? HTBORDER : hit;
}

void CGvSliderEdit::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CGvNumericEdit::OnNcLButtonDown(nHitTest, point);
    if (!IsScreenPtInSliderButtonRect(point))
        return;
    SetCapture();
    m_buttonTracking = TRUE;
    SetFocus();
    DrawSliderButton(MouseButtonPushed);
}

void CGvSliderEdit::OnNcPaint()
{
    CGvNumericEdit::OnNcPaint();
    DrawSliderButton(m_buttonState);
}

void CGvSliderEdit::OnEnable(BOOL bEnable)
{
    CGvNumericEdit::OnEnable(bEnable);
    DrawSliderButton(bEnable ? MouseButtonNormal : MouseButtonDisabled);
}

void CGvSliderEdit::OnSize(UINT nType, int cx, int cy)
{
    CGvNumericEdit::OnSize(nType, cx, cy);
    RecalcFrame();
}

void CGvSliderEdit::OnUpdate()
{
}

void CGvSliderEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_buttonTracking)
        EndButtonTracking();
    CGvNumericEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CGvSliderEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && !m_buttonTracking)
        SliderButtonClicked();
    else if (nChar == VK_UP && m_buttonTracking)
        EndButtonTracking();
    CGvNumericEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CGvSliderEdit::OnSliderDelta(WPARAM, LPARAM)
{
    if (!m_pPopup)
        return 1;
    m_value = m_pPopup->GetSliderValue();
    UpdateText();
    if (CWnd* pNotify = GetNotifyWnd())
        pNotify->SendMessage(GVM_SLIDER_DELTA, reinterpret_cast<WPARAM>(this), 0);
    return 1;
}

LRESULT CGvSliderEdit::OnSliderClose(WPARAM, LPARAM)
{
    DrawSliderButton(MouseButtonNormal);
    // A keyboard user goes on typing here. Taken while the pop-up still
    // stands, the focus passes straight from it to this edit, never through
    // the top-level window that a destroyed active pop-up hands it to.
    if (PopupHasFocus())
        SetFocus();
    // Forgotten before anyone is told, who might open the next one.
    DestroyPopup();
    if (CWnd* pNotify = GetNotifyWnd())
        pNotify->SendMessage(GVM_SLIDER_CLOSE, reinterpret_cast<WPARAM>(this), 0);
    return 1;
}

LRESULT CGvSliderEdit::OnSliderRangeChanged(WPARAM, LPARAM)
{
    return 1;
}

void DDX_CGvSliderEdit(CDataExchange* pDX, int nIDC, CGvSliderEdit& rControl, int alignment)
{
    if (rControl.GetSafeHwnd())
        return;
    HWND hEdit = pDX->PrepareEditCtrl(nIDC);
    if (!rControl.SubclassWindow(hEdit))
        AfxThrowNotSupportedException();
    rControl.m_alignment = alignment;
    rControl.RecalcFrame();
}
