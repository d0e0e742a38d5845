#include "demo/NumericPanel.h"

#include <cwchar>
#include "GvMessages.h"

struct CNumericPanel::RowSetup
{
    LPCWSTR label;
    bool slider;
    float value;
    int precision;
    bool allowNegative;
    bool scientific;
    bool integer;
    float min, max;
    bool clamp;
    int alignment;
    bool enabled;
};

namespace {

const UINT kFirstEditId = 1000;
const int kRowHeight = 30;
const int kPopupRow = 6;

const CNumericPanel::RowSetup kRows[] = {
    {L"Numeric edit, 5 decimals", false, 1234.5f, 5, true, true, false, 0, 0, false, 0, true},
    {L"Numeric edit, large value", false, 12345.0f, 5, true, true, false, 0, 0, false, 0, true},
    {L"Numeric edit, small value", false, 0.000001f, 5, true, true, false, 0, 0, false, 0, true},
    {L"Numeric edit, scientific off", false, 12345.0f, 5, true, false, false, 0, 0, false, 0, true},
    {L"Numeric edit, integer form", false, 2.5f, 5, true, true, true, 0, 0, false, 0, true},
    {L"Numeric edit, 2 decimals, no sign", false, 0.25f, 2, false, true, false, 0, 0, false, 0, true},
    {L"Slider edit, 0 to 1, clamped", true, 0.5f, 3, true, true, false, 0.0f, 1.0f, true, 0, true},
    {L"Slider edit, button left, integer", true, 42.0f, 0, true, true, true, 0.0f, 100.0f, true, 1, true},
    {L"Slider edit, -1 to 1, not clamped", true, 3.0f, 4, true, true, false, -1.0f, 1.0f, false, 0, true},
    {L"Slider edit, scientific", true, 20000.0f, 2, true, true, false, 0.0f, 100000.0f, false, 0, true},
    {L"Slider edit, disabled", true, 7.0f, 1, true, true, false, 0.0f, 10.0f, true, 0, false},
};

std::unique_ptr<CWnd> MakeStatic(CWnd* pParent, LPCWSTR text, const CRect& rect)
{
    std::unique_ptr<CWnd> label(new CWnd);
    label->CreateEx(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, rect, pParent, 0);
    label->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    return label;
}

} // namespace

BEGIN_MESSAGE_MAP(CNumericPanel, CDemoPanel)
    ON_CONTROL_RANGE(EN_KILLFOCUS, kFirstEditId, kFirstEditId + 99, OnEditKillFocus)
    ON_MESSAGE(GVM_SLIDER_DELTA, OnSliderMessage)
    ON_MESSAGE(GVM_SLIDER_CLOSE, OnSliderMessage)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

BOOL CNumericPanel::CreatePanel(CWnd* pParent, const CRect& rect, UINT nID)
{
    if (!CreateEx(WS_EX_CONTROLPARENT,
                  AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  L"", WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID))
        return FALSE;

    const auto px = [this](int pixels) { return AfxScaleForWindow(this, pixels); };
    int y = px(12);
    UINT id = kFirstEditId;
    for (const RowSetup& setup : kRows) {
        Row row;
        row.pSetup = &setup;
        row.label = MakeStatic(this, setup.label, CRect(px(12), y, px(232), y + px(22)));
        const CRect editRect(px(240), y, px(400), y + px(22));
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (setup.enabled ? 0 : WS_DISABLED);
        if (setup.slider) {
            std::unique_ptr<CGvSliderEdit> slider(new CGvSliderEdit);
            slider->Create(setup.alignment, WS_EX_CLIENTEDGE, L"", style, editRect, this, id);
            slider->SetScientificDisplay(setup.scientific);
            slider->SetNumericDisplayType(setup.integer);
            slider->SetData(setup.value, setup.min, setup.max, setup.clamp, 300, setup.precision, setup.allowNegative);
            row.edit = std::move(slider);
        } else {
            row.edit.reset(new CGvNumericEdit);
            row.edit->CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", style, editRect, this, id);
            row.edit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
            row.edit->SetScientificDisplay(setup.scientific);
            row.edit->SetNumericDisplayType(setup.integer);
            row.edit->SetData(setup.value, setup.precision, setup.allowNegative);
        }
        row.value = MakeStatic(this, L"", CRect(px(412), y, rect.Width() - px(12), y + px(22)));
        m_rows.push_back(std::move(row));
        ShowValue(m_rows.back());
        y += px(kRowHeight);
        ++id;
    }
    return TRUE;
}

CString CNumericPanel::BeginScene(int scene)
{
    if (scene != 1)
        return CString();
    // Open the pop-up of the clamped slider edit and sweep it with the pointer.
    CGvNumericEdit* pEdit = m_rows[kPopupRow].edit.get();
    pEdit->SetFocus();
    pEdit->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    if (HWND hPopup = ::GetCapture()) {
        CPoint thumb(AfxScaleForWindow(this, 12 + 70), AfxScaleForWindow(this, 10));
        ::ClientToScreen(hPopup, &thumb);
        SetCursorPos(thumb.x, thumb.y);
    }
    return CString(L"popup");
}

void CNumericPanel::EndScene(int scene)
{
    if (HWND hPopup = ::GetCapture())
        ::SendMessageW(hPopup, WM_KEYDOWN, VK_ESCAPE, 0);
}

void CNumericPanel::ShowValue(Row& row)
{
    wchar_t text[64];
    std::swprintf(text, 64, L"= %g", static_cast<double>(row.edit->GetNumericValue()));
    row.value->SetWindowText(text);
}

CNumericPanel::Row* CNumericPanel::FindRow(const CWnd* pEdit)
{
    for (Row& row : m_rows)
        if (row.edit.get() == pEdit)
            return &row;
    return nullptr;
}

void CNumericPanel::OnEditKillFocus(UINT nID)
{
    if (Row* pRow = FindRow(FromHandlePermanent(::GetDlgItem(m_hWnd, nID))))
        ShowValue(*pRow);
}

LRESULT CNumericPanel::OnSliderMessage(WPARAM wParam, LPARAM)
{
    // wParam is the slider edit object.
    if (Row* pRow = FindRow(reinterpret_cast<CGvSliderEdit*>(wParam)))
        ShowValue(*pRow);
    return 1;
}

LRESULT CNumericPanel::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(GuiFont());
}
