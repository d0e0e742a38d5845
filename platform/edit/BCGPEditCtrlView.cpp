// The view half of CBCGPEditCtrl: keys, mouse, caret, scrolling, painting
// and printing.
#include <algorithm>
#include <cstdlib>
#include "BCGPEditCtrl.h"
#include "EditCtrlImpl.h"
#include "core/RowColumns.h"
#include "core/TextSearch.h"

using namespace gvedit;

// ---- The text core's notifications -----------------------------------------

void CBCGPEditCtrl::Impl::TextInserted(int offset, std::u16string_view text)
{
    const int row = Text().RowFromOffset(offset);
    const bool rowsMoved = text.find(u'\n') != std::u16string_view::npos;
    InvalidateAfterEdit(row, rowsMoved);
    const CString inserted = AsCString(text);
    m_ctrl.OnInsertTextToBuffer(offset, inserted, m_updateLineData);
    m_ctrl.OnAfterTextChanged(offset, inserted, TRUE);
    if (m_ctrl.m_hWnd)
        ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_ctrl.m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

void CBCGPEditCtrl::Impl::TextDeleted(int offset, std::u16string_view removed)
{
    const int row = Text().RowFromOffset(offset);
    const int rows = static_cast<int>(std::count(removed.begin(), removed.end(), u'\n'));
    if (rows > 0) {
        m_markers.RowsRemoved(row + 1, rows);
        m_ctrl.m_nTotalLines -= rows;
    }
    InvalidateAfterEdit(row, rows > 0);
    m_ctrl.OnAfterTextChanged(offset, AsCString(removed), FALSE);
    if (m_ctrl.m_hWnd)
        ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_ctrl.m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

// An edit inside one row repaints that row alone unless it opened or closed a
// colour block that reaches the rows below; otherwise the rest of the view.
void CBCGPEditCtrl::Impl::InvalidateAfterEdit(int row, bool rowsMoved)
{
    const int before = m_colorizer.KnownBlockAtRowStart(row + 1);
    m_colorizer.InvalidateFrom(row);
    if (!m_ctrl.GetSafeHwnd()) {
        return;
    }
    const bool oneRow =
        !rowsMoved
        && (row + 1 >= Text().Rows()
            || (before != RowColorizer::kUnknown && m_colorizer.BlockAtRowStart(Text(), row + 1) == before));
    CRect area;
    m_ctrl.GetClientRect(&area);
    const int top = (row - m_topRow) * m_lineHeight;
    if (top >= area.bottom || (oneRow && top + m_lineHeight <= 0)) {
        return;
    }
    area.top = std::max<LONG>(0, top);
    if (oneRow) {
        area.bottom = std::min<LONG>(area.bottom, top + m_lineHeight);
    }
    m_ctrl.InvalidateRect(&area, FALSE);
}

// ---- Geometry ------------------------------------------------------------------

int CBCGPEditCtrl::Impl::VisibleRows() const
{
    CRect client;
    m_ctrl.GetClientRect(&client);
    return std::max(1, client.Height() / m_lineHeight);
}

int CBCGPEditCtrl::Impl::VisibleColumns() const
{
    CRect client;
    m_ctrl.GetClientRect(&client);
    return std::max(1, (client.Width() - Margin()) / m_charWidth);
}

int CBCGPEditCtrl::Impl::Margin() const
{
    return AfxScaleForWindow(&m_ctrl, kEditMargin);
}

int CBCGPEditCtrl::Impl::ColumnOfOffset(int offset) const
{
    const int row = Text().RowFromOffset(offset);
    const int start = Text().RowStart(row);
    const std::u16string text = Text().Text(start, offset - start);
    return ColumnOf(text.data(), static_cast<int>(text.size()), std::max(1, m_ctrl.m_nTabSize));
}

int CBCGPEditCtrl::Impl::OffsetAtColumn(int row, int column) const
{
    const int start = Text().RowStart(row);
    const std::u16string text = Text().Text(start, Text().RowEnd(row) - start);
    return start + IndexAtColumn(text.data(), static_cast<int>(text.size()), column, std::max(1, m_ctrl.m_nTabSize));
}

int CBCGPEditCtrl::Impl::OffsetFromPoint(CPoint point) const
{
    int row = m_topRow + (point.y < 0 ? (point.y - m_lineHeight + 1) / m_lineHeight : point.y / m_lineHeight);
    row = std::max(0, std::min(row, RowCount() - 1));
    const int x = point.x - Margin() + m_charWidth / 2;
    const int column = m_leftColumn + (x < 0 ? 0 : x / m_charWidth);
    return OffsetAtColumn(row, column);
}

void CBCGPEditCtrl::Impl::ScrollTo(int topRow, int leftColumn, bool redraw)
{
    topRow = std::max(0, std::min(topRow, RowCount() - VisibleRows()));
    leftColumn = std::max(0, leftColumn);
    if (topRow == m_topRow && leftColumn == m_leftColumn) {
        return;
    }
    const int rows = m_topRow - topRow;
    const bool across = leftColumn != m_leftColumn;
    m_topRow = topRow;
    m_leftColumn = leftColumn;
    UpdateScrollBars();
    ScrollView(across ? 0 : rows, redraw);
    UpdateCaret();
}

// The rows still in view keep their pixels: the system moves them and
// invalidates the uncovered strip only. A view with paint pending (its update
// region would have to move too), scrolled sideways (the margin would move
// with the text) or by a whole view is painted again instead.
void CBCGPEditCtrl::Impl::ScrollView(int rows, bool now)
{
    const HWND hWnd = m_ctrl.GetSafeHwnd();
    if (!hWnd) {
        return;
    }
    CRect client;
    m_ctrl.GetClientRect(&client);
    const int dy = rows * m_lineHeight;
    if (rows == 0 || std::abs(dy) >= client.Height() || !::IsWindowVisible(hWnd)
        || ::GetUpdateRect(hWnd, nullptr, FALSE)) {
        Redraw(now);
        return;
    }
    ::ScrollWindowEx(hWnd, 0, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
    Flush(now);
}

void CBCGPEditCtrl::Impl::EnsureVisible(int offset, bool redraw)
{
    if (!m_ctrl.GetSafeHwnd()) {
        return;
    }
    const int row = Text().RowFromOffset(offset);
    const int column = ColumnOfOffset(offset);
    const int rows = VisibleRows();
    const int columns = VisibleColumns();
    int top = m_topRow;
    int left = m_leftColumn;
    if (row < top) {
        top = row;
    } else if (row >= top + rows) {
        top = row - rows + 1;
    }
    if (column < left) {
        left = std::max(0, column - columns / 4);
    } else if (column >= left + columns) {
        left = column - columns + columns / 4 + 1;
    }
    ScrollTo(top, left, redraw);
}

// A bar is set only when its range, page or position changed, and redrawn
// only when its picture changed: one edit may set a bar more than once.
static void SetBar(HWND hWnd, int bar, int max, int page, int pos)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMax = max;
    info.nPage = static_cast<UINT>(page);
    info.nPos = pos;
    AfxSetScrollInfoLazily(hWnd, bar, info);
}

void CBCGPEditCtrl::Impl::UpdateScrollBars()
{
    const HWND hWnd = m_ctrl.GetSafeHwnd();
    if (!hWnd) {
        return;
    }
    SetBar(hWnd, SB_VERT, RowCount() - 1, VisibleRows(), m_topRow);
    SetBar(hWnd, SB_HORZ, std::max(m_widestColumn, m_leftColumn + VisibleColumns()) - 1, VisibleColumns(),
           m_leftColumn);
}

void CBCGPEditCtrl::Impl::UpdateCaret()
{
    if (!m_focused || !m_ctrl.GetSafeHwnd()) {
        return;
    }
    const int row = Text().RowFromOffset(m_ctrl.m_nCurrOffset);
    const int x = Margin() + (ColumnOfOffset(m_ctrl.m_nCurrOffset) - m_leftColumn) * m_charWidth;
    const int y = (row - m_topRow) * m_lineHeight;
    ::SetCaretPos(x, y);
    ::NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, m_ctrl.m_hWnd, OBJID_CARET, CHILDID_SELF);
    if (m_ctrl.m_nCurrOffset != m_announcedCaret || m_ctrl.m_iStartSel != m_announcedSelStart
        || m_ctrl.m_iEndSel != m_announcedSelEnd) {
        m_announcedCaret = m_ctrl.m_nCurrOffset;
        m_announcedSelStart = m_ctrl.m_iStartSel;
        m_announcedSelEnd = m_ctrl.m_iEndSel;
        ::NotifyWinEvent(EVENT_OBJECT_TEXTSELECTIONCHANGED, m_ctrl.m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    }
}

void CBCGPEditCtrl::Impl::SetFont(HFONT hFont)
{
    m_hFont = hFont ? hFont : m_hDefaultFont;
    HDC hdc = ::GetDC(m_ctrl.m_hWnd);
    HGDIOBJ old = ::SelectObject(hdc, m_hFont);
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(hdc, &metrics);
    ::SelectObject(hdc, old);
    ::ReleaseDC(m_ctrl.m_hWnd, hdc);
    m_lineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    m_charWidth = std::max<int>(1, metrics.tmAveCharWidth);
    if (m_focused) {
        ::DestroyCaret();
        ::CreateCaret(m_ctrl.m_hWnd, nullptr, 2, m_lineHeight);
        ::ShowCaret(m_ctrl.m_hWnd);
    }
    UpdateScrollBars();
    UpdateCaret();
}

void CBCGPEditCtrl::Impl::Flush(bool now)
{
    if (now && m_ctrl.GetSafeHwnd()) {
        m_ctrl.UpdateWindow();
    }
}

void CBCGPEditCtrl::Impl::Redraw(bool now)
{
    const HWND hWnd = m_ctrl.GetSafeHwnd();
    if (!hWnd) {
        return;
    }
    if (!m_viewInvalid) {
        m_ctrl.Invalidate(FALSE);
        // A hidden window (redrawing turned off) keeps no update region.
        m_viewInvalid = ::IsWindowVisible(hWnd) != FALSE;
    }
    if (now) {
        m_ctrl.UpdateWindow();
    }
}

// ---- Painting ------------------------------------------------------------------

// The colour block list is the caller's to change at any time; the core only
// forgets what it remembered when the blocks really differ.
void CBCGPEditCtrl::Impl::SyncBlocks()
{
    std::vector<ColorBlock> blocks;
    for (POSITION pos = m_ctrl.m_lstColorBlocks.GetHeadPosition(); pos;) {
        const BCGP_EDIT_COLOR_BLOCK& entry = m_ctrl.m_lstColorBlocks.GetNext(pos);
        if (entry.m_strOpen.GetLength() == 0) {
            continue;
        }
        ColorBlock block;
        block.open.assign(AsUtf16(entry.m_strOpen, entry.m_strOpen.GetLength()));
        block.close.assign(AsUtf16(entry.m_strClose, entry.m_strClose.GetLength()));
        block.fore = entry.m_clrForeground;
        block.back = entry.m_clrBackground;
        block.caseSensitive = entry.m_bCaseSensitive != FALSE;
        block.escape = static_cast<char16_t>(entry.m_chEscape);
        blocks.push_back(std::move(block));
    }
    m_colorizer.SetBlocks(std::move(blocks));
}

void CBCGPEditCtrl::Impl::DrawRow(CDC& dc, int row, int y, const EditRowLayout& layout)
{
    const TextBuffer& text = Text();
    const int start = text.RowStart(row);
    const int end = text.RowEnd(row);
    m_row = text.Text(start, end - start);
    const int length = static_cast<int>(m_row.size());
    m_colorizer.ColorRow(text, m_words, row, m_runs);

    const COLORREF none = kNoColor;
    COLORREF rowFore = m_ctrl.m_clrText;
    COLORREF rowBack = m_ctrl.m_clrBack;
    if (const LineMarker* marker = m_markers.Top(row)) {
        if (marker->fore != none) {
            rowFore = marker->fore;
        }
        if (marker->back != none) {
            rowBack = marker->back;
            if (marker->fullLine) {
                dc.FillSolidRect(layout.left, y, layout.right - layout.left, layout.lineHeight, rowBack);
            }
        }
    }
    int selStart = -1, selEnd = -1;
    if (layout.selection && HasSelection()) {
        SelectionRange(selStart, selEnd);
        selStart -= start;
        selEnd -= start;
    }
    const int tabSize = std::max(1, m_ctrl.m_nTabSize);
    size_t run = 0;
    int column = 0;
    std::wstring piece;
    int i = 0;
    while (i < length && column < layout.lastColumn) {
        // The colours of unit i; a piece runs while they stay the same.
        auto coloursAt = [&](int k, COLORREF& fore, COLORREF& back) {
            fore = rowFore;
            back = rowBack;
            while (run < m_runs.size() && m_runs[run].start + m_runs[run].length <= k) {
                ++run;
            }
            if (run < m_runs.size() && m_runs[run].start <= k) {
                if (m_runs[run].fore != none && rowFore == m_ctrl.m_clrText) {
                    fore = m_runs[run].fore;
                }
                if (m_runs[run].back != none && rowBack == m_ctrl.m_clrBack) {
                    back = m_runs[run].back;
                }
            }
            if (k >= selStart && k < selEnd) {
                fore = m_ctrl.m_clrTextSelActive;
                back = m_ctrl.m_clrBackSelActive;
            }
        };
        COLORREF fore, back;
        coloursAt(i, fore, back);
        const int pieceColumn = column;
        piece.clear();
        for (; i < length; ++i) {
            COLORREF f, b;
            coloursAt(i, f, b);
            if (f != fore || b != back) {
                break;
            }
            const int next = m_row[i] == u'\t' ? (column / tabSize + 1) * tabSize : column + 1;
            piece.append(next - column, m_row[i] == u'\t' ? L' ' : static_cast<wchar_t>(m_row[i]));
            column = next;
        }
        // Only the visible columns of the piece are drawn.
        const int from = std::max(pieceColumn, layout.firstColumn);
        const int to = std::min(column, layout.lastColumn);
        if (to > from) {
            const int x = layout.left + (from - layout.firstColumn) * layout.charWidth;
            const RECT box = {x, y, x + (to - from) * layout.charWidth, y + layout.lineHeight};
            dc.SetTextColor(fore);
            dc.SetBkColor(back);
            ::ExtTextOutW(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &box, piece.data() + (from - pieceColumn), to - from,
                          nullptr);
        }
    }
    // A selected line break shows as one selected column after the row.
    if (selStart <= length && selEnd > length && column >= layout.firstColumn && column < layout.lastColumn) {
        const int x = layout.left + (column - layout.firstColumn) * layout.charWidth;
        dc.FillSolidRect(x, y, layout.charWidth, layout.lineHeight, m_ctrl.m_clrBackSelActive);
    }
    // The horizontal range grows in steps, so typing at the end of the widest
    // row does not update the scroll bar at every key.
    m_widestColumn = std::max(m_widestColumn, (column / 64 + 1) * 64);
}

void CBCGPEditCtrl::PaintClient(CDC& dc)
{
    // Only the rows the paint needs: a keystroke repaints one row.
    m_pImpl->m_viewInvalid = false;
    CRect client;
    GetClientRect(&client);
    CRect box;
    if (::GetClipBox(dc, &box) == NULLREGION || !box.IntersectRect(&box, &client)) {
        return;
    }
    dc.FillSolidRect(&box, m_clrBack);
    m_pImpl->SyncBlocks();
    HGDIOBJ oldFont = ::SelectObject(dc, m_pImpl->m_hFont);
    EditRowLayout layout;
    layout.left = m_pImpl->Margin();
    layout.right = client.right;
    layout.lineHeight = m_pImpl->m_lineHeight;
    layout.charWidth = m_pImpl->m_charWidth;
    layout.firstColumn = m_pImpl->m_leftColumn;
    layout.lastColumn = m_pImpl->m_leftColumn + m_pImpl->VisibleColumns() + 1;
    const int widest = m_pImpl->m_widestColumn;
    const int rows = m_pImpl->RowCount();
    const int first = box.top / layout.lineHeight;
    for (int row = m_pImpl->m_topRow + first, y = first * layout.lineHeight; row < rows && y < box.bottom;
         ++row, y += layout.lineHeight) {
        m_pImpl->DrawRow(dc, row, y, layout);
    }
    ::SelectObject(dc, oldFont);
    if (m_pImpl->m_widestColumn != widest) {
        m_pImpl->UpdateScrollBars();
    }
}

// ---- Messages ------------------------------------------------------------------

void CBCGPEditCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    m_pImpl->UpdateScrollBars();
    m_pImpl->ScrollTo(m_pImpl->m_topRow, m_pImpl->m_leftColumn, false);
}

void CBCGPEditCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    m_pImpl->m_focused = true;
    ::CreateCaret(m_hWnd, nullptr, 2, m_pImpl->m_lineHeight);
    m_pImpl->UpdateCaret();
    ::ShowCaret(m_hWnd);
}

void CBCGPEditCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (m_pImpl->m_focused) {
        m_pImpl->m_focused = false;
        ::DestroyCaret();
    }
}

UINT CBCGPEditCtrl::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
}

BOOL CBCGPEditCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CBCGPEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const TextBuffer& text = m_pImpl->Text();
    const int caret = m_nCurrOffset;
    const int row = text.RowFromOffset(caret);
    int start = caret, end = caret;
    m_pImpl->SelectionRange(start, end);
    switch (nChar) {
    case VK_LEFT:
        m_pImpl->MoveCaret(!shift && start != end ? start
                           : control              ? PreviousWordStart(text, caret)
                                                  : std::max(0, caret - 1),
                           shift);
        break;
    case VK_RIGHT:
        m_pImpl->MoveCaret(!shift && start != end ? end
                           : control              ? NextWordStart(text, caret)
                                                  : std::min(text.Length(), caret + 1),
                           shift);
        break;
    case VK_UP:
        if (control) {
            m_pImpl->ScrollTo(m_pImpl->m_topRow - 1, m_pImpl->m_leftColumn);
        } else {
            Up(shift, TRUE);
        }
        break;
    case VK_DOWN:
        if (control) {
            m_pImpl->ScrollTo(m_pImpl->m_topRow + 1, m_pImpl->m_leftColumn);
        } else {
            Down(shift, TRUE);
        }
        break;
    case VK_HOME: {
        if (control) {
            m_pImpl->MoveCaret(0, shift);
            break;
        }
        // Home goes to the first non-blank, then to the row's start.
        int first = text.RowStart(row);
        while (first < text.RowEnd(row) && (text.At(first) == u' ' || text.At(first) == u'\t')) {
            ++first;
        }
        m_pImpl->MoveCaret(caret == first ? text.RowStart(row) : first, shift);
        break;
    }
    case VK_END: m_pImpl->MoveCaret(control ? text.Length() : text.RowEnd(row), shift); break;
    case VK_PRIOR:
    case VK_NEXT: {
        const int page = m_pImpl->VisibleRows();
        const int delta = nChar == VK_PRIOR ? -page : page;
        const int column = m_pImpl->ColumnOfOffset(caret);
        const int toRow = std::max(0, std::min(m_pImpl->RowCount() - 1, row + delta));
        m_pImpl->ScrollTo(m_pImpl->m_topRow + delta, m_pImpl->m_leftColumn, false);
        m_pImpl->MoveCaret(m_pImpl->OffsetAtColumn(toRow, column), shift);
        break;
    }
    case VK_DELETE:
        if (shift) {
            Cut();
        } else if (control && start == end) {
            DeleteText(caret, NextWordStart(text, caret), TRUE);
        } else {
            OnDelete(TRUE, FALSE);
        }
        break;
    case VK_BACK:
        if (!m_bReadOnly) {
            m_pImpl->Backspace(control);
            m_pImpl->EnsureVisible(m_nCurrOffset, false);
        }
        break;
    case VK_RETURN:
        if (!m_bReadOnly) {
            m_pImpl->Enter();
            m_pImpl->EnsureVisible(m_nCurrOffset, false);
        }
        break;
    case VK_TAB:
        if (!m_bReadOnly && !control) {
            m_pImpl->Tab(shift);
            m_pImpl->EnsureVisible(m_nCurrOffset, true);
        }
        break;
    case VK_INSERT:
        if (control) {
            Copy();
        } else if (shift) {
            Paste(-1);
        }
        break;
    default:
        if (control && ::GetKeyState(VK_MENU) >= 0) {
            switch (nChar) {
            case 'A': MakeSelection(ST_ALL_TEXT); break;
            case 'C': Copy(); break;
            case 'X': Cut(); break;
            case 'V': Paste(-1); break;
            case 'Z': OnUndo(TRUE, TRUE); break;
            case 'Y': OnRedo(TRUE, TRUE); break;
            }
        }
        break;
    }
}

void CBCGPEditCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Control characters come through OnKeyDown (Tab, Enter, Backspace) or are
    // shortcuts.
    if (nChar < 0x20 || nChar == 0x7F || m_bReadOnly || ::GetKeyState(VK_CONTROL) < 0) {
        return;
    }
    const char16_t typed = static_cast<char16_t>(nChar);
    m_pImpl->ReplaceSelection(std::u16string_view(&typed, 1), kUndoTyping);
    m_pImpl->EnsureVisible(m_nCurrOffset, false);
}

void CBCGPEditCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    SetCapture();
    m_bSelecting = TRUE;
    m_pImpl->MoveCaret(m_pImpl->OffsetFromPoint(point), (nFlags & MK_SHIFT) != 0);
}

void CBCGPEditCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bSelecting && (nFlags & MK_LBUTTON)) {
        m_pImpl->MoveCaret(m_pImpl->OffsetFromPoint(point), true);
    }
}

void CBCGPEditCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bSelecting) {
        m_bSelecting = FALSE;
        ::ReleaseCapture();
    }
}

void CBCGPEditCtrl::OnCaptureChanged(CWnd* pWnd)
{
    m_bSelecting = FALSE;
}

void CBCGPEditCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int start = 0, end = 0;
    WordAround(m_pImpl->Text(), m_pImpl->OffsetFromPoint(point), start, end);
    if (start != end) {
        SetSel(start, end, FALSE);
    }
}

static_assert(gvedit::WheelAccumulator::kNotch == WHEEL_DELTA, "a notch is the system's wheel step");

BOOL CBCGPEditCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint point)
{
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int notches = m_pImpl->m_wheel.Add(zDelta);
    if (notches == 0) {
        return TRUE;
    }
    const int rows = lines == WHEEL_PAGESCROLL ? m_pImpl->VisibleRows() : static_cast<int>(lines);
    m_pImpl->ScrollTo(m_pImpl->m_topRow - notches * rows, m_pImpl->m_leftColumn);
    return TRUE;
}

void CBCGPEditCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    int top = m_pImpl->m_topRow;
    const int page = m_pImpl->VisibleRows();
    switch (nSBCode) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = m_pImpl->RowCount(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 16-bit nPos cannot hold a row of a long file.
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(m_hWnd, SB_VERT, &info);
        top = info.nTrackPos;
        break;
    }
    default: return;
    }
    m_pImpl->ScrollTo(top, m_pImpl->m_leftColumn);
}

void CBCGPEditCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    int left = m_pImpl->m_leftColumn;
    const int page = m_pImpl->VisibleColumns();
    switch (nSBCode) {
    case SB_LINELEFT: --left; break;
    case SB_LINERIGHT: ++left; break;
    case SB_PAGELEFT: left -= page; break;
    case SB_PAGERIGHT: left += page; break;
    case SB_LEFT: left = 0; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(m_hWnd, SB_HORZ, &info);
        left = info.nTrackPos;
        break;
    }
    default: return;
    }
    m_pImpl->ScrollTo(m_pImpl->m_topRow, left);
}

LRESULT CBCGPEditCtrl::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_pImpl->SetFont(reinterpret_cast<HFONT>(wParam));
    if (lParam) {
        Invalidate(FALSE);
    }
    return 0;
}

LRESULT CBCGPEditCtrl::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_pImpl->m_hFont == m_pImpl->m_hDefaultFont ? nullptr : m_pImpl->m_hFont);
}

// ---- Printing ------------------------------------------------------------------

void CBCGPEditCtrl::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    // The screen font, scaled from the screen's resolution to the device's.
    LOGFONTW font = {};
    ::GetObjectW(m_pImpl->m_hFont, sizeof(font), &font);
    HDC screen = ::GetDC(nullptr);
    const int screenDpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    font.lfHeight = ::MulDiv(font.lfHeight, pDC->GetDeviceCaps(LOGPIXELSY), screenDpi);
    font.lfWidth = 0;
    m_pImpl->m_hPrintFont = ::CreateFontIndirectW(&font);
    HGDIOBJ old = ::SelectObject(*pDC, m_pImpl->m_hPrintFont);
    TEXTMETRICW metrics = {};
    pDC->GetTextMetrics(&metrics);
    ::SelectObject(*pDC, old);

    EditRowLayout& layout = m_pImpl->m_printLayout;
    layout.lineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    layout.charWidth = std::max<int>(1, metrics.tmAveCharWidth);
    layout.left = pInfo->m_rectDraw.left;
    layout.right = pInfo->m_rectDraw.right;
    layout.firstColumn = 0;
    layout.lastColumn = std::max(1, pInfo->m_rectDraw.Width() / layout.charWidth);
    layout.selection = false;
    m_pImpl->m_rowsPerPage = std::max(1, pInfo->m_rectDraw.Height() / layout.lineHeight);
    const int rows = m_pImpl->PrintedRows();
    pInfo->SetMinPage(1);
    pInfo->SetMaxPage((rows + m_pImpl->m_rowsPerPage - 1) / m_pImpl->m_rowsPerPage);
    m_pImpl->SyncBlocks();
}

void CBCGPEditCtrl::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (!m_pImpl->m_hPrintFont || pInfo->m_nCurPage < 1) {
        return;
    }
    HGDIOBJ old = ::SelectObject(*pDC, m_pImpl->m_hPrintFont);
    const EditRowLayout& layout = m_pImpl->m_printLayout;
    const int first = static_cast<int>(pInfo->m_nCurPage - 1) * m_pImpl->m_rowsPerPage;
    const int last = std::min(m_pImpl->PrintedRows(), first + m_pImpl->m_rowsPerPage);
    for (int row = first; row < last; ++row) {
        m_pImpl->DrawRow(*pDC, row, pInfo->m_rectDraw.top + (row - first) * layout.lineHeight, layout);
    }
    ::SelectObject(*pDC, old);
}

void CBCGPEditCtrl::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_pImpl->m_hPrintFont) {
        ::DeleteObject(m_pImpl->m_hPrintFont);
        m_pImpl->m_hPrintFont = nullptr;
    }
}
