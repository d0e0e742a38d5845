// A host window with the library's value controls, the colour picker and the
// editor control, built against the installed package.
//   GvExampleHost.exe           shows the window until it is closed
//   GvExampleHost.exe --check   creates the controls, checks that they show
//                               their values, prints them and exits (0: all
//                               as expected)
#include <cstdio>
#include <cwchar>
#include "GvColor.h"
#include "GvNumeric.h"
#include "platform/edit/BCGPEditCtrl.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

const UINT kSliderId = 100;
const UINT kNumberId = 101;
const UINT kEditorId = 102;

class CExampleFrame : public CWnd
{
public:
    BOOL CreateFrame()
    {
        if (!CreateEx(
                0, AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                L"GvMFCUtilities example host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100, 380, 460, nullptr,
                nullptr))
            return FALSE;
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
        if (!m_slider.Create(0, WS_EX_CLIENTEDGE, L"", style, CRect(20, 20, 200, 42), this, kSliderId))
            return FALSE;
        m_slider.SetData(0.25f, 0.0f, 1.0f, true, 300, 2, false);
        if (!m_number.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", style, CRect(20, 60, 200, 82), this, kNumberId))
            return FALSE;
        m_number.SetData(-3.5f, 3, true);
        if (!m_editor.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(210, 20, 340, 82), this, kEditorId))
            return FALSE;
        m_editor.InsertText(L"float4 c;");
        // The picker in its large view, at the size of its template (2001,
        // a resource of GvMFCUtilities.dll).
        if (!m_picker.Create(m_hWnd, nullptr, m_color, &m_packed, nullptr, nullptr, false, 0, true, false))
            return FALSE;
        m_picker.SetWindowPos(nullptr, 20, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;
    }

    CGvSliderEdit m_slider;
    CGvNumericEdit m_number;
    CBCGPEditCtrl m_editor;
    CGvColorPickerCtrl m_picker;
    float m_color[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    DWORD m_packed = 0;

protected:
    afx_msg void OnDestroy() { PostQuitMessage(0); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExampleFrame, CWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

COLORREF PixelAt(HWND window, CPoint point)
{
    ::UpdateWindow(window);
    HDC dc = ::GetDC(window);
    const COLORREF pixel = ::GetPixel(dc, point.x, point.y);
    ::ReleaseDC(window, dc);
    return pixel;
}

// The picker shows red: its template's size, the swatch filled with red, the
// wheel's centre white (saturation 0 at value 1) and the caller's packed
// output written.
bool ShowsThePicker(CGvColorPickerCtrl& picker, DWORD packed)
{
    CRect client, expected(0, 0, 170, 184);
    picker.GetClientRect(&client);
    picker.MapDialogRect(&expected);
    const HWND swatch = ::GetDlgItem(picker.m_hWnd, IDC_GV_COLOR_BUTTON);
    const HWND wheel = ::GetDlgItem(picker.m_hWnd, IDC_GV_COLOR_WHEEL);
    if (!swatch || !wheel || !picker.IsWindowVisible())
        return false;
    CRect swatchRect, wheelRect;
    ::GetClientRect(swatch, &swatchRect);
    ::GetClientRect(wheel, &wheelRect);
    const COLORREF swatchPixel = PixelAt(swatch, swatchRect.CenterPoint());
    const COLORREF wheelPixel = PixelAt(wheel, wheelRect.CenterPoint());
    std::printf("picker %dx%d (template %dx%d), swatch %06lX, wheel centre %06lX, packed %08lX\n", client.Width(),
                client.Height(), expected.Width(), expected.Height(), swatchPixel, wheelPixel, packed);
    return client.Size() == expected.Size() && swatchPixel == RGB(255, 0, 0) && GetRValue(wheelPixel) >= 250
           && GetGValue(wheelPixel) >= 250 && GetBValue(wheelPixel) >= 250 && packed == 0xFF0000FF;
}

bool Shows(const CWnd& control, const wchar_t* expected)
{
    CString text;
    control.GetWindowText(text);
    std::printf("%ls\n", static_cast<LPCWSTR>(text));
    return std::wcscmp(text, expected) == 0;
}

} // namespace

bool CountsAShaderBudget(); // ShaderBudget.cpp

int main(int argc, char** argv)
{
    const bool check = argc == 2 && std::strcmp(argv[1], "--check") == 0;
    CExampleFrame frame;
    if (!frame.CreateFrame())
        return 1;
    frame.SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | (check ? SWP_NOACTIVATE : 0));
    if (!check)
        return AfxRunMessageLoop();
    AfxPumpPendingMessages();
    bool ok = Shows(frame.m_slider, L"0.25") && Shows(frame.m_number, L"-3.500");
    frame.m_slider.SetNumericValue(0.75f);
    ok = Shows(frame.m_slider, L"0.75") && ok;
    ok = Shows(frame.m_editor, L"float4 c;") && ok;
    // Same window width: the slider button takes its part of the slider edit.
    CRect sliderClient, numberClient;
    frame.m_slider.GetClientRect(&sliderClient);
    frame.m_number.GetClientRect(&numberClient);
    std::printf("client widths %d and %d\n", sliderClient.Width(), numberClient.Width());
    ok = ok && sliderClient.Width() < numberClient.Width();
    ok = ShowsThePicker(frame.m_picker, frame.m_packed) && ok;
    ok = CountsAShaderBudget() && ok;
    frame.DestroyWindow();
    AfxPumpPendingMessages();
    std::printf("%s\n", ok ? "example host: ok" : "example host: FAILED");
    return ok ? 0 : 1;
}
