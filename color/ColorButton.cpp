#include "color/ColorButton.h"

#include "GvStringFunctions.h"
#include "color/ColorButtonFrame.h"
#include "color/ColorPickerMath.h"
#include "platform/mfc/MfcPortableTypes.h"

namespace {
const int kFieldSystemColors[7] = {COLOR_BTNTEXT,      COLOR_BTNFACE,   COLOR_BTNFACE,   COLOR_3DLIGHT,
                                   COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DDKSHADOW};
}

BEGIN_MESSAGE_MAP(CColorButton, CButton)
END_MESSAGE_MAP()

CColorButton::CColorButton()
{
    ResetColor();
    EnableActiveAccessibility();
}

CColorButton::~CColorButton()
{
}

void CColorButton::SetColor(COLORREF text, COLORREF background)
{
    SetColor(text, background, ::GetSysColor(COLOR_BTNFACE));
    m_systemColors[2] = m_disabledColor;
}

void CColorButton::SetColor(COLORREF text, COLORREF background, COLORREF disabled)
{
    m_textColor = text;
    m_backgroundColor = background;
    m_disabledColor = disabled;
    m_systemColors[0] = m_systemColors[1] = m_systemColors[2] = CLR_INVALID;
    InvalidateRect(nullptr, FALSE);
}

void CColorButton::ResetColor()
{
    m_textColor = ::GetSysColor(COLOR_BTNTEXT);
    m_backgroundColor = ::GetSysColor(COLOR_BTNFACE);
    m_disabledColor = ::GetSysColor(COLOR_BTNFACE);
    m_lightColor = ::GetSysColor(COLOR_3DLIGHT);
    m_highlightColor = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_shadowColor = ::GetSysColor(COLOR_BTNSHADOW);
    m_darkShadowColor = ::GetSysColor(COLOR_3DDKSHADOW);
    for (int i = 0; i < 7; ++i)
        m_systemColors[i] = ::GetSysColor(kFieldSystemColors[i]);
    InvalidateRect(nullptr, FALSE);
}

void CColorButton::FollowSystemColors()
{
    COLORREF* const fields[7] = {&m_textColor,      &m_backgroundColor, &m_disabledColor,  &m_lightColor,
                                 &m_highlightColor, &m_shadowColor,     &m_darkShadowColor};
    for (int i = 0; i < 7; ++i) {
        if (m_systemColors[i] == CLR_INVALID)
            continue;
        const COLORREF now = ::GetSysColor(kFieldSystemColors[i]);
        if (*fields[i] == m_systemColors[i])
            *fields[i] = now;
        m_systemColors[i] = now;
    }
}

void CColorButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDrawItemDC dc(lpDrawItemStruct);
    if (!dc.m_hDC)
        return;
    FollowSystemColors();
    CDC* pDC = &dc;
    const UINT state = dc.m_itemState;
    const CRect item = dc.m_rcItem;
    CRect text = item;
    text.OffsetRect(-1, -1);
    CRect pressed = text;
    pressed.OffsetRect(1, 1);
    CRect focus = item;
    focus.DeflateRect(4, 4);
    wchar_t caption[513] = L"";
    GetWindowText(caption, 512);

    const bool disabled = (state & ODS_DISABLED) != 0;
    DrawFilledRect(pDC, item, disabled ? m_disabledColor : m_backgroundColor);
    DrawButtonFrame(pDC, item, GvColorButtonFrameStyle(state));
    if (disabled) {
        DrawButtonText(pDC, pressed, caption, RGB(255, 255, 255));
        DrawButtonText(pDC, text, caption, RGB(128, 128, 128));
    } else if (state & ODS_SELECTED) {
        DrawButtonText(pDC, pressed, caption, m_textColor);
    } else {
        DrawButtonText(pDC, text, caption, m_textColor);
    }
    if (state & ODS_FOCUS)
        pDC->DrawFocusRect(&focus);
}

void CColorButton::DrawFilledRect(CDC* pDC, CRect rect, COLORREF color)
{
    CBrush brush(color);
    pDC->FillRect(&rect, &brush);
}

void CColorButton::DrawLine(CDC* pDC, long x1, long y1, long x2, long y2, COLORREF color)
{
    CPen pen(PS_SOLID, 1, color);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
    pDC->SelectObject(pOldPen);
}

void CColorButton::DrawButtonText(CDC* pDC, CRect rect, const wchar_t* text, COLORREF color)
{
    const COLORREF oldColor = pDC->SetTextColor(color);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(text, GvStrLenW(reinterpret_cast<const unsigned short*>(text)), &rect,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetTextColor(oldColor);
}

void CColorButton::DrawButtonFrame(CDC* pDC, CRect rect, int style)
{
    const COLORREF colors[] = {RGB(0, 0, 0), m_highlightColor, m_darkShadowColor, m_lightColor, m_shadowColor};
    GvFrameStroke strokes[GvFrameMaxStrokes];
    const int count = GvColorButtonFrame(ToGvRect(rect), style, strokes);
    for (int i = 0; i < count; ++i)
        DrawLine(pDC, strokes[i].from.x, strokes[i].from.y, strokes[i].to.x, strokes[i].to.y, colors[strokes[i].color]);
}

HRESULT CColorButton::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    if (!AfxIsAccSelf(varChild))
        return CButton::get_accDescription(varChild, pszDescription);
    const std::u16string text = GvColorAccessibleText(GvRGBA::FromPacked(m_backgroundColor | 0xFF000000u));
    return AfxSetAccString(pszDescription, reinterpret_cast<LPCWSTR>(text.c_str()));
}

HRESULT CColorButton::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarRole, ROLE_SYSTEM_PUSHBUTTON)
                                  : CButton::get_accRole(varChild, pvarRole);
}
