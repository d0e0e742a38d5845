#include "color/GvColorPickerDlg.h"

#include "GvCore.h"
#include "GvMessages.h"
#include "GvWindowUtils.h"
#include "color/ColorPickerMath.h"
#include "platform/mfc/MfcPortableTypes.h"
#include "resources/GvMFCUtilitiesRes.h"
#include "window_utils/GvMFCUtilitiesModule.h"

namespace {
const int kEditorIconId = 11;
}

BEGIN_MESSAGE_MAP(CGvColorPickerDlg, CDialog)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(GVM_COLOR_CHANGED, OnColorChanged)
    ON_MESSAGE(GVM_CHILD_RESIZE, OnChildResize)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CGvColorPickerDlg::CGvColorPickerDlg()
    : CDialog(IDD_GV_COLOR_PICKER_DLG), m_externalColor(nullptr),
      m_externalPacked(nullptr), m_savedColor{1.0f, 1.0f, 1.0f, 1.0f}, m_savedPacked(0x00FFFFFF), m_owner(nullptr)
{
}

CGvColorPickerDlg::~CGvColorPickerDlg()
{
}

BOOL CGvColorPickerDlg::Create(HWND owner, const wchar_t* title, float* color, DWORD* packedColor, GvNode* node,
                               GUID* nodeId, bool floatingPoint, int colorType)
{
    GvUtilSetResourceHandle guard(GvGetLibraryInstance());
    m_owner = owner;
    const BOOL created = CDialog::Create(IDD_GV_COLOR_PICKER_DLG, CWnd::FromHandle(owner));
    if (created) {
        m_picker.Create(m_hWnd, nullptr, color, packedColor, node, nodeId, floatingPoint, colorType, true, true);
        CRect picker;
        m_picker.GetWindowRect(&picker);
        CWnd* pOk = GetDlgItem(IDOK);
        CRect ok(0, 0, 0, 0);
        if (pOk)
            pOk->GetWindowRect(&ok);
        const GvSize client = GvPickerDialogClientSize({picker.Width(), picker.Height()}, pOk != nullptr, ok.Height(),
                                                      AfxGetWindowDpi(this));
        CRect window(0, 0, client.cx, client.cy);
        CalcWindowRect(&window);
        SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
        SetWindowText(title);
        m_externalColor = color;
        m_externalPacked = packedColor;
        if (packedColor)
            m_savedPacked = *packedColor;
        if (color)
            for (int i = 0; i < 4; ++i)
                m_savedColor[i] = color[i];
        if (IGvApplication* pApp = getGvApp()) {
            SetIcon(pApp->GetAppIcon(kEditorIconId, 0), TRUE);
            pApp->RegisterModelessWindow(m_hWnd, 1, 0, 0, 0, 0);
        }
    }
    GvAddSmartEraseWindow(m_hWnd, ::GetSysColor(COLOR_BTNFACE), true);
    return created;
}

void CGvColorPickerDlg::DoDataExchange(CDataExchange*)
{
}

void CGvColorPickerDlg::OnOK()
{
    if (m_picker.CommitPendingEdit())
        return;
    CDialog::OnOK();
    DestroyWindow();
}

void CGvColorPickerDlg::OnCancel()
{
    CDialog::OnCancel();
    if (m_externalColor)
        for (int i = 0; i < 4; ++i)
            m_externalColor[i] = m_savedColor[i];
    if (m_externalPacked)
        *m_externalPacked = m_savedPacked;
    if (::IsWindow(m_owner))
        ::SendMessageW(m_owner, GVM_COLOR_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
    DestroyWindow();
}

void CGvColorPickerDlg::PostNcDestroy()
{
    CDialog::PostNcDestroy();
    delete this;
}

void CGvColorPickerDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    CWnd* pOk = GetDlgItem(IDOK);
    CWnd* pCancel = GetDlgItem(IDCANCEL);
    if (!pOk || !pCancel || !m_picker.m_hWnd)
        return;
    CRect ok;
    pOk->GetWindowRect(&ok);
    const GvPickerDialogLayout layout = GvPickerDialogLayoutOf({cx, cy}, {ok.Width(), ok.Height()}, AfxGetWindowDpi(this));
    const CRect picker = ToCRect(layout.picker), okRect = ToCRect(layout.ok), cancel = ToCRect(layout.cancel);
    m_picker.MoveWindow(&picker);
    pOk->MoveWindow(&okRect);
    pCancel->MoveWindow(&cancel);
    Invalidate(TRUE);
}

void CGvColorPickerDlg::OnClose()
{
    m_picker.CommitPendingEdit();
    DestroyWindow();
}

void CGvColorPickerDlg::OnDestroy()
{
    CDialog::OnDestroy();
    if (IGvApplication* pApp = getGvApp())
        pApp->UnregisterModelessWindow(m_hWnd);
}

LRESULT CGvColorPickerDlg::OnColorChanged(WPARAM wParam, LPARAM lParam)
{
    const WPARAM self = reinterpret_cast<WPARAM>(m_hWnd);
    if (reinterpret_cast<HWND>(wParam) == m_picker.m_hWnd) {
        if (::IsWindow(m_owner))
            ::SendMessageW(m_owner, GVM_COLOR_CHANGED, self, lParam);
    } else {
        m_picker.SendMessage(GVM_COLOR_CHANGED, self, lParam);
    }
    return 1;
}

// Moved to a monitor of another DPI: the system suggests the rectangle; the
// children measure themselves anew as they lay out and paint.
LRESULT CGvColorPickerDlg::OnDpiChanged(WPARAM, LPARAM lParam)
{
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    if (suggested)
        SetWindowPos(nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CGvColorPickerDlg::OnChildResize(WPARAM, LPARAM)
{
    CRect client;
    GetClientRect(&client);
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
    return 0;
}

void CGvColorPickerDlg::OnSysColorChange()
{
    GvAddSmartEraseWindow(m_hWnd, ::GetSysColor(COLOR_BTNFACE), true);
    CDialog::OnSysColorChange();
}
