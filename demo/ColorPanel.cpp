#include "demo/ColorPanel.h"

#include <cwchar>
#include "resources/GvMFCUtilitiesRes.h"

namespace {

const UINT kOpenEditorId = 1100;
const UINT kFirstColorButtonId = 1101;
const int kColumn = 290;
const UINT_PTR kRefreshTimer = 1;

void MakeStatic(CWnd& label, CWnd* pParent, const CRect& rect)
{
    label.CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, rect, pParent, 0);
    label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
}

} // namespace

BEGIN_MESSAGE_MAP(CColorPanel, CDemoPanel)
    ON_BN_CLICKED(kOpenEditorId, OnOpenEditor)
    ON_WM_TIMER()
    ON_MESSAGE(GVM_COLOR_CHANGED, OnColorChanged)
    ON_MESSAGE(GVM_CHILD_RESIZE, OnChildResize)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

CColorPanel::CColorPanel()
    : m_node(1.0f, 0.5f, 0.0f, 1.0f), m_nodeId{0x6a3e1c2d, 0x1f2e, 0x4c3b, {1, 2, 3, 4, 5, 6, 7, 8}},
      m_modelColor{1.0f, 0.5f, 0.0f, 1.0f}, m_editorColor{0.2f, 0.4f, 0.6f, 1.0f}, m_editorPacked(0xFF996633),
      m_pEditor(nullptr)
{
}

BOOL CColorPanel::CreatePanel(CWnd* pParent, const CRect& rect, UINT nID)
{
    if (!CreateEx(WS_EX_CONTROLPARENT,
                  AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  L"", WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID))
        return FALSE;

    const auto px = [this](int pixels) { return AfxScaleForWindow(this, pixels); };
    const int column = px(kColumn);
    MakeStatic(m_countLabel, this, CRect(column, px(12), rect.Width() - px(12), px(30)));
    MakeStatic(m_modelLabel, this, CRect(column, px(32), rect.Width() - px(12), px(50)));
    m_openButton.Create(L"Open Color Editor...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                        CRect(column, px(64), column + px(150), px(90)), this, kOpenEditorId);
    m_openButton.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    MakeStatic(m_editorLabel, this, CRect(column, px(96), rect.Width() - px(12), px(114)));
    MakeStatic(m_buttonsLabel, this, CRect(column, px(130), rect.Width() - px(12), px(148)));
    m_buttonsLabel.SetWindowText(L"Colour buttons: normal, focused, disabled");

    static const struct
    {
        LPCWSTR text;
        COLORREF textColor, face;
        bool enabled;
    } kButtons[3] = {{L"Normal", RGB(0, 0, 0), RGB(255, 220, 120), true},
                     {L"Focused", RGB(255, 255, 255), RGB(40, 90, 160), true},
                     {L"Disabled", RGB(0, 0, 0), RGB(255, 220, 120), false}};
    for (int i = 0; i < 3; ++i) {
        const CRect r(column + px(i * 96), px(152), column + px(i * 96 + 88), px(182));
        m_colorButtons[i].Create(kButtons[i].text,
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW
                                     | (kButtons[i].enabled ? 0 : WS_DISABLED),
                                 r, this, kFirstColorButtonId + i);
        m_colorButtons[i].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
        m_colorButtons[i].SetColor(kButtons[i].textColor, kButtons[i].face);
    }

    if (!m_picker.Create(m_hWnd, nullptr, m_modelColor, nullptr, &m_node, &m_nodeId, false, 0, true, false))
        return FALSE;
    m_picker.SetWindowPos(nullptr, px(12), px(12), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowModelColor();
    ShowEditorColor();
    m_colorButtons[1].SetFocus();
    // The last notification of a drag comes after the picker's last message.
    SetTimer(kRefreshTimer, 200);
    return TRUE;
}

void CColorPanel::ShowModelColor()
{
    int calls = 0;
    if (const GvApplication* pApp = dynamic_cast<GvApplication*>(getGvApp())) {
        const GvLinkedList<GvNodeChangeRecord>& changes = pApp->GetNodeChanges();
        for (auto it = changes.Begin(); it != changes.End(); ++it)
            calls += it->m_node == &m_node;
    }
    wchar_t text[128];
    std::swprintf(text, 128, L"Model colour: %d NotifyNodeChanged calls", calls);
    AfxSetWindowText(m_countLabel.m_hWnd, text);
    float values[4];
    m_node.GetValues(values);
    std::swprintf(text, 128, L"R %.3f  G %.3f  B %.3f  A %.3f", values[0], values[1], values[2], values[3]);
    AfxSetWindowText(m_modelLabel.m_hWnd, text);
}

void CColorPanel::ShowEditorColor()
{
    wchar_t text[128];
    std::swprintf(text, 128, L"Second colour: 0x%08X", static_cast<unsigned>(m_editorPacked));
    AfxSetWindowText(m_editorLabel.m_hWnd, text);
}

void CColorPanel::OnOpenEditor()
{
    if (m_pEditor && ::IsWindow(m_pEditor->GetSafeHwnd())) {
        m_pEditor->SetForegroundWindow();
        return;
    }
    m_pEditor = new CGvColorPickerDlg;
    if (!m_pEditor->Create(m_hWnd, L"Color Editor", m_editorColor, &m_editorPacked, nullptr, nullptr, true, 0)) {
        if (!m_pEditor->GetSafeHwnd())
            delete m_pEditor;
        m_pEditor = nullptr;
        return;
    }
    CRect page;
    GetWindowRect(&page);
    m_pEditor->SetWindowPos(nullptr, page.left + AfxScaleForWindow(this, 300), page.top + AfxScaleForWindow(this, 20), 0,
                            0, SWP_NOSIZE | SWP_NOZORDER);
}

LRESULT CColorPanel::OnColorChanged(WPARAM wParam, LPARAM)
{
    if (reinterpret_cast<HWND>(wParam) == m_picker.m_hWnd) {
        // The host's side of the binding: the model takes the picker's colour.
        m_node.SetValues(m_modelColor);
        ShowModelColor();
    } else {
        if (m_pEditor && !::IsWindow(m_pEditor->GetSafeHwnd()))
            m_pEditor = nullptr;
        ShowEditorColor();
    }
    return 1;
}

void CColorPanel::OnTimer(UINT_PTR)
{
    ShowModelColor();
}

LRESULT CColorPanel::OnChildResize(WPARAM, LPARAM)
{
    Invalidate();
    return 0;
}

LRESULT CColorPanel::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(GuiFont());
}

void CColorPanel::ClickPickerItem(int id, UINT code)
{
    m_picker.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(m_picker, id)));
}

CString CColorPanel::BeginScene(int scene)
{
    switch (scene) {
    case 1: ClickPickerItem(IDC_GV_COLOR_BUTTON, BN_CLICKED); return CString(L"small");
    case 2:
        ::SendDlgItemMessageW(m_picker, IDC_GV_FLOATING_POINT_CHECK, BM_SETCHECK, BST_CHECKED, 0);
        ClickPickerItem(IDC_GV_FLOATING_POINT_CHECK, BN_CLICKED);
        ::SendDlgItemMessageW(m_picker, IDC_GV_COLOR_TYPE_COMBO, CB_SETCURSEL, 1, 0);
        ClickPickerItem(IDC_GV_COLOR_TYPE_COMBO, CBN_SELCHANGE);
        return CString(L"hsv-float");
    case 3: OnOpenEditor(); return CString(L"editor");
    default: m_colorButtons[1].SetFocus(); return CString();
    }
}

void CColorPanel::EndScene(int scene)
{
    switch (scene) {
    case 1: ClickPickerItem(IDC_GV_COLOR_BUTTON, BN_CLICKED); break;
    case 2:
        ::SendDlgItemMessageW(m_picker, IDC_GV_COLOR_TYPE_COMBO, CB_SETCURSEL, 0, 0);
        ClickPickerItem(IDC_GV_COLOR_TYPE_COMBO, CBN_SELCHANGE);
        ::SendDlgItemMessageW(m_picker, IDC_GV_FLOATING_POINT_CHECK, BM_SETCHECK, BST_UNCHECKED, 0);
        ClickPickerItem(IDC_GV_FLOATING_POINT_CHECK, BN_CLICKED);
        break;
    case 3:
        if (m_pEditor && ::IsWindow(m_pEditor->GetSafeHwnd()))
            m_pEditor->SendMessage(WM_CLOSE);
        m_pEditor = nullptr;
        break;
    default: break;
    }
}
