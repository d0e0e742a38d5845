#include "numeric/GvNumericEdit.h"

#include "numeric/NumberText.h"

namespace {

const unsigned short* Units(const wchar_t* text)
{
    return reinterpret_cast<const unsigned short*>(text);
}

const wchar_t* Chars(const GvStringW& text)
{
    return reinterpret_cast<const wchar_t*>(text.GetText());
}

} // namespace

BEGIN_MESSAGE_MAP(CGvNumericEdit, CEdit)
    ON_WM_RBUTTONDOWN()
    ON_WM_CHAR()
    ON_CONTROL_REFLECT(EN_SETFOCUS, OnSetFocus)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CGvNumericEdit::CGvNumericEdit()
    : m_value(0.0f), m_precision(5), m_allowNegative(true), m_scientificDisplay(true), m_integerDisplay(false)
{
    m_text = NumberToText(0.0f);
}

CGvNumericEdit::~CGvNumericEdit()
{
}

void CGvNumericEdit::Init(float value, int precision, bool allowNegative)
{
    Default();
    SetData(value, precision, allowNegative);
    SetFocus();
}

void CGvNumericEdit::SetData(float value, int precision, bool allowNegative)
{
    m_value = value;
    m_precision = precision;
    m_allowNegative = allowNegative;
    UpdateText();
}

void CGvNumericEdit::SetNumericValue(float value)
{
    m_value = value;
    UpdateText();
}

void CGvNumericEdit::UpdateText()
{
    m_text = GvNumberDisplayText(m_value, m_precision, m_scientificDisplay, m_integerDisplay);
    SetWindowText(Chars(m_text));
}

void CGvNumericEdit::UpdateValue()
{
    CString text;
    GetWindowText(text);
    m_value = static_cast<float>(GvStrToDoubleW(Units(text), nullptr));
    m_text = NumberToText(m_value);
}

GvStringW CGvNumericEdit::NumberToText(float value)
{
    return GvNumberToText(value, m_precision, m_scientificDisplay);
}

float CGvNumericEdit::TextToNumber(const wchar_t* text)
{
    return static_cast<float>(GvStrToDoubleW(Units(text), nullptr));
}

bool CGvNumericEdit::IsValidChar(unsigned int ch)
{
    int start = 0, end = 0;
    GetSel(start, end);
    CString text;
    GetWindowText(text);
    return GvIsNumberCharAccepted(ch, Units(text), start, end, m_precision, m_allowNegative);
}

void CGvNumericEdit::OnRButtonDown(UINT, CPoint)
{
}

void CGvNumericEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsValidChar(nChar)) {
        MessageBeep(MB_OK);
        return;
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);

    int start = 0, end = 0;
    GetSel(start, end);
    CString text;
    GetWindowText(text);
    GvStringW units(Units(text));
    if (GvMoveMinusToFront(units))
        SetWindowText(Chars(units));
    SetSel(start, end, TRUE);
    SendMessage(EM_SCROLLCARET);
}

void CGvNumericEdit::OnSetFocus()
{
    SetWindowText(Chars(m_text));
    SetSel(0, -1, TRUE);
    SendMessage(EM_SCROLLCARET);
}

void CGvNumericEdit::OnKillFocus(CWnd* pNewWnd)
{
    UpdateValue();
    UpdateText();
    CEdit::OnKillFocus(pNewWnd);
}
