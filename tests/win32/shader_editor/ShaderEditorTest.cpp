#include <cstring>
#include <memory>
#include <string>
#include <vector>
#include "GvCore.h"
#include "GvApplication.h"
#include "GvShaderEditor.h"
#include "EditTestSupport.h"

namespace {

struct MenuItem
{
    UINT id;
    std::wstring text;
    bool grayed;
};

// The control with its state readable; records the context menu as tracked
// and closes it again.
class CTestShaderEditor : public GvMFCShaderEditorTextCtrl
{
public:
    using GvMFCShaderEditorTextCtrl::m_clrBack;
    using GvMFCShaderEditorTextCtrl::m_clrText;
    using GvMFCShaderEditorTextCtrl::m_findDialogX;
    using GvMFCShaderEditorTextCtrl::m_findDialogY;
    using GvMFCShaderEditorTextCtrl::m_findWhat;
    using GvMFCShaderEditorTextCtrl::m_nTotalLines;
    using GvMFCShaderEditorTextCtrl::m_pFindDialog;
    using GvMFCShaderEditorTextCtrl::PrintTo;

    std::vector<MenuItem> m_menu;
    int m_hookCalls = 0;
    std::vector<UINT> m_commands;

protected:
    void EditPopupMenu(CMenu& menu) override
    {
        ++m_hookCalls;
        EXPECT_EQ(11u, menu.GetMenuItemCount());
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_INITMENUPOPUP) {
            HMENU hMenu = reinterpret_cast<HMENU>(wParam);
            for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
                wchar_t text[64] = L"";
                ::GetMenuStringW(hMenu, i, text, 64, MF_BYPOSITION);
                m_menu.push_back(
                    {::GetMenuItemID(hMenu, i), text, (::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_GRAYED) != 0});
            }
            ::EndMenu();
        } else if (message == WM_COMMAND) {
            m_commands.push_back(LOWORD(wParam));
        }
        return GvMFCShaderEditorTextCtrl::WindowProc(message, wParam, lParam);
    }
};

} // namespace

class ShaderEditorTest : public EditCtrlFixture<CTestShaderEditor>
{
protected:
    // The application lives within the test's span, so the buffers it keeps
    // (status text, modeless windows, tables) are back before the leak check.
    void SetUp() override
    {
        EditCtrlFixture::SetUp();
        m_app = std::make_unique<GvApplication>();
    }
    void TearDown() override
    {
        if (m_edit.m_pFindDialog)
            CloseFindDialog();
        m_app.reset();
        EditCtrlFixture::TearDown();
    }

    void SetText(LPCWSTR text)
    {
        m_edit.SetWindowText(text);
        m_edit.SetSel(0, 0, FALSE);
    }
    CString Status() const { return CString(reinterpret_cast<LPCWSTR>(m_app->GetStatusText())); }

    HWND FindDialog() const { return m_edit.m_pFindDialog ? m_edit.m_pFindDialog->m_hWnd : nullptr; }
    // The dialog's own controls, as a user fills and presses them.
    void FillFindDialog(LPCWSTR find, LPCWSTR replace = nullptr, bool wholeWord = false, bool matchCase = false)
    {
        HWND hDialog = FindDialog();
        ::SetDlgItemTextW(hDialog, edt1, find);
        if (replace)
            ::SetDlgItemTextW(hDialog, edt2, replace);
        ::CheckDlgButton(hDialog, chx1, wholeWord ? BST_CHECKED : BST_UNCHECKED);
        ::CheckDlgButton(hDialog, chx2, matchCase ? BST_CHECKED : BST_UNCHECKED);
    }
    void Press(int button)
    {
        ::SendMessageW(FindDialog(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                       (LPARAM)::GetDlgItem(FindDialog(), button));
        AfxPumpPendingMessages();
    }
    void CloseFindDialog() { Press(IDCANCEL); }

    std::unique_ptr<GvApplication> m_app;
};

TEST_F(ShaderEditorTest, TabsLineCountActiveFontTheParsersKeywordsAndColoursAndTheHighlightedLine)
{
    EXPECT_TRUE(m_edit.IsUseSpaceForTabs());
    m_edit.SetIndentSize(3);
    m_edit.SetTabSize(6);
    m_edit.UseSpaceForTabs(false);
    m_edit.SendMessage(WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(CString(L"\t"), Text());
    m_edit.UseSpaceForTabs(true);
    m_edit.SendMessage(WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(CString(L"\t   "), Text()); // from column 6, not 4: a whole indent

    // Rows inserted inside a row start counting after it.
    SetText(L"one\ntwo");
    EXPECT_EQ(1, m_edit.m_nTotalLines);
    m_edit.InsertText(L"x\ny\nz", 5);
    EXPECT_EQ(std::make_tuple(3, CString(L"one\ntx\ny\nzwo")), std::make_tuple(m_edit.m_nTotalLines, Text()));

    // The active font is the window's font.
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, L"Courier New"));
    m_edit.SetActiveFont(&font);
    EXPECT_EQ(font.GetSafeHandle(), reinterpret_cast<HGDIOBJ>(m_edit.SendMessage(WM_GETFONT)));
    m_edit.SetActiveFont(nullptr);
    EXPECT_EQ(nullptr, reinterpret_cast<HGDIOBJ>(m_edit.SendMessage(WM_GETFONT)));
    m_edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);

    // Keywords and colours of the parser paint.
    GvMFCShaderHLSLParser parser;
    parser.m_backgroundColor = RGB(250, 240, 200);
    parser.m_foregroundColor = RGB(0, 0, 0);
    parser.m_highlightColor = RGB(200, 0, 200);
    parser.AddKeywordCategory(GvW(u"types"), false)->SetColor(RGB(255, 0, 0));
    parser.AddKeyword(GvW(u"types"), GvW(u"float"));
    parser.AddKeyword(GvW(u"types"), GvW(u"half"));
    // A word of two categories takes the colour of the later one.
    parser.AddKeywordCategory(GvW(u"intrinsics"), false)->SetColor(RGB(0, 0, 255));
    parser.AddKeyword(GvW(u"intrinsics"), GvW(u"half"));
    m_edit.LoadKeywords(&parser);
    EXPECT_EQ(std::make_tuple(RGB(250, 240, 200), RGB(0, 0, 0)), std::make_tuple(m_edit.m_clrBack, m_edit.m_clrText));

    SetText(L"float x half");
    const CPixels shot = Printed();
    EXPECT_TRUE(Has(shot, Cells(0, 0, 5), RGB(255, 0, 0)));
    EXPECT_FALSE(Has(shot, Cells(0, 0, 5), RGB(0, 0, 0)));
    EXPECT_TRUE(Has(shot, Cells(0, 6, 1), RGB(0, 0, 0)));
    EXPECT_FALSE(Has(shot, Cells(0, 6, 1), RGB(255, 0, 0)));
    EXPECT_TRUE(Has(shot, Cells(0, 8, 4), RGB(0, 0, 255)));
    EXPECT_FALSE(Has(shot, Cells(0, 8, 4), RGB(255, 0, 0)));
    EXPECT_EQ(RGB(250, 240, 200), shot.At(300, 3 * m_lineHeight));

    // A highlighted line marks its row until the next edit.
    GvMFCShaderASMParser asmParser;
    asmParser.m_backgroundColor = RGB(255, 255, 255);
    asmParser.m_highlightColor = RGB(200, 0, 0);
    m_edit.LoadKeywords(&asmParser);
    SetText(L"ps_2_0\nmov r0, c0\nadd r0, r0, c1\n");
    const int right = 300;
    const struct
    {
        int line, row;
    } highlights[] = {{0, 0}, {1, 0}, {3, 2}};
    for (const auto& c : highlights) {
        m_edit.HighlightLine(c.line);
        const CPixels picture = Printed();
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(row == c.row ? RGB(200, 0, 0) : RGB(255, 255, 255),
                      picture.At(right, row * m_lineHeight + m_lineHeight / 2))
                << "line " << c.line << " row " << row;
        EXPECT_EQ(c.row, m_edit.RowFromOffset(m_edit.GetCurOffset()));
    }
    m_edit.SendMessage(WM_CHAR, L'x', 1);
    EXPECT_EQ(RGB(255, 255, 255), Printed().At(right, 2 * m_lineHeight + m_lineHeight / 2));
    EXPECT_TRUE(m_edit.IsModified());
}

TEST_F(ShaderEditorTest, ContextMenuItemsAndEnablement)
{
    // Undo and Redo grayed, nothing else.
    const UINT ids[] = {ID_EDIT_UNDO, ID_EDIT_REDO,  0, ID_EDIT_FIND, ID_EDIT_REPLACE, 0, ID_EDIT_CUT,
                        ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_FILE_PRINT};
    const wchar_t* texts[] = {L"&Undo", L"&Redo", L"",       L"&Find...", L"R&eplace...", L"",
                              L"Cu&t",  L"&Copy", L"&Paste", L"",         L"P&rint..."};
    m_frame.SetFocus();
    m_edit.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(m_edit.m_hWnd, ::GetFocus());
    EXPECT_EQ(1, m_edit.m_hookCalls);
    ASSERT_EQ(11u, m_edit.m_menu.size());
    for (size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(ids[i], m_edit.m_menu[i].id) << i;
        EXPECT_EQ(texts[i], m_edit.m_menu[i].text) << i;
        if (ids[i]) {
            EXPECT_EQ(i < 2, m_edit.m_menu[i].grayed) << i;
        }
    }

    m_edit.SendMessage(WM_CHAR, L'a', 1);
    m_edit.SendMessage(WM_CHAR, L'b', 1);
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_UNDO, 0);
    EXPECT_EQ(CString(), Text());
    m_edit.m_menu.clear();
    m_edit.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
    ASSERT_EQ(11u, m_edit.m_menu.size());
    EXPECT_TRUE(m_edit.m_menu[0].grayed);
    EXPECT_FALSE(m_edit.m_menu[1].grayed);

    // Undo and redo only act for the control with the focus.
    m_frame.SetFocus();
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_REDO, 0);
    EXPECT_EQ(CString(), Text());
    m_edit.SetFocus();
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_REDO, 0);
    EXPECT_EQ(CString(L"ab"), Text());
}

TEST_F(ShaderEditorTest, OneFindDialogAtATimeWithTheSelectionUpToTheBufferLimit)
{
    CString longText;
    for (int i = 0; i < 5000; ++i)
        longText += L'a' + i % 26;
    SetText(longText + L"\nend");
    m_edit.SetSel(0, 5000, FALSE);
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_FIND, 0);
    const HWND hDialog = FindDialog();
    ASSERT_NE(nullptr, hDialog);
    EXPECT_TRUE(::IsWindowVisible(hDialog));
    EXPECT_EQ(4095, GvStrLenW(m_edit.m_findWhat));
    EXPECT_EQ(0, std::wstring(longText.Left(4095)).compare(reinterpret_cast<LPCWSTR>(m_edit.m_findWhat)));
    EXPECT_EQ(reinterpret_cast<LPWSTR>(m_edit.m_findWhat), m_edit.m_pFindDialog->m_fr.lpstrFindWhat);
    EXPECT_EQ(4096, m_edit.m_pFindDialog->m_fr.wFindWhatLen);
    EXPECT_EQ(nullptr, ::GetDlgItem(hDialog, edt2)) << "find only";
    EXPECT_TRUE(m_app->IsModelessWindowRegistered(hDialog));

    m_edit.SetSel(4, 6, FALSE);
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_REPLACE, 0);
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_FIND, 0);
    EXPECT_EQ(hDialog, FindDialog());
    EXPECT_EQ(4095, GvStrLenW(m_edit.m_findWhat));
    EXPECT_EQ(1, m_app->GetModelessWindows().GetCount());
}

TEST_F(ShaderEditorTest, FindAndReplaceThroughTheDialog)
{
    SetText(L"One one oneself one");
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_REPLACE, 0);
    ASSERT_NE(nullptr, FindDialog());

    FillFindDialog(L"one", nullptr, true, true);
    Press(IDOK);
    ExpectSelection(4, 7);
    Press(IDOK);
    ExpectSelection(16, 19);
    Press(IDOK);
    ExpectSelection(4, 7); // wrapped round

    FillFindDialog(L"two");
    Press(IDOK);
    ExpectSelection(4, 7);
    EXPECT_EQ(CString(L"The specified text was not found"), Status());

    // Replace: the selection goes, then the next match is selected.
    FillFindDialog(L"one", L"2", true, true);
    Press(psh1);
    EXPECT_EQ(CString(L"One 2 oneself one"), Text());
    ExpectSelection(14, 17);
    m_edit.SetSel(0, 0, FALSE);
    Press(psh1);
    EXPECT_EQ(CString(L"One 2 oneself one"), Text()) << "nothing selected: nothing replaced";

    FillFindDialog(L"one", L"ONE");
    m_edit.SetSel(2, 5, FALSE);
    Press(psh2);
    EXPECT_EQ(CString(L"ONE 2 ONEself ONE"), Text());
    ExpectSelection(2, 5);
    // Replace all stops where the search wraps round: a replacement holding
    // the word is not replaced again.
    SetText(L"ab ab");
    FillFindDialog(L"ab", L"xab");
    Press(psh2);
    EXPECT_EQ(CString(L"xab xab"), Text());
    int start = 0, end = 0;
    m_edit.GetSel(start, end);
    EXPECT_EQ(-1, start) << "the selection before, none";
    FillFindDialog(L"zz", L"y");
    Press(psh2);
    EXPECT_EQ(CString(L"xab xab"), Text());
    EXPECT_EQ(CString(L"The specified text was not found"), Status());

    // Closing remembers where the dialog was and its options.
    FillFindDialog(L"x", nullptr, true, false);
    ::SetWindowPos(FindDialog(), nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const HWND hDialog = FindDialog();
    CloseFindDialog();
    EXPECT_EQ(nullptr, m_edit.m_pFindDialog);
    EXPECT_FALSE(::IsWindow(hDialog));
    EXPECT_FALSE(m_app->IsModelessWindowRegistered(hDialog));
    EXPECT_EQ(CString(L"Ready"), Status());
    EXPECT_EQ(m_edit.m_hWnd, ::GetFocus());
    EXPECT_EQ(CPoint(33, 44), CPoint(m_edit.m_findDialogX, m_edit.m_findDialogY));

    m_edit.SendMessage(WM_COMMAND, ID_EDIT_FIND, 0);
    CRect rect;
    ::GetWindowRect(FindDialog(), &rect);
    EXPECT_EQ(CPoint(33, 44), rect.TopLeft());
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(FindDialog(), chx1));
    EXPECT_EQ(BST_UNCHECKED, ::IsDlgButtonChecked(FindDialog(), chx2));
}

TEST_F(ShaderEditorTest, BackspaceOverASelectionIsOneUndoStepClearDeletesItGotoLineCountsFromZeroAcceleratorsFirst)
{
    SetText(L"abcdef");
    m_edit.SetCaret(6);
    m_edit.SendMessage(WM_CHAR, L'g', 1);
    m_edit.SetSel(1, 4, FALSE);
    m_edit.SendMessage(WM_KEYDOWN, VK_BACK, 1);
    EXPECT_EQ(std::make_tuple(CString(L"aefg"), 0), std::make_tuple(Text(), m_edit.GetCurOffset()));
    for (const wchar_t* undone : {L"abcdefg", L"abcdef"}) {
        m_edit.SendMessage(WM_COMMAND, ID_EDIT_UNDO, 0);
        EXPECT_EQ(CString(undone), Text());
    }

    // Without a selection Backspace is the editor's own.
    m_edit.SetCaret(3);
    m_edit.SendMessage(WM_KEYDOWN, VK_BACK, 1);
    EXPECT_EQ(CString(L"abdef"), Text());

    // Clear deletes the selection or the character at the caret.
    SetText(L"abcdef");
    m_edit.SetCaret(2);
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_CLEAR, 0);
    EXPECT_EQ(CString(L"abdef"), Text());
    m_edit.SetSel(1, 3, FALSE);
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_CLEAR, 0);
    EXPECT_EQ(CString(L"aef"), Text());
    m_edit.SetCaret(3);
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_CLEAR, 0);
    EXPECT_EQ(CString(L"aef"), Text());
    m_edit.SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL, 0);
    ExpectSelection(0, 3);

    SetText(L"a\nbb\nccc\ndddd\ne");
    m_edit.SetCaret(9);
    for (const auto& [line, offset] : {std::pair{0, 0}, {3, 9}, {-2, 0}}) {
        m_edit.GotoLine(line);
        EXPECT_EQ(offset, m_edit.GetCurOffset()) << line;
    }

    // Keys go through the application's accelerators first.
    m_edit.m_commands.clear();
    ACCEL keys[] = {{FVIRTKEY, VK_F3, ID_EDIT_FIND}, {FVIRTKEY, VK_DELETE, ID_EDIT_SELECT_ALL}};
    HACCEL table = ::CreateAcceleratorTableW(keys, 2);
    m_app->SetWindowAcceleratorTable(m_frame.m_hWnd, table);
    SetText(L"abc");
    m_edit.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(CString(L"abc"), Text()) << "the key did not reach the editor";
    ExpectSelection(0, 3);
    m_edit.SendMessage(WM_KEYDOWN, VK_F3, 1);
    EXPECT_NE(nullptr, FindDialog());
    const std::vector<UINT> commands = {ID_EDIT_SELECT_ALL, ID_EDIT_FIND};
    EXPECT_EQ(commands, m_edit.m_commands);

    m_app->SetWindowAcceleratorTable(m_frame.m_hWnd, nullptr);
    m_edit.SetCaret(0);
    m_edit.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(CString(L"bc"), Text());
    ::DestroyAcceleratorTable(table);
}

namespace {

// The print job as the library's DLL calls it: its GDI imports of the job
// calls are redirected here, since a metafile DC (there is no printer) has no
// document of its own.
struct JobRecord
{
    std::wstring name;
    std::vector<std::string> calls;
    int failPage = 0; // EndPage of this page fails
    int pages = 0;
} g_job;

// Points the module's import of function (from any DLL) at replacement;
// returns the previous target.
void* PatchImport(HMODULE module, const char* function, void* replacement)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (!IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)
                && std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                DWORD old = 0;
                ::VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
                void* previous = reinterpret_cast<void*>(slots->u1.Function);
                slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
                ::VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
                return previous;
            }
        }
    }
    return nullptr;
}

class JobCalls
{
public:
    JobCalls()
    {
        g_job = JobRecord();
        for (Patch& patch : m_patches) {
            patch.previous = PatchImport(LibraryInstance(), patch.name, patch.replacement);
            EXPECT_NE(nullptr, patch.previous) << patch.name;
        }
    }
    ~JobCalls()
    {
        for (Patch& patch : m_patches)
            if (patch.previous)
                PatchImport(LibraryInstance(), patch.name, patch.previous);
    }

private:
    static int Call(const char* name) { return g_job.calls.push_back(name), 1; }
    template <class F>
    static void* Fn(F* f)
    {
        return reinterpret_cast<void*>(f);
    }
    struct Patch
    {
        const char* name;
        void* replacement;
        void* previous = nullptr;
    } m_patches[5] = {
        {"StartDocW", Fn(+[](HDC, const DOCINFOW* info) WINAPI {
             g_job.name = info && info->lpszDocName ? info->lpszDocName : L"";
             return Call("StartDoc");
         })},
        {"StartPage", Fn(+[](HDC) WINAPI { return ++g_job.pages, Call("StartPage"); })},
        {"EndPage", Fn(+[](HDC) WINAPI { return Call("EndPage") && g_job.pages != g_job.failPage ? 1 : 0; })},
        {"EndDoc", Fn(+[](HDC) WINAPI { return Call("EndDoc"); })},
        {"AbortDoc", Fn(+[](HDC) WINAPI { return Call("AbortDoc"); })}};
};

} // namespace

TEST_F(ShaderEditorTest, PrintsUnderTheCodeTitleInPages)
{
    SetRows(200, L"row%03d\n");
    for (int failPage : {0, 2}) {
        JobCalls job;
        g_job.failPage = failPage;
        const std::vector<std::wstring> texts = PrintedTexts([&](CDC& dc) { m_edit.PrintTo(dc); });
        EXPECT_EQ(std::wstring(L"ShaderCode"), g_job.name);
        ASSERT_FALSE(texts.empty());
        if (failPage == 0) {
            // The page is the device's own size: every row once, in pages.
            const int perPage = static_cast<int>(texts.size()) / g_job.pages;
            EXPECT_GT(g_job.pages, 1);
            EXPECT_EQ((200 + perPage - 1) / perPage, g_job.pages);
            ASSERT_EQ(200u, texts.size());
            EXPECT_EQ(std::wstring(L"row199"), texts.back());
            EXPECT_EQ("EndDoc", g_job.calls.back());
        } else {
            const std::vector<std::string> calls = {"StartDoc",  "StartPage", "EndPage",
                                                    "StartPage", "EndPage",   "AbortDoc"};
            EXPECT_EQ(calls, g_job.calls);
        }
    }
}

TEST_F(ShaderEditorTest, CreatedDynamicallyThroughItsRunTimeClass)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(GvMFCShaderEditorTextCtrl);
    CObject* pObject = pClass->CreateObject();
    auto* pEdit = DYNAMIC_DOWNCAST(GvMFCShaderEditorTextCtrl, pObject);
    ASSERT_NE(nullptr, pEdit);
    ASSERT_TRUE(pEdit->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_frame, 101));
    pEdit->DestroyWindow();
    delete pEdit;
}
