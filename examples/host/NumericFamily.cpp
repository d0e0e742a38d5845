// The numeric value controls: a slider edit (with its pop-up slider) and a
// numeric edit.
#include "ExampleHost.h"
#include "GvNumeric.h"

namespace {

const UINT kSliderId = 100;
const UINT kNumberId = 101;

class CNumericFamily : public CExampleFamily
{
public:
    const wchar_t* Title() const override { return L"Numeric edit, slider edit and pop-up slider"; }

    CSize CreateControls(const ExampleHostData&) override
    {
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
        // The slider edit tells its parent of every swept value
        // (GVM_SLIDER_DELTA) and of the pop-up's end (GVM_SLIDER_CLOSE).
        if (!m_slider.Create(0, WS_EX_CLIENTEDGE, L"", style, CRect(kMargin, kTop, 188, kTop + 22), this, kSliderId))
            return CSize();
        m_slider.SetData(0.25f, 0.0f, 1.0f, true, 100, 2, false);
        if (!m_number.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", style, CRect(kMargin, kTop + 30, 188, kTop + 52), this,
                               kNumberId))
            return CSize();
        m_number.SetData(-3.5f, 3, true);
        return CSize(196, kTop + 60);
    }

    bool Check(std::string& seen) override
    {
        const std::wstring first = WindowText(m_slider.m_hWnd), number = WindowText(m_number.m_hWnd);
        // The same window width: the slider button takes its part of the
        // slider edit's client area.
        CRect sliderClient, numberClient;
        m_slider.GetClientRect(&sliderClient);
        m_number.GetClientRect(&numberClient);
        bool ok = first == L"0.25" && number == L"-3.500" && sliderClient.Width() < numberClient.Width();

        // Down opens the pop-up slider, which takes the capture; its thumb
        // stands at 75 % (the base of the thumb is black at 12 + 75, 14).
        // Right steps by a hundredth of the range, Enter takes the value and
        // closes it.
        m_slider.SetNumericValue(0.75f);
        m_slider.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        const HWND popup = ::GetCapture();
        const COLORREF thumb = popup ? ClientPixel(popup, CPoint(87, 14)) : CLR_INVALID;
        if (popup) {
            ::SendMessageW(popup, WM_KEYDOWN, VK_RIGHT, 0);
            ::SendMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
        }
        const std::wstring swept = WindowText(m_slider.m_hWnd);
        ok = ok && popup && thumb == RGB(0, 0, 0) && !::IsWindow(popup) && swept == L"0.76"
             && m_slider.GetNumericValue() == 0.76f && m_deltas == 1 && m_closes == 1;

        // Text typed into the numeric edit becomes its value when the focus
        // leaves, before the parent hears EN_KILLFOCUS.
        m_number.SetWindowText(L"2.5");
        m_number.SendMessage(WM_KILLFOCUS, 0, 0);
        ok = ok && m_number.GetNumericValue() == 2.5f && m_valueAtKillFocus == 2.5f && m_killFocus == 1;
        seen = Format("slider %ls, number %ls, swept to %ls: %d delta, %d close, thumb pixel %06lX; typed 2.5: "
                      "value %.2f, %d EN_KILLFOCUS",
                      first.c_str(), number.c_str(), swept.c_str(), m_deltas, m_closes, thumb,
                      m_number.GetNumericValue(), m_killFocus);
        return ok;
    }

protected:
    afx_msg LRESULT OnSliderDelta(WPARAM, LPARAM)
    {
        ++m_deltas;
        return 0;
    }
    afx_msg LRESULT OnSliderClose(WPARAM, LPARAM)
    {
        ++m_closes;
        return 0;
    }
    afx_msg void OnNumberKillFocus()
    {
        ++m_killFocus;
        m_valueAtKillFocus = m_number.GetNumericValue();
    }
    DECLARE_MESSAGE_MAP()

    CGvSliderEdit m_slider;
    CGvNumericEdit m_number;
    int m_deltas = 0, m_closes = 0, m_killFocus = 0;
    float m_valueAtKillFocus = 0.0f;
};

BEGIN_MESSAGE_MAP(CNumericFamily, CExampleFamily)
    ON_MESSAGE(GVM_SLIDER_DELTA, OnSliderDelta)
    ON_MESSAGE(GVM_SLIDER_CLOSE, OnSliderClose)
    ON_EN_KILLFOCUS(kNumberId, OnNumberKillFocus)
END_MESSAGE_MAP()

} // namespace

CExampleFamily* MakeNumericFamily()
{
    return new CNumericFamily;
}
