#include "shader_editor/GvMFCShaderEditorTextCtrl.h"

#include "GvCore.h"

namespace {

const UINT kFindReplaceMessage = ::RegisterWindowMessageW(FINDMSGSTRINGW);

const unsigned short* Units(LPCWSTR text)
{
    return reinterpret_cast<const unsigned short*>(text);
}

// Without an application object (a host that installed none) status texts,
// modeless registration and accelerators are left out.
void SetStatus(const char16_t* text)
{
    if (IGvApplication* app = getGvApp()) {
        app->SetStatusText(GvW(text));
    }
}

} // namespace

IMPLEMENT_DYNCREATE(GvMFCShaderEditorTextCtrl, CBCGPEditCtrl)

BEGIN_MESSAGE_MAP(GvMFCShaderEditorTextCtrl, CBCGPEditCtrl)
    ON_WM_RBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_EDIT_FIND, OnEditFind)
    ON_COMMAND(ID_EDIT_REPLACE, OnEditReplace)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_COMMAND(ID_EDIT_UNDO, OnUndo)
    ON_COMMAND(ID_EDIT_REDO, OnRedo)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_REGISTERED_MESSAGE(kFindReplaceMessage, OnFind)
END_MESSAGE_MAP()

GvMFCShaderEditorTextCtrl::GvMFCShaderEditorTextCtrl()
    : m_pActiveFont(nullptr), m_pFindDialog(nullptr),
      m_findWhat(static_cast<unsigned short*>(GvAllocateBuffer(kFindBufferLength * sizeof(unsigned short)))),
      m_findDialogX(-1), m_findDialogY(-1), m_findWholeWord(false), m_findMatchCase(false)
{
    if (m_findWhat) {
        m_findWhat[0] = 0;
    }
    m_bKeepTabs = FALSE;
}

GvMFCShaderEditorTextCtrl::~GvMFCShaderEditorTextCtrl()
{
    GvDeallocateBuffer(m_findWhat);
    // The dialog deletes itself with its window.
    m_pFindDialog = nullptr;
}

void GvMFCShaderEditorTextCtrl::LoadParsingRule(const wchar_t* path)
{
    LoadXMLSettings(CString(path));
}

void GvMFCShaderEditorTextCtrl::LoadKeywords(GvMFCShaderSyntaxParser* parser)
{
    m_clrBack = parser->m_backgroundColor;
    m_clrText = parser->m_foregroundColor;
    m_lineMarkerColor = parser->m_highlightColor;
    for (auto category = parser->BeginKeywordCategory(); category != parser->EndKeywordCategory(); ++category) {
        const GvMFCShaderSyntaxParser::KeywordCategory* pCategory = *category;
        for (int bucket = 0; bucket < GvMFCShaderSyntaxParser::BUCKET_COUNT; ++bucket) {
            const GvMFCShaderSyntaxParser::KeywordCategory::Bucket& words = pCategory->GetBucket(bucket);
            for (auto word = words.Begin(); word != words.End(); ++word) {
                const unsigned short* name = (*word)->GetName();
                SetWordColor(CString(reinterpret_cast<LPCWSTR>(name)), pCategory->GetColor(), (COLORREF)-1, TRUE);
            }
        }
    }
}

void GvMFCShaderEditorTextCtrl::SetActiveFont(CFont* pFont)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? static_cast<HFONT>(pFont->GetSafeHandle()) : nullptr),
                TRUE);
    m_pActiveFont = pFont;
    Invalidate();
}

void GvMFCShaderEditorTextCtrl::HighlightLine(int line)
{
    DeleteAllMarkers((DWORD)-1, TRUE);
    const int row = line >= 1 ? line - 1 : line;
    GoToMarker(SetLineColorMarker(row, RGB(255, 255, 255), m_lineMarkerColor, TRUE, 0, 4, 0));
}

void GvMFCShaderEditorTextCtrl::GotoLine(int line)
{
    SendMessage(WM_SETREDRAW, FALSE, 0);
    StartOfText(FALSE);
    for (int i = 0; i < line; ++i) {
        Down(FALSE, TRUE);
    }
    SendMessage(WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

void GvMFCShaderEditorTextCtrl::UpdateVertScrollBar()
{
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent()) {
        pParent->ScreenToClient(&rect);
    }
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height() - 1, FALSE);
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

CString GvMFCShaderEditorTextCtrl::GetSelectedText() const
{
    int start = 0, end = 0;
    GetSel(start, end);
    if (start > end) {
        std::swap(start, end);
    }
    return start == end ? CString() : GetText(start, end);
}

void GvMFCShaderEditorTextCtrl::EditPopupMenu(CMenu&)
{
}

GvStringW GvMFCShaderEditorTextCtrl::GetCodeTitle()
{
    return GvStringW(GvW(u"ShaderCode"));
}

BOOL GvMFCShaderEditorTextCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST) {
        MSG record = {m_hWnd, message, wParam, lParam, 0, {0, 0}};
        IGvApplication* app = getGvApp();
        if (app && ::TranslateAcceleratorW(m_hWnd, app->GetAcceleratorTable(&record), &record)) {
            return TRUE;
        }
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

void GvMFCShaderEditorTextCtrl::OnAfterTextChanged(int, const CString&, BOOL)
{
    DeleteAllMarkers((DWORD)-1, TRUE);
    m_bIsModified = TRUE;
}

void GvMFCShaderEditorTextCtrl::OnRButtonDown(UINT, CPoint point)
{
    SetFocus();
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_EDIT_UNDO, L"&Undo");
    menu.AppendMenu(MF_STRING, ID_EDIT_REDO, L"&Redo");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_EDIT_FIND, L"&Find...");
    menu.AppendMenu(MF_STRING, ID_EDIT_REPLACE, L"R&eplace...");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_EDIT_CUT, L"Cu&t");
    menu.AppendMenu(MF_STRING, ID_EDIT_COPY, L"&Copy");
    menu.AppendMenu(MF_STRING, ID_EDIT_PASTE, L"&Paste");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_FILE_PRINT, L"P&rint...");
    EditPopupMenu(menu);
    if (!CanUndo()) {
        menu.EnableMenuItem(ID_EDIT_UNDO, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
    }
    if (!CanRedo()) {
        menu.EnableMenuItem(ID_EDIT_REDO, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
    }
    ClientToScreen(&point);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, point.x, point.y, this);
    menu.DestroyMenu();
}

void GvMFCShaderEditorTextCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_BACK && !m_bReadOnly && !m_bSelecting && !GetSelectedText().IsEmpty()) {
        m_dwLastUndoReason = kUndoBreak; // the deletion is an undo step of its own
        if (OnDelete(TRUE, FALSE)) {
            SetCaret(0, TRUE, TRUE);
        }
    }
    CBCGPEditCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

void GvMFCShaderEditorTextCtrl::OnEditCut()
{
    if (IsCutEnabled()) {
        Cut();
    }
}

void GvMFCShaderEditorTextCtrl::OnEditCopy()
{
    if (IsCopyEnabled()) {
        Copy();
    }
}

void GvMFCShaderEditorTextCtrl::OnEditPaste()
{
    if (IsPasteEnabled()) {
        Paste(-1);
    }
}

void GvMFCShaderEditorTextCtrl::OnEditClear()
{
    int start = 0, end = 0;
    GetSel(start, end);
    if (start != -1) {
        Clear();
        return;
    }
    const int offset = GetCurOffset();
    if (offset < GetTextLength()) {
        DeleteText(offset, offset + 1, FALSE);
    }
}

void GvMFCShaderEditorTextCtrl::OnEditFind()
{
    OpenFindDialog(true);
}

void GvMFCShaderEditorTextCtrl::OnEditReplace()
{
    OpenFindDialog(false);
}

void GvMFCShaderEditorTextCtrl::OpenFindDialog(bool findOnly)
{
    // Without its find buffer (no memory at construction) no dialog opens.
    if (m_pFindDialog || !m_findWhat) {
        return;
    }
    m_pFindDialog = new CFindReplaceDialog;
    // The record's size is this platform's FINDREPLACEW.
    m_pFindDialog->m_fr.lStructSize = sizeof(FINDREPLACEW);
    m_pFindDialog->m_fr.hwndOwner = m_hWnd;
    if (m_findWholeWord) {
        m_pFindDialog->m_fr.Flags |= FR_WHOLEWORD;
    }
    if (m_findMatchCase) {
        m_pFindDialog->m_fr.Flags |= FR_MATCHCASE;
    }
    const CString selected = GetSelectedText();
    GvStrCopyW(m_findWhat, selected.IsEmpty() ? GvW(u"") : Units(selected), kFindBufferLength);
    m_pFindDialog->m_fr.lpstrFindWhat = reinterpret_cast<LPWSTR>(m_findWhat);
    m_pFindDialog->m_fr.wFindWhatLen = kFindBufferLength;
    if (!m_pFindDialog->Create(findOnly ? TRUE : FALSE, nullptr, nullptr, FR_DOWN, this)) {
        // Never made a window, so it cannot delete itself.
        delete m_pFindDialog;
        m_pFindDialog = nullptr;
        return;
    }
    if (m_findDialogX != -1 && m_findDialogY != -1) {
        m_pFindDialog->SetWindowPos(nullptr, m_findDialogX, m_findDialogY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    m_pFindDialog->ShowWindow(SW_SHOW);
    m_pFindDialog->UpdateWindow();
    if (IGvApplication* app = getGvApp()) {
        app->RegisterModelessWindow(m_pFindDialog->m_hWnd, 1, 0, 0, 0, 0);
    }
}

void GvMFCShaderEditorTextCtrl::OnEditSelectAll()
{
    MakeSelection(ST_ALL_TEXT);
}

void GvMFCShaderEditorTextCtrl::OnUndo()
{
    if (::GetFocus() == m_hWnd && CanUndo()) {
        CBCGPEditCtrl::OnUndo(TRUE, TRUE);
    }
}

void GvMFCShaderEditorTextCtrl::OnRedo()
{
    if (::GetFocus() == m_hWnd && CanRedo()) {
        CBCGPEditCtrl::OnRedo(TRUE, TRUE);
    }
}

LRESULT GvMFCShaderEditorTextCtrl::OnFind(WPARAM, LPARAM)
{
    if (!m_pFindDialog) {
        return 1;
    }
    const DWORD flags = m_pFindDialog->m_fr.Flags;
    if (flags & FR_FINDNEXT) {
        FindNext();
    } else if (flags & FR_REPLACE) {
        ReplaceCurrent();
        FindNext();
    } else if (flags & FR_REPLACEALL) {
        ReplaceAll();
    } else if (flags & FR_DIALOGTERM) {
        CRect rect;
        m_pFindDialog->GetWindowRect(&rect);
        m_findDialogX = rect.left;
        m_findDialogY = rect.top;
        m_findMatchCase = (flags & FR_MATCHCASE) != 0;
        m_findWholeWord = (flags & FR_WHOLEWORD) != 0;
        SetStatus(u"Ready");
        if (IGvApplication* app = getGvApp()) {
            app->UnregisterModelessWindow(m_pFindDialog->m_hWnd);
        }
        m_pFindDialog = nullptr;
        SetFocus();
    }
    return 1;
}

BOOL GvMFCShaderEditorTextCtrl::FindNext()
{
    if (!m_pFindDialog) {
        return FALSE;
    }
    const CString text = m_pFindDialog->GetFindString();
    if (text.IsEmpty()) {
        return FALSE;
    }
    const DWORD flags = m_pFindDialog->m_fr.Flags;
    const BOOL found = FindText(text, (flags & FR_DOWN) != 0, (flags & FR_MATCHCASE) != 0, (flags & FR_WHOLEWORD) != 0);
    SetFocus();
    if (found == 1) {
        return TRUE;
    }
    SetStatus(u"The specified text was not found");
    return FALSE;
}

BOOL GvMFCShaderEditorTextCtrl::ReplaceCurrent()
{
    if (!m_pFindDialog) {
        return FALSE;
    }
    const CString replacement = m_pFindDialog->GetReplaceString();
    int start = 0, end = 0;
    GetSel(start, end);
    if (start >= end) {
        return FALSE;
    }
    DeleteSelectedText(TRUE, FALSE, TRUE);
    InsertText(replacement, start, FALSE, FALSE, TRUE, FALSE, TRUE);
    SetCaret(start + replacement.GetLength(), TRUE, TRUE);
    SetFocus();
    return TRUE;
}

void GvMFCShaderEditorTextCtrl::ReplaceAll()
{
    int start = 0, end = 0;
    GetSel(start, end);
    const int length = m_pFindDialog ? m_pFindDialog->GetReplaceString().GetLength() : 0;
    SetSel(0, 0, FALSE);
    if (FindNext()) {
        int last = -1;
        for (;;) {
            const int current = GetCurOffset();
            // The search wrapped round to text already replaced.
            if (last != -1 && current < last + length) {
                break;
            }
            last = current;
            if (!ReplaceCurrent() || !FindNext()) {
                break;
            }
        }
    }
    SetSel(start, end, FALSE);
    SetFocus();
}

void GvMFCShaderEditorTextCtrl::OnFilePrint()
{
    CPrintDialog dialog(FALSE, 0x0014000C, this);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    CDC dc;
    dc.Attach(dialog.GetPrinterDC());
    dc.m_bPrinting = TRUE;
    PrintTo(dc);
    dc.DeleteDC();
}

void GvMFCShaderEditorTextCtrl::PrintTo(CDC& dc)
{
    const GvStringW title = GetCodeTitle();
    DOCINFOW document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = reinterpret_cast<LPCWSTR>(static_cast<const unsigned short*>(title));
    bool good = dc.StartDoc(&document) != 0;

    CPrintInfo info;
    info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    info.m_strPageDesc = L"Page %u\nPages %u-%u\n";
    OnBeginPrinting(&dc, &info);
    for (UINT page = info.GetMinPage(); page <= info.GetMaxPage() && good; ++page) {
        dc.StartPage();
        info.m_nCurPage = page;
        OnPrint(&dc, &info);
        if (dc.EndPage() <= 0) {
            good = false;
        }
    }
    OnEndPrinting(&dc, &info);
    if (good) {
        dc.EndDoc();
    } else {
        dc.AbortDoc();
    }
}
