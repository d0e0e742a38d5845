#include "demo/VariablePanel.h"

#include <algorithm>
#include <cwchar>
#include "GvApplication.h"
#include "GvMessages.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

enum
{
    kTimerId = 1,
    kCopyId = 101,
    kPasteId = 102,
    kPictureId = 103,
    kGridId = 104,
    kRedId = 105,
    kGreenId = 106,
    kBlueId = 107,
    kFirstId = 201,
    kSecondId = 202
};
const int kGridPosition = 3; // of the check item in the menu
const int kMatrix = 4, kResizable = 5;

struct EditorSetup
{
    LPCWSTR title;
    int orientation; // -1: chosen by the control
    bool showSetup;
};
const EditorSetup kEditors[] = {
    {L"Float", CGvVariableEditCtrl::SetupOrientationRight, true},
    {L"Integer", CGvVariableEditCtrl::SetupOrientationBottom, true},
    {L"Boolean", -1, true},
    {L"Vector", CGvVariableEditCtrl::SetupOrientationRight, true},
    {L"Matrix", CGvVariableEditCtrl::SetupOrientationBottom, false},
    {L"Dynamic float, 2 x 3, resizable", CGvVariableEditCtrl::SetupOrientationTop, true},
    {L"Dynamic integer, 6 x 1", CGvVariableEditCtrl::SetupOrientationRight, true},
    {L"Dynamic boolean, 2 x 2, resizable", CGvVariableEditCtrl::SetupOrientationTop, true},
};

// A system icon at the menu's icon size (16 at 96 DPI), taken from the
// icon's own images rather than stretched.
HICON SmallIcon(LPCWSTR id)
{
    const int size = AfxScaleForWindow(nullptr, 16);
    return static_cast<HICON>(CopyImage(LoadIconW(nullptr, id), IMAGE_ICON, size, size, 0));
}

// Three colour bands, the picture of the menu's picture item.
HBITMAP Bands(int width, int height)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC dc = CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colors[] = {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 80, 200)};
    for (int i = 0; i < 3; ++i) {
        RECT r = {i * width / 3, 0, (i + 1) * width / 3, height};
        HBRUSH brush = CreateSolidBrush(colors[i]);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

} // namespace

// ---- The page

BEGIN_MESSAGE_MAP(CVariablePanel::CPage, CWnd)
    ON_MESSAGE(GVM_CHILD_RESIZE, OnChildResize)
END_MESSAGE_MAP()

void CVariablePanel::CPage::Stack()
{
    const auto px = [this](int pixels) { return AfxScaleForWindow(this, pixels); };
    int y = px(6), width = 0;
    for (size_t i = 0; i < m_editors.size(); ++i) {
        m_titles[i]->MoveWindow(px(6), y, px(300), px(16));
        y += px(18);
        CRect r;
        m_editors[i]->GetWindowRect(&r);
        m_editors[i]->SetWindowPos(nullptr, px(6), y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        y += r.Height() + px(10);
        width = std::max(width, static_cast<int>(r.Width()));
    }
    SetWindowPos(nullptr, 0, 0, width + px(12), y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CVariablePanel::CPage::OnChildResize(WPARAM, LPARAM)
{
    Stack();
    // The scroll window lays itself out again when its child reports.
    ::SendMessageW(::GetParent(m_hWnd), GVM_CHILD_RESIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return 0;
}

// ---- The panel

BEGIN_MESSAGE_MAP(CVariablePanel, CDemoPanel)
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
    ON_WM_TIMER()
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

CVariablePanel::CVariablePanel()
    : m_sourceId{0x6a7e1d20, 0x11f0, 0x4c2b, {0x9d, 0x31, 0x5e, 0x82, 0x07, 0x44, 0xa1, 0x3c}}, m_shownChanges(0),
      m_showGrid(false), m_colorId(kRedId), m_pOpenMenu(nullptr), m_menuHooked(false), m_pCapture(nullptr)
{
}

CVariablePanel::~CVariablePanel()
{
    // The editors go before the variables they edit.
    m_page.m_editors.clear();
}

BOOL CVariablePanel::CreatePanel(CWnd* pParent, const CRect& rect, UINT nID)
{
    const LPCWSTR windowClass =
        AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_CONTROLPARENT, windowClass, L"", WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID))
        return FALSE;

    m_variables.emplace_back(new GvFloatVariable(0.5f));
    m_variables.emplace_back(new GvIntegerVariable(42));
    m_variables.emplace_back(new GvBooleanVariable(true));
    m_variables.emplace_back(new GvVectorVariable(0.0f, 0.6f, 0.8f, 1.0f));
    m_variables.emplace_back(new GvMatrixVariable);
    m_variables.emplace_back(new GvDynamicVariable(GvDynamicVariable::DYNAMIC_FLOAT, 2, 3, false));
    m_variables.emplace_back(new GvDynamicVariable(GvDynamicVariable::DYNAMIC_INTEGER, 6, 1, true));
    m_variables.emplace_back(new GvDynamicVariable(GvDynamicVariable::DYNAMIC_BOOLEAN, 2, 2, false));

    const int split = rect.Width() * 3 / 4;
    const auto px = [this](int pixels) { return AfxScaleForWindow(this, pixels); };
    m_scroll.CreateScrollWnd(m_hWnd, CRect(px(8), px(8), split, rect.Height() - px(8)), WS_CHILD | WS_VISIBLE, false);
    m_page.CreateEx(WS_EX_CONTROLPARENT, windowClass, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, 1);
    for (size_t i = 0; i < m_variables.size(); ++i) {
        const EditorSetup& setup = kEditors[i];
        std::unique_ptr<CWnd> title(new CWnd);
        title->CreateEx(0, L"STATIC", setup.title, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_page, 0xFFFF);
        title->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
        m_page.m_titles.push_back(std::move(title));
        std::unique_ptr<CGvVariableEditCtrl> editor(new CGvVariableEditCtrl);
        if (setup.orientation < 0)
            editor->Create(m_page.m_hWnd, m_variables[i].get(), setup.showSetup, &m_sourceId);
        else
            editor->Create(m_page.m_hWnd, m_variables[i].get(),
                           static_cast<CGvVariableEditCtrl::SetupOrientationType>(setup.orientation), setup.showSetup,
                           &m_sourceId);
        m_page.m_editors.push_back(std::move(editor));
    }
    m_page.Stack();
    m_scroll.AttachScrollChild(&m_page);

    m_changes.CreateEx(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                       WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL,
                       CRect(split + px(8), px(26), rect.Width() - px(8), rect.Height() - px(48)), this, 2);
    m_changes.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    m_heading.CreateEx(0, L"STATIC", L"NotifyNodeChanged", WS_CHILD | WS_VISIBLE,
                       CRect(split + px(8), px(8), rect.Width() - px(8), px(24)), this, 0xFFFF);
    m_heading.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    m_status.CreateEx(0, L"STATIC", L"Right-click for the icon menu", WS_CHILD | WS_VISIBLE,
                      CRect(split + px(8), rect.Height() - px(44), rect.Width() - px(8), rect.Height() - px(8)), this,
                      3);
    m_status.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    SetTimer(kTimerId, 200);
    return TRUE;
}

void CVariablePanel::ShowChanges()
{
    GvApplication* pApp = dynamic_cast<GvApplication*>(getGvApp());
    if (!pApp || !m_changes.m_hWnd)
        return;
    const GvLinkedList<GvNodeChangeRecord>& changes = pApp->GetNodeChanges();
    int index = 0;
    for (auto it = changes.Begin(); it != changes.End(); ++it, ++index) {
        if (index < m_shownChanges)
            continue;
        LPCWSTR name = L"?";
        for (size_t i = 0; i < m_variables.size(); ++i)
            if (m_variables[i].get() == it->m_node)
                name = kEditors[i].title;
        wchar_t line[128];
        std::swprintf(line, 128, L"%d: kind %d, %ls", index + 1, it->m_kind, name);
        const LRESULT added = m_changes.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
        m_changes.SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(added), 0);
    }
    m_shownChanges = index;
}

void CVariablePanel::OnTimer(UINT_PTR)
{
    ShowChanges();
}

LRESULT CVariablePanel::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(GuiFont());
}

// ---- The icon menu

void CVariablePanel::OnContextMenu(CWnd*, CPoint pos)
{
    CPoint point = pos;
    if (pos.x == -1 && pos.y == -1)
        point = KeyboardMenuPoint();
    else
        ScreenToClient(&point);
    ShowMenu(point);
}

// Shift+F10 or the menu key: under the focused control of the page, else
// near the page's corner.
CPoint CVariablePanel::KeyboardMenuPoint() const
{
    const HWND hFocus = ::GetFocus();
    if (!hFocus || !::IsChild(m_hWnd, hFocus))
        return CPoint(40, 40);
    CRect rect;
    ::GetWindowRect(hFocus, &rect);
    ScreenToClient(&rect);
    return CPoint(rect.left, rect.bottom);
}

void CVariablePanel::ShowMenu(CPoint point)
{
    // The sub-menu goes with the menu (deleting an item destroys its
    // sub-menu), so it is declared first and destroyed last.
    CDemoIconMenu sub;
    sub.AppendMenuItem(L"First", kFirstId);
    sub.AppendMenuWithIconHandle(L"Second\tF2", kSecondId, SmallIcon(IDI_INFORMATION), true);
    CDemoIconMenu menu;
    menu.AppendMenuWithIconHandle(L"Copy\tCtrl+C", kCopyId, SmallIcon(IDI_INFORMATION), true);
    menu.AppendMenuWithIconHandle(L"Paste\tCtrl+V", kPasteId, SmallIcon(IDI_QUESTION), true);
    menu.AppendMenuWithBitmapAndIconHandle(L"A picture\nover two lines", kPictureId, SmallIcon(IDI_WARNING),
                                           Bands(AfxScaleForWindow(this, 96), AfxScaleForWindow(this, 24)),
                                           AfxScaleForWindow(this, 96), AfxScaleForWindow(this, 24), true, true);
    menu.AppendMenuWithValue(L"Show grid", kGridId, GvIconMenuStateCheckBox, m_showGrid);
    menu.AppendMenuWithValue(L"Red", kRedId, GvIconMenuStateRadio, m_colorId == kRedId);
    menu.AppendMenuWithValue(L"Green", kGreenId, GvIconMenuStateRadio, m_colorId == kGreenId);
    menu.AppendMenuWithValue(L"Blue", kBlueId, GvIconMenuStateRadio, m_colorId == kBlueId);
    menu.AppendPopupWithIconHandle(L"More", sub.m_hMenu, SmallIcon(IDI_APPLICATION), true);
    m_pOpenMenu = &menu;
    m_menuHooked = false;
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, point.x, point.y, this);
    m_pOpenMenu = nullptr;
}

LRESULT CVariablePanel::OnEnterIdle(WPARAM wParam, LPARAM lParam)
{
    HWND hMenuWnd = reinterpret_cast<HWND>(lParam);
    if (wParam != MSGF_MENU || !m_pOpenMenu || m_menuHooked || !hMenuWnd)
        return 0;
    m_menuHooked = true;
    m_pOpenMenu->SubClassMenu(hMenuWnd);
    if (m_pCapture) {
        // The scene: the check item clicked once while the menu stays open.
        ::SendMessageW(hMenuWnd, GV_MN_BUTTONDOWN, kGridPosition, 0);
        ::SendMessageW(hMenuWnd, GV_MN_BUTTONUP, kGridPosition, 0);
        ::RedrawWindow(hMenuWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        (*m_pCapture)();
        ::EndMenu();
    }
    return 0;
}

BOOL CVariablePanel::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (lParam != 0 || id < kCopyId || id > kSecondId)
        return CDemoPanel::OnCommand(wParam, lParam);
    if (id == kGridId)
        m_showGrid = !m_showGrid;
    else if (id >= kRedId && id <= kBlueId)
        m_colorId = id;
    wchar_t text[96];
    std::swprintf(text, 96, L"Command %u; grid %ls, colour %u", id, m_showGrid ? L"on" : L"off", m_colorId);
    m_status.SetWindowText(text);
    return TRUE;
}

// ---- Scenes

void CVariablePanel::ScrollTo(CWnd* pWnd)
{
    CRect r;
    pWnd->GetWindowRect(&r);
    m_page.ScreenToClient(&r);
    m_scroll.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(r.top - AfxScaleForWindow(this, 24))), 0);
}

CString CVariablePanel::BeginScene(int scene)
{
    CGvVariableEditCtrl* pMatrix = m_page.m_editors[kMatrix].get();
    CGvVariableEditCtrl* pResizable = m_page.m_editors[kResizable].get();
    switch (scene) {
    case 1:
        pMatrix->SendDlgItemMessage(IDC_GV_SHOW_SETUP_CHECK, BM_CLICK);
        ScrollTo(pMatrix);
        return CString(L"matrix-options");
    case 2:
        pResizable->SetDlgItemText(IDC_GV_ROWS_EDIT, L"4");
        pResizable->SendDlgItemMessage(IDC_GV_ROWS_EDIT, WM_KILLFOCUS);
        ScrollTo(pResizable);
        return CString(L"dynamic-resized");
    case 3: return CString(L"icon-menu");
    default: return CString();
    }
}

void CVariablePanel::EndScene(int scene)
{
    if (scene == 1) {
        m_page.m_editors[kMatrix]->SendDlgItemMessage(IDC_GV_SHOW_SETUP_CHECK, BM_CLICK);
    } else if (scene == 2) {
        CGvVariableEditCtrl* pResizable = m_page.m_editors[kResizable].get();
        pResizable->SetDlgItemText(IDC_GV_ROWS_EDIT, L"2");
        pResizable->SendDlgItemMessage(IDC_GV_ROWS_EDIT, WM_KILLFOCUS);
    }
    ScrollTo(m_page.m_editors[0].get());
}

bool CVariablePanel::CaptureInScene(int scene, const std::function<void()>& capture)
{
    if (scene != 3)
        return false;
    m_pCapture = &capture;
    ShowMenu(CPoint(120, 60));
    m_pCapture = nullptr;
    return true;
}
