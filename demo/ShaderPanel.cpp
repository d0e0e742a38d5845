#include "demo/ShaderPanel.h"

#include <algorithm>
#include <cstring>
#include <string>
#include "demo/DemoApplication.h"

namespace {

const UINT kTextChangedMessage = WM_APP + 40;
const int kMargin = 8;
const int kBarRowHeight = 22;
// The highlighted line's text is white: the page marks it dark, not in the
// keyword files' pale highlight.
const COLORREF kErrorLineColor = RGB(176, 0, 0);

std::unique_ptr<CWnd> MakeChild(CWnd* pParent, LPCWSTR className, LPCWSTR text, DWORD style, UINT nID,
                                DWORD exStyle = 0)
{
    std::unique_ptr<CWnd> child(new CWnd);
    child->CreateEx(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, CRect(0, 0, 10, 10), pParent, nID);
    child->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    return child;
}

CString DataPath(LPCWSTR part)
{
    return CString(L"" GV_DATA_DIR "/") + part;
}

CString Extension(const CString& file)
{
    const int dot = file.ReverseFind(L'.');
    return dot < 0 ? CString() : file.Mid(dot + 1);
}

// The shader file's UTF-8 as UTF-16 units.
bool ReadUnits(const CString& path, std::vector<unsigned short>& units)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const DWORD size = GetFileSize(file, nullptr);
    std::string bytes(size, '\0');
    DWORD read = 0;
    const BOOL ok = size == 0 || ReadFile(file, &bytes[0], size, &read, nullptr);
    CloseHandle(file);
    if (!ok || read != size)
        return false;
    units.resize(size);
    units.resize(size ? MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(size),
                                            reinterpret_cast<LPWSTR>(units.data()), static_cast<int>(size))
                      : 0);
    return true;
}

CString Wide(const char* text)
{
    return CString(std::wstring(text, text + std::strlen(text)).c_str());
}

} // namespace

// The editor, telling the page of every change of its text once per round
// of the message loop.
class CShaderPanel::CEditor : public GvMFCShaderEditorTextCtrl
{
public:
    void TextSeen() { m_changePosted = false; }
    CFindReplaceDialog* FindDialog() const { return m_pFindDialog; }
    // Called from inside the context menu's loop once, then the menu ends.
    const std::function<void()>* m_pCaptureInMenu = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        // The menu's owner hears when its loop waits for input: it is shown.
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && m_pCaptureInMenu) {
            ::RedrawWindow(reinterpret_cast<HWND>(lParam), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            (*m_pCaptureInMenu)();
            m_pCaptureInMenu = nullptr;
            ::EndMenu();
        }
        return GvMFCShaderEditorTextCtrl::WindowProc(message, wParam, lParam);
    }
    void OnAfterTextChanged(int nOffsetFrom, const CString& strText, BOOL bInserted) override
    {
        GvMFCShaderEditorTextCtrl::OnAfterTextChanged(nOffsetFrom, strText, bInserted);
        if (!m_changePosted && GetParent()) {
            m_changePosted = true;
            GetParent()->PostMessage(kTextChangedMessage);
        }
    }

private:
    bool m_changePosted = false;
};

BEGIN_MESSAGE_MAP(CShaderPanel, CDemoPanel)
    ON_CONTROL(CBN_SELCHANGE, IDC_FILE, OnFileChange)
    ON_CONTROL(CBN_CLOSEUP, IDC_FILE, OnFileChange)
    ON_CONTROL(CBN_SELCHANGE, IDC_MODEL, OnModelChange)
    ON_MESSAGE(kTextChangedMessage, OnTextChanged)
    ON_WM_CTLCOLOR()
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CShaderPanel::CShaderPanel() = default;

CShaderPanel::~CShaderPanel() = default;

BOOL CShaderPanel::CreatePanel(CWnd* pParent, const CRect& rect, UINT nID)
{
    if (!CreateEx(WS_EX_CONTROLPARENT,
                  AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  L"", WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID))
        return FALSE;
    LOGFONTW font = {};
    font.lfHeight = -AfxScaleForWindow(this, 13);
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyW(font.lfFaceName, L"Courier New");
    m_font.CreateFontIndirect(&font);

    m_fileLabel = MakeChild(this, L"STATIC", L"Shader:", SS_LEFT | SS_CENTERIMAGE, 0);
    m_fileCombo = MakeChild(this, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, IDC_FILE);
    m_modelLabel = MakeChild(this, L"STATIC", L"Model:", SS_LEFT | SS_CENTERIMAGE, 0);
    m_modelCombo = MakeChild(this, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, IDC_MODEL);
    m_budget = MakeChild(this, L"STATIC", L"", SS_LEFT | SS_CENTERIMAGE, IDC_BUDGET);
    m_status = MakeChild(this, L"STATIC", L"Ready", SS_LEFT | SS_CENTERIMAGE | SS_SUNKEN, IDC_STATUS);

    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(DataPath(L"shaders/*.*"), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            m_files.push_back(found.cFileName);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    std::sort(m_files.begin(), m_files.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    for (const CString& file : m_files)
        m_fileCombo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(file)));
    for (int version = 1; const GvShaderModel* model = GvGetShaderModel(version); ++version)
        m_modelCombo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(Wide(model->name))));

    GvMFCShaderKeywordLoader loader;
    m_asmKeywordsLoaded = loader.Load(
        reinterpret_cast<const unsigned short*>(static_cast<LPCWSTR>(DataPath(L"keywords/asm.kwd"))), &m_asmParser);
    m_asmParser.m_highlightColor = kErrorLineColor;

    // The host's keys for the editor: its accelerators come first.
    ACCEL keys[] = {{FCONTROL | FVIRTKEY, 'F', ID_EDIT_FIND}, {FCONTROL | FVIRTKEY, 'H', ID_EDIT_REPLACE}};
    m_hAccel = CreateAcceleratorTableW(keys, 2);
    if (auto* pApp = dynamic_cast<GvApplication*>(getGvApp()))
        pApp->SetWindowAcceleratorTable(m_hWnd, m_hAccel);
    if (auto* pApp = dynamic_cast<CDemoApplication*>(getGvApp()))
        pApp->SetStatusWindow(m_status->m_hWnd);

    Layout(rect.Width(), rect.Height());
    ShowShader(L"phong.hlsl");
    return TRUE;
}

void CShaderPanel::OnDestroy()
{
    if (auto* pApp = dynamic_cast<CDemoApplication*>(getGvApp())) {
        pApp->SetStatusWindow(nullptr);
        pApp->SetWindowAcceleratorTable(m_hWnd, nullptr);
    }
    if (m_hAccel)
        DestroyAcceleratorTable(m_hAccel);
    m_hAccel = nullptr;
    CDemoPanel::OnDestroy();
}

void CShaderPanel::Layout(int cx, int cy)
{
    if (!m_fileCombo)
        return;
    const auto px = [this](int pixels) { return AfxScaleForWindow(this, pixels); };
    const int margin = px(kMargin), rowHeight = px(kBarRowHeight);
    m_fileLabel->MoveWindow(margin, margin, px(50), rowHeight);
    m_fileCombo->MoveWindow(px(kMargin + 52), margin, px(180), px(240));
    m_modelLabel->MoveWindow(px(kMargin + 250), margin, px(44), rowHeight);
    m_modelCombo->MoveWindow(px(kMargin + 296), margin, px(110), px(300));
    const int editTop = margin + rowHeight + px(6);
    const int budgetTop = cy - margin - 2 * rowHeight - px(4);
    if (m_pEditor)
        m_pEditor->MoveWindow(margin, editTop, cx - 2 * margin, budgetTop - px(4) - editTop);
    m_budget->MoveWindow(margin, budgetTop, cx - 2 * margin, rowHeight);
    m_status->MoveWindow(margin, cy - margin - rowHeight, cx - 2 * margin, rowHeight);
}

void CShaderPanel::OnSize(UINT, int cx, int cy)
{
    Layout(cx, cy);
}

bool CShaderPanel::ShowShader(LPCWSTR file)
{
    std::vector<unsigned short> units;
    if (!ReadUnits(DataPath(L"shaders/") + file, units))
        return false;
    m_fileCombo->SendMessage(CB_SELECTSTRING, (WPARAM)-1, reinterpret_cast<LPARAM>(file));
    m_shown = file;

    const CString language = Extension(file);
    const bool assembly = language == L"asm";
    const GvShaderModel* pModel =
        assembly ? GvFindVersionModel(units.data(), static_cast<int>(units.size()), nullptr, nullptr) : nullptr;
    m_modelCombo->SendMessage(CB_SETCURSEL,
                              pModel ? static_cast<WPARAM>(pModel->version - 1) : static_cast<WPARAM>(-1));
    m_modelCombo->EnableWindow(assembly);

    // A new editor per shader: keyword colours only ever add up.
    CRect rect(0, 0, 10, 10);
    if (m_pEditor) {
        m_pEditor->GetWindowRect(&rect);
        ScreenToClient(&rect);
        m_pEditor->DestroyWindow();
    }
    m_pEditor.reset(new CEditor);
    m_pEditor->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, this, IDC_EDITOR);
    m_pEditor->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    m_pEditor->SetWindowPos(m_fileCombo.get(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_pEditor->SetActiveFont(&m_font);
    m_pEditor->LoadParsingRule(DataPath(L"syntax/") + language + L".xml");
    if (assembly) {
        m_pEditor->LoadKeywords(&m_asmParser);
    } else {
        std::unique_ptr<GvMFCShaderSyntaxParser> parser;
        if (language == L"glsl")
            parser.reset(new GvMFCShaderGLSLParser);
        else
            parser.reset(new GvMFCShaderHLSLParser);
        GvMFCShaderKeywordLoader loader;
        const CString keywords = DataPath(L"keywords/") + language + L".kwd";
        if (loader.Load(reinterpret_cast<const unsigned short*>(static_cast<LPCWSTR>(keywords)), parser.get())) {
            parser->m_highlightColor = kErrorLineColor;
            m_pEditor->LoadKeywords(parser.get());
        }
    }
    m_pEditor->SetWindowText(CString(reinterpret_cast<LPCWSTR>(units.data()), static_cast<int>(units.size())));
    m_pEditor->SetModified(false);
    m_pEditor->SetSel(0, 0, FALSE);
    CRect client;
    GetClientRect(&client);
    Layout(client.Width(), client.Height());
    Recount();
    return true;
}

bool CShaderPanel::IsAssembly() const
{
    const int index = static_cast<int>(m_fileCombo->SendMessage(CB_GETCURSEL));
    return index >= 0 && index < static_cast<int>(m_files.size()) && Extension(m_files[index]) == L"asm";
}

const GvShaderModel* CShaderPanel::SelectedModel() const
{
    return GvGetShaderModel(static_cast<int>(m_modelCombo->SendMessage(CB_GETCURSEL)) + 1);
}

// The shader changes when the list is closed: not under the user's keys and
// pointer while they go through an open list.
void CShaderPanel::OnFileChange()
{
    if (m_fileCombo->SendMessage(CB_GETDROPPEDSTATE))
        return;
    const int index = static_cast<int>(m_fileCombo->SendMessage(CB_GETCURSEL));
    if (index >= 0 && index < static_cast<int>(m_files.size()) && m_files[index] != m_shown)
        ShowShader(m_files[index]);
}

void CShaderPanel::OnModelChange()
{
    Recount();
}

LRESULT CShaderPanel::OnTextChanged(WPARAM, LPARAM)
{
    if (m_pEditor) {
        m_pEditor->TextSeen();
        Recount();
    }
    return 0;
}

// The library's slot budget of the text; the first line whose running total
// passes a limit of the model is the one highlighted.
void CShaderPanel::Recount()
{
    const GvShaderModel* pModel = SelectedModel();
    m_overBudget = false;
    if (!IsAssembly() || !pModel || !m_asmKeywordsLoaded) {
        m_budget->SetWindowText(IsAssembly() ? L"Slots: no model" : L"");
        return;
    }
    const CString text = m_pEditor->GetText();
    GvShaderBudget total;
    GvCountShaderSlots(pModel, GV_SLOT_RULES_LIBRARY, &m_asmParser,
                       reinterpret_cast<const unsigned short*>(static_cast<LPCWSTR>(text)), text.GetLength(), total);
    const int overLine = total.firstLineOver;
    m_overBudget = overLine != 0;

    CString budget;
    budget.Format(L"%ls: arithmetic %d", static_cast<LPCWSTR>(Wide(pModel->name)), total.alu);
    CString part;
    if (pModel->aluLimit) {
        part.Format(L" of %d", pModel->aluLimit);
        budget += part;
    }
    part.Format(L", texture %d", total.tex);
    budget += part;
    if (pModel->texLimit) {
        part.Format(L" of %d", pModel->texLimit);
        budget += part;
    }
    if (pModel->totalLimit) {
        part.Format(L", slots %d of %d", total.alu + total.tex, pModel->totalLimit);
        budget += part;
    }
    if (!pModel->aluLimit && !pModel->texLimit && !pModel->totalLimit)
        budget += L" (no limits)";
    if (m_overBudget) {
        part.Format(L" - over budget from line %d", overLine);
        budget += part;
    }
    m_budget->SetWindowText(budget);
    m_budget->Invalidate();

    if (!m_overBudget) {
        m_pEditor->DeleteAllMarkers((DWORD)-1, TRUE);
        return;
    }
    // Highlighting moves the caret to the line; the typist keeps their place.
    int start = 0, end = 0;
    m_pEditor->GetSel(start, end);
    const int caret = m_pEditor->GetCurOffset();
    m_pEditor->HighlightLine(overLine);
    if (start >= 0 && start != end)
        m_pEditor->SetSel(start, end, FALSE);
    else
        m_pEditor->SetCaret(caret);
}

HBRUSH CShaderPanel::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = reinterpret_cast<HBRUSH>(Default());
    if (m_budget && pWnd && pWnd->m_hWnd == m_budget->m_hWnd && m_overBudget)
        pDC->SetTextColor(RGB(220, 0, 0));
    return brush;
}

CString CShaderPanel::BeginScene(int scene)
{
    switch (scene) {
    case 1: ShowShader(L"ps20_phong.asm"); return L"asm";
    case 2: {
        // Typed past the model's budget: eight more arithmetic slots.
        ShowShader(L"ps11_detail.asm");
        m_pEditor->SetFocus();
        m_pEditor->SetCaret(m_pEditor->GetTextLength());
        for (int i = 0; i < 8; ++i) {
            for (LPCWSTR p = L"mad r0, r0, c1, r0"; *p; ++p)
                m_pEditor->SendMessage(WM_CHAR, *p, 1);
            m_pEditor->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
        }
        AfxPumpPendingMessages();
        return L"asm-over";
    }
    case 3:
        ShowShader(L"phong.hlsl");
        m_pEditor->SetFocus();
        m_pEditor->FindText(L"normalize");
        m_pEditor->SendMessage(WM_COMMAND, ID_EDIT_FIND);
        return L"find";
    case 4:
        ShowShader(L"phong.hlsl");
        m_pEditor->SetFocus();
        return L"menu";
    default: ShowShader(L"phong.hlsl"); return CString();
    }
}

bool CShaderPanel::CaptureInScene(int scene, const std::function<void()>& capture)
{
    if (scene != 4)
        return false;
    m_pEditor->m_pCaptureInMenu = &capture;
    m_pEditor->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(120, 60));
    m_pEditor->m_pCaptureInMenu = nullptr;
    return true;
}

void CShaderPanel::EndScene(int scene)
{
    if (scene == 3) {
        if (CFindReplaceDialog* pDialog = m_pEditor->FindDialog())
            pDialog->SendMessage(WM_COMMAND, IDCANCEL);
        AfxPumpPendingMessages();
    }
}
