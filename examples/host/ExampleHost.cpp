// A host window with the library's value controls and the editor control,
// built against the installed package.
//   GvExampleHost.exe           shows the window until it is closed
//   GvExampleHost.exe --check   creates the controls, checks that they show
//                               their values, prints them and exits (0: all
//                               as expected)
#include <cstdio>
#include <cwchar>
#include "GvNumeric.h"
#include "platform/edit/BCGPEditCtrl.h"

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
                L"GvMFCUtilities example host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100, 360, 200, nullptr,
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
        // The colour picker (CGvColorPickerCtrl) goes here, at (20, 100),
        // once the colour controls are part of the package.
        return TRUE;
    }

    CGvSliderEdit m_slider;
    CGvNumericEdit m_number;
    CBCGPEditCtrl m_editor;

protected:
    afx_msg void OnDestroy() { PostQuitMessage(0); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExampleFrame, CWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

bool Shows(const CWnd& control, const wchar_t* expected)
{
    CString text;
    control.GetWindowText(text);
    std::printf("%ls\n", static_cast<LPCWSTR>(text));
    return std::wcscmp(text, expected) == 0;
}

} // namespace

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
    frame.DestroyWindow();
    AfxPumpPendingMessages();
    std::printf("%s\n", ok ? "example host: ok" : "example host: FAILED");
    return ok ? 0 : 1;
}
