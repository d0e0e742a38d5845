// Colour selection: an embedded colour picker (wheel and sliders inside),
// and a colour button that opens the colour picker dialog.
#include <algorithm>
#include "ExampleHost.h"
#include "GvColor.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

const UINT kColorButtonId = 110;

COLORREF ToColorRef(const float color[4])
{
    return RGB(static_cast<int>(color[0] * 255.0f + 0.5f), static_cast<int>(color[1] * 255.0f + 0.5f),
               static_cast<int>(color[2] * 255.0f + 0.5f));
}

class CColorFamily : public CExampleFamily
{
public:
    const wchar_t* Title() const override { return L"Colour picker, colour button and picker dialog"; }

    CSize CreateControls(const ExampleHostData&) override
    {
        // The picker in its large view, at the size of its template (2001,
        // a resource of GvMFCUtilities.dll). It writes every change into
        // m_pickerColor and m_pickerPacked.
        if (!m_picker.Create(m_hWnd, nullptr, m_pickerColor, &m_pickerPacked, nullptr, nullptr, false, 0, true, false))
            return CSize();
        m_picker.SetWindowPos(nullptr, kMargin, kTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect picker;
        m_picker.GetWindowRect(&picker);
        const int buttonTop = kTop + picker.Height() + 6;
        if (!m_button.Create(L"Colour...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                             CRect(kMargin, buttonTop, kMargin + 120, buttonTop + 26), this, kColorButtonId))
            return CSize();
        m_button.SetColor(RGB(255, 255, 255), ToColorRef(m_dialogColor));
        return CSize(kMargin * 2 + std::max(120, static_cast<int>(picker.Width())), buttonTop + 34);
    }

    bool Check(std::string& seen) override
    {
        bool ok = CheckPicker(seen);
        // A click on the colour button opens the dialog on m_dialogColor; a
        // typed red reaches the button through the dialog's notification;
        // Cancel puts the colour it opened with back and tells the owner
        // again, and the dialog deletes itself with its window.
        m_button.SendMessage(BM_CLICK, 0, 0);
        const HWND dialog = m_dialog;
        const HWND red = dialog ? FindDescendant(dialog, IDC_GV_RED_EDIT) : nullptr;
        if (!red) {
            seen += "; no dialog";
            return false;
        }
        ::SetWindowTextW(red, L"255");
        ::SendMessageW(red, WM_KILLFOCUS, 0, 0);
        const int changesWhileOpen = m_dialogChanges;
        const COLORREF typed = ButtonPixel();
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        AfxPumpPendingMessages();
        const COLORREF restored = ButtonPixel();
        ok = ok && changesWhileOpen >= 1 && typed == RGB(255, 0, 255) && m_dialogChanges > changesWhileOpen
             && restored == RGB(0, 0, 255) && m_dialogColor[0] == 0.0f && !::IsWindow(dialog) && m_clicks == 1;
        seen += Format("; button: %d click, typed red: %d change, face %06lX; cancelled: %d change, face %06lX, red "
                       "%.0f, dialog %s",
                       m_clicks, changesWhileOpen, typed, m_dialogChanges - changesWhileOpen, restored,
                       m_dialogColor[0], ::IsWindow(dialog) ? "open" : "gone");
        return ok;
    }

protected:
    // The picker shows red: its template's size, the swatch filled with
    // red, the wheel's centre white (saturation 0 at value 1) and the packed
    // output written.
    bool CheckPicker(std::string& seen)
    {
        CRect client, expected(0, 0, 170, 184);
        m_picker.GetClientRect(&client);
        m_picker.MapDialogRect(&expected);
        const HWND swatch = ::GetDlgItem(m_picker.m_hWnd, IDC_GV_COLOR_BUTTON);
        const HWND wheel = ::GetDlgItem(m_picker.m_hWnd, IDC_GV_COLOR_WHEEL);
        if (!swatch || !wheel)
            return false;
        CRect swatchRect, wheelRect;
        ::GetClientRect(swatch, &swatchRect);
        ::GetClientRect(wheel, &wheelRect);
        const COLORREF swatchPixel = ClientPixel(swatch, swatchRect.CenterPoint());
        const COLORREF wheelPixel = ClientPixel(wheel, wheelRect.CenterPoint());
        seen = Format("picker %dx%d (template %dx%d), swatch %06lX, wheel centre %06lX, packed %08lX", client.Width(),
                      client.Height(), expected.Width(), expected.Height(), swatchPixel, wheelPixel, m_pickerPacked);
        return client.Size() == expected.Size() && swatchPixel == RGB(255, 0, 0) && GetRValue(wheelPixel) >= 250
               && GetGValue(wheelPixel) >= 250 && GetBValue(wheelPixel) >= 250 && m_pickerPacked == 0xFF0000FF;
    }
    COLORREF ButtonPixel()
    {
        CRect rect;
        m_button.GetClientRect(&rect);
        return ClientPixel(m_button.m_hWnd, CPoint(rect.left + 8, rect.CenterPoint().y));
    }

    // The dialog is modeless: allocated with new, it deletes itself once
    // its window is destroyed, so only its window handle is kept.
    afx_msg void OnColorButton()
    {
        ++m_clicks;
        if (::IsWindow(m_dialog))
            return;
        auto* dialog = new CGvColorPickerDlg;
        if (!dialog->Create(m_hWnd, L"Button colour", m_dialogColor, nullptr, nullptr, nullptr, false, 0)) {
            delete dialog;
            return;
        }
        m_dialog = dialog->m_hWnd;
    }
    // From the embedded picker (wParam its window) or the dialog.
    afx_msg LRESULT OnColorChanged(WPARAM wParam, LPARAM)
    {
        if (reinterpret_cast<HWND>(wParam) == m_dialog) {
            ++m_dialogChanges;
            m_button.SetColor(RGB(255, 255, 255), ToColorRef(m_dialogColor));
            m_button.Invalidate();
        }
        return 1;
    }
    DECLARE_MESSAGE_MAP()

    CGvColorPickerCtrl m_picker;
    float m_pickerColor[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    DWORD m_pickerPacked = 0;
    CColorButton m_button;
    float m_dialogColor[4] = {0.0f, 0.0f, 1.0f, 1.0f};
    HWND m_dialog = nullptr;
    int m_clicks = 0, m_dialogChanges = 0;
};

BEGIN_MESSAGE_MAP(CColorFamily, CExampleFamily)
    ON_BN_CLICKED(kColorButtonId, OnColorButton)
    ON_MESSAGE(GVM_COLOR_CHANGED, OnColorChanged)
END_MESSAGE_MAP()

} // namespace

CExampleFamily* MakeColorFamily()
{
    return new CColorFamily;
}
