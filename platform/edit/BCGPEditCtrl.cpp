#include "BCGPEditCtrl.h"
#include <algorithm>
#include <cstdio>
#include "EditCtrlImpl.h"
#include "core/SyntaxSettings.h"
#include "core/TextSearch.h"

using namespace gvedit;

static_assert(CBCGPEditCtrl::kUndoBreak == gvedit::kUndoBreak, "the reason the core records for nothing");

IMPLEMENT_DYNCREATE(CBCGPEditCtrl, CWnd)

BEGIN_MESSAGE_MAP(CBCGPEditCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_GETDLGCODE()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_PAINT_BUFFERED(PaintClient)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CBCGPEditCtrl::CBCGPEditCtrl()
    : m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_clrBack(::GetSysColor(COLOR_WINDOW)),
      m_clrTextSelActive(::GetSysColor(COLOR_HIGHLIGHTTEXT)), m_clrBackSelActive(::GetSysColor(COLOR_HIGHLIGHT)),
      m_nTabSize(4), m_nIndentSize(4), m_bKeepTabs(FALSE), m_bIsModified(FALSE), m_nTotalLines(0),
      m_dwLastUndoReason(kUndoBreak), m_iStartSel(-1), m_iEndSel(-1), m_nCurrOffset(0), m_bReadOnly(FALSE),
      m_bSelecting(FALSE), m_pImpl(new Impl(*this))
{
    EnableActiveAccessibility();
}

HRESULT CBCGPEditCtrl::get_accName(VARIANT varChild, BSTR* pszName)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccString(pszName, L"") : CWnd::get_accName(varChild, pszName);
}

HRESULT CBCGPEditCtrl::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    if (!AfxIsAccSelf(varChild))
        return CWnd::get_accValue(varChild, pszValue);
    const int row = m_pImpl->Text().RowFromOffset(m_nCurrOffset);
    return AfxSetAccString(pszValue, GetText(m_pImpl->Text().RowStart(row), m_pImpl->Text().RowEnd(row)));
}

HRESULT CBCGPEditCtrl::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarRole, ROLE_SYSTEM_TEXT) : CWnd::get_accRole(varChild, pvarRole);
}

HRESULT CBCGPEditCtrl::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    if (!AfxIsAccSelf(varChild))
        return CWnd::get_accState(varChild, pvarState);
    return AfxSetAccLong(pvarState, AfxAccFocusableState(this) | (m_bReadOnly ? STATE_SYSTEM_READONLY : 0));
}

CBCGPEditCtrl::~CBCGPEditCtrl()
{
    // An object deleted before its window: ~CWnd would destroy the window
    // when this class's handlers no longer run, and OnDestroy's font would
    // be lost.
    if (::IsWindow(m_hWnd)) {
        DestroyWindow();
    }
    delete m_pImpl;
}

BOOL CBCGPEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCWSTR className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_IBEAM));
    return CWnd::Create(className, nullptr, dwStyle | WS_VSCROLL | WS_HSCROLL, rect, pParentWnd, nID);
}

int CBCGPEditCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    m_pImpl->m_hDefaultFont = CreateDefaultFont();
    m_pImpl->SetFont(nullptr);
    m_pImpl->UpdateScrollBars();
    return 0;
}

// A fixed-pitch default, so columns line up before anyone sets a font; 13
// pixels high at 96 DPI.
HFONT CBCGPEditCtrl::CreateDefaultFont()
{
    LOGFONTW font = {};
    font.lfHeight = -AfxScaleForWindow(this, 13);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(font.lfFaceName, L"Courier New", LF_FACESIZE);
    return ::CreateFontIndirectW(&font);
}

// A child hears of a new DPI (its window moved to another screen) after its
// top-level window has; a font of the host's stays as it is.
LRESULT CBCGPEditCtrl::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    HFONT hOld = m_pImpl->m_hDefaultFont;
    m_pImpl->m_hDefaultFont = CreateDefaultFont();
    if (m_pImpl->m_hFont == hOld) {
        m_pImpl->SetFont(nullptr);
        m_pImpl->UpdateScrollBars();
        Invalidate(FALSE);
    }
    ::DeleteObject(hOld);
    return 0;
}

void CBCGPEditCtrl::OnDestroy()
{
    if (m_pImpl->m_focused) {
        ::DestroyCaret();
        m_pImpl->m_focused = false;
    }
    m_pImpl->m_hFont = nullptr;
    if (m_pImpl->m_hDefaultFont) {
        ::DeleteObject(m_pImpl->m_hDefaultFont);
        m_pImpl->m_hDefaultFont = nullptr;
    }
    CWnd::OnDestroy();
}

// ---- Selection and edits -----------------------------------------------------

void CBCGPEditCtrl::Impl::SelectionRange(int& start, int& end) const
{
    if (HasSelection()) {
        start = std::min(m_ctrl.m_iStartSel, m_ctrl.m_iEndSel);
        end = std::max(m_ctrl.m_iStartSel, m_ctrl.m_iEndSel);
    }
}

Selection CBCGPEditCtrl::Impl::CurrentSelection() const
{
    return HasSelection() ? Selection{m_ctrl.m_iStartSel, m_ctrl.m_iEndSel}
                          : Selection{m_ctrl.m_nCurrOffset, m_ctrl.m_nCurrOffset};
}

void CBCGPEditCtrl::Impl::ApplySelection(const Selection& selection)
{
    m_ctrl.m_nCurrOffset = Clamp(selection.caret);
    if (selection.anchor == selection.caret) {
        m_ctrl.m_iStartSel = m_ctrl.m_iEndSel = -1;
    } else {
        m_ctrl.m_iStartSel = Clamp(selection.anchor);
        m_ctrl.m_iEndSel = m_ctrl.m_nCurrOffset;
    }
}

void CBCGPEditCtrl::Impl::MoveCaret(int offset, bool select, bool redraw)
{
    const bool hadSelection = HasSelection();
    const int anchor = hadSelection ? m_ctrl.m_iStartSel : m_ctrl.m_nCurrOffset;
    ApplySelection(Selection{select ? anchor : offset, offset});
    m_wantedColumn = -1;
    m_document.History().BreakGroup();
    if (m_ctrl.GetSafeHwnd()) {
        EnsureVisible(m_ctrl.m_nCurrOffset, redraw);
        if (select || hadSelection) {
            Redraw(false);
        }
        UpdateCaret();
    }
    m_ctrl.OnSetCaret();
}

void CBCGPEditCtrl::Impl::Insert(int offset, std::u16string_view text, unsigned reason, bool forceNew, bool record)
{
    const bool join = !forceNew && m_ctrl.m_dwLastUndoReason == reason;
    m_document.Insert(offset, text, UndoRecord{reason, join, CurrentSelection(), record});
    if (record) {
        m_ctrl.m_dwLastUndoReason = reason;
    }
    if (m_ctrl.m_nCurrOffset > offset) {
        m_ctrl.m_nCurrOffset += static_cast<int>(text.size());
    }
}

void CBCGPEditCtrl::Impl::Delete(int start, int end, unsigned reason, bool forceNew, bool record)
{
    const bool join = !forceNew && m_ctrl.m_dwLastUndoReason == reason;
    const Selection before = CurrentSelection();
    m_document.Delete(start, end - start, UndoRecord{reason, join, before, record});
    if (record) {
        m_ctrl.m_dwLastUndoReason = reason;
    }
    int& caret = m_ctrl.m_nCurrOffset;
    caret = caret >= end ? caret - (end - start) : std::min(caret, start);
    m_ctrl.m_iStartSel = m_ctrl.m_iEndSel = -1;
    UpdateCaret();
}

void CBCGPEditCtrl::Impl::ReplaceSelection(std::u16string_view text, unsigned reason)
{
    bool forceNew = reason != kUndoTyping;
    if (HasSelection()) {
        int start = 0, end = 0;
        SelectionRange(start, end);
        Delete(start, end, reason, true);
        forceNew = false;
    }
    const int offset = m_ctrl.m_nCurrOffset;
    Insert(offset, text, reason, forceNew);
    m_ctrl.m_nCurrOffset = offset + static_cast<int>(text.size());
    m_document.History().SetSelectionAfter(Selection{m_ctrl.m_nCurrOffset, m_ctrl.m_nCurrOffset});
    UpdateCaret();
}

void CBCGPEditCtrl::Impl::Backspace(bool byWord)
{
    if (HasSelection()) {
        m_ctrl.OnDelete(TRUE, FALSE);
        return;
    }
    const int caret = m_ctrl.m_nCurrOffset;
    const int start = byWord ? PreviousWordStart(Text(), caret) : caret - 1;
    if (start < 0 || start == caret) {
        return;
    }
    Delete(start, caret, kUndoBackspace, byWord);
}

void CBCGPEditCtrl::Impl::Enter()
{
    const int row = Text().RowFromOffset(m_ctrl.m_nCurrOffset);
    const int start = Text().RowStart(row);
    int end = start;
    while (end < m_ctrl.m_nCurrOffset && (Text().At(end) == u' ' || Text().At(end) == u'\t')) {
        ++end;
    }
    ReplaceSelection(u"\n" + Text().Text(start, end - start), kUndoTyping);
}

// Tab indents every row the selection touches when it spans rows, else
// inserts one indent at the caret; Shift+Tab removes one indent from the rows
// (the caret's row without a selection). One undo step either way.
void CBCGPEditCtrl::Impl::Tab(bool outdent)
{
    const int indentSize = std::max(1, m_ctrl.m_nIndentSize);
    int start = m_ctrl.m_nCurrOffset, end = start;
    SelectionRange(start, end);
    const int firstRow = Text().RowFromOffset(start);
    int lastRow = Text().RowFromOffset(end);
    if (!outdent && firstRow == lastRow) {
        std::u16string indent(1, u'\t');
        if (!m_ctrl.m_bKeepTabs) {
            const int column = ColumnOfOffset(start);
            indent.assign(indentSize - column % indentSize, u' ');
        }
        ReplaceSelection(indent, kUndoTyping);
        return;
    }
    if (lastRow > firstRow && end == Text().RowStart(lastRow)) {
        --lastRow;
    }
    bool first = true;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int rowStart = Text().RowStart(row);
        if (!outdent) {
            const std::u16string indent = m_ctrl.m_bKeepTabs ? u"\t" : std::u16string(indentSize, u' ');
            Insert(rowStart, indent, kUndoIndent, first);
            first = false;
            continue;
        }
        int count = 0;
        int column = 0;
        const int rowEnd = Text().RowEnd(row);
        while (rowStart + count < rowEnd && column < indentSize) {
            const char16_t c = Text().At(rowStart + count);
            if (c == u' ') {
                ++column;
            } else if (c == u'\t') {
                column = indentSize;
            } else {
                break;
            }
            ++count;
        }
        if (count > 0) {
            Delete(rowStart, rowStart + count, kUndoIndent, first);
            first = false;
        }
    }
    if (!first) {
        const Selection selection{Text().RowStart(firstRow), lastRow + 1 < Text().Rows() && start != end
                                                                 ? Text().RowStart(lastRow + 1)
                                                                 : Text().RowEnd(lastRow)};
        ApplySelection(start == end ? Selection{Clamp(m_ctrl.m_nCurrOffset), Clamp(m_ctrl.m_nCurrOffset)} : selection);
        m_document.History().SetSelectionAfter(CurrentSelection());
        m_ctrl.m_dwLastUndoReason = kUndoBreak;
    }
    UpdateCaret();
    Redraw(false);
}

// ---- Text and selection ----------------------------------------------------

int CBCGPEditCtrl::GetTextLength() const
{
    return m_pImpl->Text().Length();
}

CString CBCGPEditCtrl::GetText(int nStart, int nEnd) const
{
    const int start = m_pImpl->Clamp(nStart);
    const int end = nEnd < 0 ? GetTextLength() : m_pImpl->Clamp(nEnd);
    return end > start ? AsCString(m_pImpl->Text().Text(start, end - start)) : CString();
}

void CBCGPEditCtrl::GetSel(int& nStartSel, int& nEndSel) const
{
    nStartSel = m_iStartSel;
    nEndSel = m_iEndSel;
}

BOOL CBCGPEditCtrl::SetSel(int nStartSel, int nEndSel, BOOL bNoScroll)
{
    m_pImpl->m_document.History().BreakGroup();
    if (nStartSel < 0) {
        m_pImpl->ApplySelection(Selection{m_nCurrOffset, m_nCurrOffset});
    } else {
        const int end = nEndSel < 0 ? GetTextLength() : m_pImpl->Clamp(nEndSel);
        m_pImpl->ApplySelection(Selection{m_pImpl->Clamp(nStartSel), end});
    }
    // One paint for the scroll and the selection, when the view is next painted.
    if (!bNoScroll && GetSafeHwnd()) {
        m_pImpl->EnsureVisible(m_nCurrOffset, false);
    }
    m_pImpl->Redraw(false);
    m_pImpl->UpdateCaret();
    OnSetCaret();
    return TRUE;
}

void CBCGPEditCtrl::SetCaret(int nOffset, BOOL bScrollToCaret, BOOL bRedrawOnScroll)
{
    const bool hadSelection = m_pImpl->HasSelection();
    m_nCurrOffset = m_pImpl->Clamp(nOffset);
    m_iStartSel = m_iEndSel = -1;
    m_pImpl->m_wantedColumn = -1;
    m_pImpl->m_document.History().BreakGroup();
    if (GetSafeHwnd()) {
        if (bScrollToCaret) {
            m_pImpl->EnsureVisible(m_nCurrOffset, bRedrawOnScroll != FALSE);
        }
        if (hadSelection) {
            m_pImpl->Redraw(false);
        }
        m_pImpl->UpdateCaret();
    }
    OnSetCaret();
}

void CBCGPEditCtrl::OnSetCaret()
{
}

BOOL CBCGPEditCtrl::MakeSelection(BCGP_EDIT_SEL_TYPE selType)
{
    const TextBuffer& text = m_pImpl->Text();
    const int caret = m_nCurrOffset;
    const int row = text.RowFromOffset(caret);
    int target = caret;
    switch (selType) {
    case ST_PREV_CHAR: target = caret - 1; break;
    case ST_NEXT_CHAR: target = caret + 1; break;
    case ST_PREV_WORD: target = PreviousWordStart(text, caret); break;
    case ST_NEXT_WORD: target = NextWordStart(text, caret); break;
    case ST_HOME: target = text.RowStart(row); break;
    case ST_END: target = text.RowEnd(row); break;
    case ST_PREV_ROW: return Up(TRUE, TRUE);
    case ST_NEXT_ROW: return Down(TRUE, TRUE);
    case ST_PREV_PAGE:
    case ST_NEXT_PAGE: {
        const int rows = m_pImpl->VisibleRows();
        const int toRow =
            selType == ST_PREV_PAGE ? std::max(0, row - rows) : std::min(m_pImpl->RowCount() - 1, row + rows);
        target = m_pImpl->OffsetAtColumn(toRow, m_pImpl->ColumnOfOffset(caret));
        break;
    }
    case ST_START_OF_TEXT: target = 0; break;
    case ST_END_OF_TEXT: target = text.Length(); break;
    case ST_ALL_TEXT: SetSel(0, text.Length(), TRUE); return TRUE;
    default: return FALSE;
    }
    m_pImpl->MoveCaret(m_pImpl->Clamp(target), true);
    return TRUE;
}

void CBCGPEditCtrl::StartOfText(BOOL bSelect)
{
    m_pImpl->MoveCaret(0, bSelect != FALSE);
}

void CBCGPEditCtrl::EndOfText(BOOL bSelect)
{
    m_pImpl->MoveCaret(GetTextLength(), bSelect != FALSE);
}

BOOL CBCGPEditCtrl::Down(BOOL bSelect, BOOL bRedraw)
{
    const int row = m_pImpl->Text().RowFromOffset(m_nCurrOffset);
    if (row + 1 >= m_pImpl->RowCount()) {
        return FALSE;
    }
    const int column = m_pImpl->m_wantedColumn >= 0 ? m_pImpl->m_wantedColumn : m_pImpl->ColumnOfOffset(m_nCurrOffset);
    m_pImpl->MoveCaret(m_pImpl->OffsetAtColumn(row + 1, column), bSelect != FALSE, bRedraw != FALSE);
    m_pImpl->m_wantedColumn = column;
    return TRUE;
}

BOOL CBCGPEditCtrl::Up(BOOL bSelect, BOOL bRedraw)
{
    const int row = m_pImpl->Text().RowFromOffset(m_nCurrOffset);
    if (row == 0) {
        return FALSE;
    }
    const int column = m_pImpl->m_wantedColumn >= 0 ? m_pImpl->m_wantedColumn : m_pImpl->ColumnOfOffset(m_nCurrOffset);
    m_pImpl->MoveCaret(m_pImpl->OffsetAtColumn(row - 1, column), bSelect != FALSE, bRedraw != FALSE);
    m_pImpl->m_wantedColumn = column;
    return TRUE;
}

// ---- Editing -----------------------------------------------------------------

BOOL CBCGPEditCtrl::InsertText(LPCWSTR lpszText, int nInsertFrom, BOOL bRedraw, BOOL bSuppressUndo,
                               BOOL bUpdateLineData, BOOL bForceNextUndo, BOOL bAlwaysAtEnd)
{
    if (!lpszText || m_bReadOnly) {
        return FALSE;
    }
    const int offset = nInsertFrom < 0 ? m_nCurrOffset : m_pImpl->Clamp(nInsertFrom);
    const std::u16string_view text = AsUtf16(lpszText, lstrlenW(lpszText));
    m_pImpl->m_updateLineData = bUpdateLineData;
    m_pImpl->Insert(offset, text, kUndoReplace, bForceNextUndo != FALSE, bSuppressUndo == FALSE);
    m_pImpl->m_updateLineData = TRUE;
    if (bAlwaysAtEnd) {
        m_nCurrOffset = offset + static_cast<int>(text.size());
        m_iStartSel = m_iEndSel = -1;
        m_pImpl->UpdateCaret();
    }
    m_pImpl->Flush(bRedraw != FALSE);
    return TRUE;
}

BOOL CBCGPEditCtrl::DeleteText(int nStartOffset, int nEndOffset, BOOL bRedraw)
{
    const int start = m_pImpl->Clamp(std::min(nStartOffset, nEndOffset));
    const int end = m_pImpl->Clamp(std::max(nStartOffset, nEndOffset));
    if (m_bReadOnly || start == end) {
        return FALSE;
    }
    m_pImpl->Delete(start, end, kUndoReplace, false);
    m_pImpl->Flush(bRedraw != FALSE);
    return TRUE;
}

BOOL CBCGPEditCtrl::DeleteSelectedText(BOOL bRedraw, BOOL bSuppressUndo, BOOL bForceNextUndo)
{
    if (m_bReadOnly || !m_pImpl->HasSelection()) {
        return FALSE;
    }
    int start = 0, end = 0;
    m_pImpl->SelectionRange(start, end);
    m_pImpl->Delete(start, end, kUndoReplace, bForceNextUndo != FALSE, bSuppressUndo == FALSE);
    m_pImpl->Flush(bRedraw != FALSE);
    return TRUE;
}

BOOL CBCGPEditCtrl::OnDelete(BOOL bRedraw, BOOL bForceNextUndo)
{
    if (m_bReadOnly) {
        return FALSE;
    }
    if (m_pImpl->HasSelection()) {
        int start = 0, end = 0;
        m_pImpl->SelectionRange(start, end);
        m_pImpl->Delete(start, end, kUndoDeleteSelection, bForceNextUndo != FALSE);
    } else if (m_nCurrOffset < GetTextLength()) {
        m_pImpl->Delete(m_nCurrOffset, m_nCurrOffset + 1, kUndoDelete, bForceNextUndo != FALSE);
    } else {
        return FALSE;
    }
    m_pImpl->Flush(bRedraw != FALSE);
    return TRUE;
}

void CBCGPEditCtrl::OnInsertTextToBuffer(int nStartOffset, const CString& strInsertedText, BOOL bUpdateLineData)
{
    const int count = GetNumOfCharsInText(strInsertedText, L'\n');
    if (count == 0) {
        return;
    }
    if (bUpdateLineData) {
        int row = RowFromOffset(nStartOffset, FALSE);
        if (GetRowStartByOffset(nStartOffset) != nStartOffset) {
            ++row;
        }
        UpdateLineRelatedData(row, count);
        m_nTotalLines += count;
    } else {
        m_nTotalLines = count;
    }
}

void CBCGPEditCtrl::OnAfterTextChanged(int nOffsetFrom, const CString& strText, BOOL bInserted)
{
    m_bIsModified = TRUE;
}

void CBCGPEditCtrl::UpdateLineRelatedData(int nStartLine, int nNumLines)
{
    m_pImpl->m_markers.RowsInserted(nStartLine, nNumLines);
}

int CBCGPEditCtrl::RowFromOffset(int nOffset, BOOL bFromTop) const
{
    const int row = m_pImpl->Text().RowFromOffset(m_pImpl->Clamp(nOffset));
    return bFromTop ? row - m_pImpl->m_topRow : row;
}

int CBCGPEditCtrl::GetRowStartByOffset(int nOffset) const
{
    const TextBuffer& text = m_pImpl->Text();
    return text.RowStart(text.RowFromOffset(m_pImpl->Clamp(nOffset)));
}

int CBCGPEditCtrl::GetNumOfCharsInText(const CString& strText, WCHAR ch) const
{
    int count = 0;
    for (LPCWSTR p = strText; *p; ++p) {
        count += *p == ch;
    }
    return count;
}

int CBCGPEditCtrl::GetFirstVisibleRow() const
{
    return m_pImpl->m_topRow;
}

// ---- Undo, find, clipboard ---------------------------------------------------

BOOL CBCGPEditCtrl::CanUndo() const
{
    return m_pImpl->m_document.History().CanUndo();
}

BOOL CBCGPEditCtrl::CanRedo() const
{
    return m_pImpl->m_document.History().CanRedo();
}

BOOL CBCGPEditCtrl::OnUndo(BOOL bSetCaret, BOOL bRedraw)
{
    return m_pImpl->Revisit(true, bSetCaret != FALSE, bRedraw != FALSE);
}

BOOL CBCGPEditCtrl::OnRedo(BOOL bSetCaret, BOOL bRedraw)
{
    return m_pImpl->Revisit(false, bSetCaret != FALSE, bRedraw != FALSE);
}

bool CBCGPEditCtrl::Impl::Revisit(bool undo, bool setCaret, bool redraw)
{
    Selection selection;
    if (m_ctrl.m_bReadOnly || !(undo ? m_document.Undo(selection) : m_document.Redo(selection))) {
        return false;
    }
    m_ctrl.m_dwLastUndoReason = kUndoBreak;
    if (setCaret) {
        ApplySelection(selection);
        EnsureVisible(m_ctrl.m_nCurrOffset, false);
        UpdateCaret();
        m_ctrl.OnSetCaret();
    }
    Redraw(redraw);
    return true;
}

BOOL CBCGPEditCtrl::FindText(LPCWSTR lpszFind, BOOL bNext, BOOL bCase, BOOL bWholeWord)
{
    if (!lpszFind || !*lpszFind) {
        return FALSE;
    }
    int start = m_nCurrOffset, end = m_nCurrOffset;
    m_pImpl->SelectionRange(start, end);
    SearchOptions options;
    options.forward = bNext != FALSE;
    options.matchCase = bCase != FALSE;
    options.wholeWord = bWholeWord != FALSE;
    const std::u16string_view what = AsUtf16(lpszFind, lstrlenW(lpszFind));
    const int found = gvedit::FindMatch(m_pImpl->Text(), what, options.forward ? end : start, options);
    if (found < 0) {
        return FALSE;
    }
    SetSel(found, found + static_cast<int>(what.size()), FALSE);
    return TRUE;
}

BOOL CBCGPEditCtrl::IsCutEnabled() const
{
    return !m_bReadOnly && m_pImpl->HasSelection();
}

BOOL CBCGPEditCtrl::IsCopyEnabled() const
{
    return m_pImpl->HasSelection();
}

BOOL CBCGPEditCtrl::IsPasteEnabled() const
{
    return !m_bReadOnly && ::IsClipboardFormatAvailable(CF_UNICODETEXT);
}

BOOL CBCGPEditCtrl::Copy()
{
    if (!m_pImpl->HasSelection() || !::OpenClipboard(m_hWnd)) {
        return FALSE;
    }
    int start = 0, end = 0;
    m_pImpl->SelectionRange(start, end);
    const std::u16string text = m_pImpl->Text().Text(start, end - start);
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (char16_t c : text) {
        if (c == u'\n') {
            out.push_back(u'\r');
        }
        out.push_back(c);
    }
    BOOL done = FALSE;
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (out.size() + 1) * sizeof(WCHAR))) {
        auto* units = static_cast<char16_t*>(::GlobalLock(memory));
        std::copy(out.begin(), out.end(), units);
        units[out.size()] = 0;
        ::GlobalUnlock(memory);
        ::EmptyClipboard();
        done = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!done) {
            ::GlobalFree(memory);
        }
    }
    ::CloseClipboard();
    return done;
}

BOOL CBCGPEditCtrl::Cut()
{
    if (!IsCutEnabled() || !Copy()) {
        return FALSE;
    }
    int start = 0, end = 0;
    m_pImpl->SelectionRange(start, end);
    m_pImpl->Delete(start, end, kUndoCut, true);
    m_pImpl->Flush(true);
    return TRUE;
}

BOOL CBCGPEditCtrl::Paste(int iPos)
{
    if (m_bReadOnly || !::OpenClipboard(m_hWnd)) {
        return FALSE;
    }
    std::u16string text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const char16_t*>(::GlobalLock(data))) {
            const size_t capacity = ::GlobalSize(data) / sizeof(char16_t);
            for (size_t i = 0; i < capacity && units[i]; ++i) {
                if (units[i] == u'\r') {
                    if (i + 1 < capacity && units[i + 1] == u'\n') {
                        continue;
                    }
                    text.push_back(u'\n');
                } else {
                    text.push_back(units[i]);
                }
            }
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    if (text.empty()) {
        return FALSE;
    }
    if (iPos >= 0) {
        m_nCurrOffset = m_pImpl->Clamp(iPos);
        m_iStartSel = m_iEndSel = -1;
    }
    m_pImpl->ReplaceSelection(text, kUndoPaste);
    m_pImpl->EnsureVisible(m_nCurrOffset, false);
    m_pImpl->Redraw(true);
    return TRUE;
}

BOOL CBCGPEditCtrl::Clear()
{
    return DeleteSelectedText(TRUE, FALSE, TRUE);
}

// ---- Colours and markers -----------------------------------------------------

BOOL CBCGPEditCtrl::LoadXMLSettings(const CString& strFileName)
{
    FILE* file = _wfopen(strFileName, L"rb");
    if (!file) {
        return FALSE;
    }
    // Syntax files are small; anything this large is not one.
    constexpr long kMaxBytes = 16 << 20;
    std::string bytes;
    bool ok = fseek(file, 0, SEEK_END) == 0;
    const long size = ok ? ftell(file) : -1;
    ok = ok && size >= 0 && size <= kMaxBytes && fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        ok = fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    fclose(file);
    SyntaxSettings settings;
    if (!ok || !ReadSyntaxSettings(bytes, settings)) {
        return FALSE;
    }
    if (settings.text != kNoColor) {
        m_clrText = settings.text;
    }
    if (settings.background != kNoColor) {
        m_clrBack = settings.background;
    }
    if (settings.selectionText != kNoColor) {
        m_clrTextSelActive = settings.selectionText;
    }
    if (settings.selectionBackground != kNoColor) {
        m_clrBackSelActive = settings.selectionBackground;
    }
    if (settings.tabSize > 0) {
        m_nTabSize = settings.tabSize;
    }
    if (settings.indentSize > 0) {
        m_nIndentSize = settings.indentSize;
    }
    if (settings.keepTabs >= 0) {
        m_bKeepTabs = settings.keepTabs;
    }
    // A file's blocks replace the list; its words add to the words set so far.
    m_lstColorBlocks.RemoveAll();
    for (const ColorBlock& block : settings.blocks) {
        BCGP_EDIT_COLOR_BLOCK entry;
        entry.m_strOpen = AsCString(block.open);
        entry.m_strClose = AsCString(block.close);
        entry.m_clrForeground = block.fore;
        entry.m_clrBackground = block.back;
        entry.m_bCaseSensitive = block.caseSensitive;
        entry.m_chEscape = block.escape;
        m_lstColorBlocks.AddTail(entry);
    }
    for (const SyntaxSettings::WordList& list : settings.wordLists) {
        for (const std::u16string& word : list.words) {
            m_pImpl->m_words.Set(word, WordColor{list.fore, list.back}, list.caseSensitive);
        }
    }
    m_pImpl->Redraw(false);
    return TRUE;
}

void CBCGPEditCtrl::SetWordColor(CString strWord, COLORREF clrFrgnd, COLORREF clrBkgnd, BOOL bCaseSensitive)
{
    m_pImpl->m_words.Set(AsUtf16(strWord, strWord.GetLength()), WordColor{clrFrgnd, clrBkgnd}, bCaseSensitive != FALSE);
    m_pImpl->Redraw(false);
}

int CBCGPEditCtrl::SetLineColorMarker(int nRow, COLORREF clrFore, COLORREF clrBk, BOOL bFull, int nLineCount,
                                      DWORD dwMarkerType, UINT nPriority)
{
    if (nRow < 0 || nRow >= m_pImpl->RowCount()) {
        return 0;
    }
    LineMarker marker;
    marker.row = nRow;
    marker.lineCount = nLineCount;
    marker.fore = clrFore;
    marker.back = clrBk;
    marker.fullLine = bFull != FALSE;
    marker.type = dwMarkerType;
    marker.priority = nPriority;
    const int id = m_pImpl->m_markers.Add(marker).id;
    m_pImpl->Redraw(false);
    return id;
}

void CBCGPEditCtrl::DeleteAllMarkers(DWORD dwMarkerType, BOOL bRedraw)
{
    if (m_pImpl->m_markers.Remove(dwMarkerType) > 0) {
        m_pImpl->Redraw(bRedraw != FALSE);
    }
}

BOOL CBCGPEditCtrl::GoToMarker(int nMarkerID)
{
    const LineMarker* marker = m_pImpl->m_markers.Find(nMarkerID);
    if (!marker) {
        return FALSE;
    }
    SetCaret(m_pImpl->Text().RowStart(std::min(marker->row, m_pImpl->Text().Rows() - 1)), TRUE, TRUE);
    return TRUE;
}

// ---- Window text -------------------------------------------------------------

LRESULT CBCGPEditCtrl::OnSetText(WPARAM, LPARAM lParam)
{
    const auto* units = reinterpret_cast<LPCWSTR>(lParam);
    std::u16string text;
    const int length = units ? lstrlenW(units) : 0;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        if (units[i] != L'\r') {
            text.push_back(static_cast<char16_t>(units[i]));
        } else if (i + 1 >= length || units[i + 1] != L'\n') {
            text.push_back(u'\n');
        }
    }
    m_iStartSel = m_iEndSel = -1;
    m_nCurrOffset = 0;
    m_pImpl->m_updateLineData = FALSE;
    m_pImpl->m_document.SetText(text);
    m_pImpl->m_updateLineData = TRUE;
    m_dwLastUndoReason = kUndoBreak;
    m_bIsModified = FALSE;
    m_pImpl->m_topRow = m_pImpl->m_leftColumn = m_pImpl->m_widestColumn = 0;
    m_pImpl->UpdateScrollBars();
    m_pImpl->UpdateCaret();
    m_pImpl->Redraw(false);
    return TRUE;
}

LRESULT CBCGPEditCtrl::OnGetText(WPARAM wParam, LPARAM lParam)
{
    auto* out = reinterpret_cast<LPWSTR>(lParam);
    const int capacity = static_cast<int>(wParam);
    if (!out || capacity <= 0) {
        return 0;
    }
    const int count = std::min(capacity - 1, GetTextLength());
    const std::u16string text = m_pImpl->Text().Text(0, count);
    std::copy(text.begin(), text.end(), out);
    out[count] = 0;
    return count;
}

LRESULT CBCGPEditCtrl::OnGetTextLength(WPARAM, LPARAM)
{
    return GetTextLength();
}

void CBCGPEditCtrl::OnSysColorChange()
{
    COLORREF* const colors[4] = {&m_clrText, &m_clrBack, &m_clrTextSelActive, &m_clrBackSelActive};
    for (int i = 0; i < 4; ++i) {
        const COLORREF now = ::GetSysColor(Impl::kSystemColorIndex[i]);
        if (*colors[i] == m_pImpl->m_systemColors[i])
            *colors[i] = now;
        m_pImpl->m_systemColors[i] = now;
    }
    m_pImpl->Redraw(false);
    CWnd::OnSysColorChange();
}
