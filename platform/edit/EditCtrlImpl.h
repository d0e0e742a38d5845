#pragma once
// The private state of CBCGPEditCtrl: the text core and the view's geometry.
#include <string>
#include <string_view>
#include <vector>
#include "BCGPEditCtrl.h"
#include "core/LineMarkers.h"
#include "core/RowColorizer.h"
#include "core/TextDocument.h"
#include "core/WheelAccumulator.h"
#include "core/WordColors.h"

static_assert(sizeof(WCHAR) == sizeof(char16_t), "UTF-16 units are passed through as they are");

inline std::u16string_view AsUtf16(LPCWSTR text, int length)
{
    return std::u16string_view(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length));
}

inline CString AsCString(std::u16string_view text)
{
    return CString(reinterpret_cast<LPCWSTR>(text.data()), static_cast<int>(text.size()));
}

// Geometry of drawn rows, on the screen or on a printed page.
struct EditRowLayout
{
    int left = 0;       // x of column 0 of the visible part
    int right = 0;      // where a full-line marker ends
    int lineHeight = 1; // pixels per row
    int charWidth = 1;  // pixels per column
    int firstColumn = 0;
    int lastColumn = 0; // exclusive
    bool selection = true;
};

struct CBCGPEditCtrl::Impl final : gvedit::TextObserver
{
    explicit Impl(CBCGPEditCtrl& ctrl) : m_ctrl(ctrl), m_document(this) {}

    void TextInserted(int offset, std::u16string_view text) override;
    void TextDeleted(int offset, std::u16string_view removed) override;

    const gvedit::TextBuffer& Text() const { return m_document.Buffer(); }
    int Clamp(int offset) const { return offset < 0 ? 0 : (offset > Text().Length() ? Text().Length() : offset); }

    // Selection helpers over the control's m_iStartSel/m_iEndSel/m_nCurrOffset.
    bool HasSelection() const { return m_ctrl.m_iStartSel >= 0 && m_ctrl.m_iStartSel != m_ctrl.m_iEndSel; }
    void SelectionRange(int& start, int& end) const;
    gvedit::Selection CurrentSelection() const;
    void ApplySelection(const gvedit::Selection& selection);
    // Moves the caret; select extends the selection from its anchor.
    void MoveCaret(int offset, bool select, bool redraw = true);

    // Edits recorded with a reason; forceNew starts a step of its own.
    void Insert(int offset, std::u16string_view text, unsigned reason, bool forceNew, bool record = true);
    void Delete(int start, int end, unsigned reason, bool forceNew, bool record = true);
    // Deletes the selection (if any) and inserts text in its place as one step.
    void ReplaceSelection(std::u16string_view text, unsigned reason);
    void Backspace(bool byWord);
    // One undo (or redo) step, the selection restored when setCaret.
    bool Revisit(bool undo, bool setCaret, bool redraw);
    void Enter();
    void Tab(bool outdent);

    // View.
    int VisibleRows() const;
    int VisibleColumns() const;
    // kEditMargin at the window's DPI.
    int Margin() const;
    int RowCount() const { return m_ctrl.m_nTotalLines + 1 < Text().Rows() ? m_ctrl.m_nTotalLines + 1 : Text().Rows(); }
    // A text ending with a line break prints no empty page for the row after it.
    int PrintedRows() const
    {
        const int rows = RowCount();
        return rows > 1 && Text().RowStart(rows - 1) == Text().Length() ? rows - 1 : rows;
    }
    int ColumnOfOffset(int offset) const;
    int OffsetAtColumn(int row, int column) const;
    int OffsetFromPoint(CPoint point) const;
    void ScrollTo(int topRow, int leftColumn, bool redraw = true);
    // Moves the view's pixels by rows (positive: the text moves down).
    void ScrollView(int rows, bool now);
    void EnsureVisible(int offset, bool redraw);
    void UpdateScrollBars();
    void UpdateCaret();
    void SetFont(HFONT hFont);
    void SyncBlocks();
    void DrawRow(CDC& dc, int row, int y, const EditRowLayout& layout);
    // Redraw repaints the whole view (now: at once); Flush paints at once
    // what edits invalidated.
    void Redraw(bool now);
    void Flush(bool now);
    void InvalidateAfterEdit(int row, bool rowsMoved);

    CBCGPEditCtrl& m_ctrl;
    gvedit::TextDocument m_document;
    gvedit::WordColors m_words;
    gvedit::RowColorizer m_colorizer;
    gvedit::LineMarkers m_markers;
    // The bUpdateLineData of the insertion under way.
    BOOL m_updateLineData = TRUE;

    HFONT m_hFont = nullptr;        // borrowed, or m_hDefaultFont
    HFONT m_hDefaultFont = nullptr; // owned
    int m_lineHeight = 16;
    int m_charWidth = 8;
    int m_topRow = 0;
    int m_leftColumn = 0;
    int m_widestColumn = 0;
    // The column Up and Down aim for, kept across rows shorter than it.
    int m_wantedColumn = -1;
    gvedit::WheelAccumulator m_wheel;
    bool m_focused = false;
    // Caret and selection ends accessibility clients were last told of.
    int m_announcedCaret = -1;
    int m_announcedSelStart = -1;
    int m_announcedSelEnd = -1;
    // The whole view was invalidated and nothing painted since: settings
    // made in bulk (a parser's hundreds of word colours) ask the system once.
    bool m_viewInvalid = false;

    HFONT m_hPrintFont = nullptr; // owned while printing
    EditRowLayout m_printLayout;
    int m_rowsPerPage = 1;

    std::vector<gvedit::ColorRun> m_runs;
    std::u16string m_row;

    // The system colours the defaults were read from (text, back, selected
    // text, selected back): a colour still equal to its entry follows the
    // system when it changes; one a caller chose stays.
    static constexpr int kSystemColorIndex[4] = {COLOR_WINDOWTEXT, COLOR_WINDOW, COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT};
    COLORREF m_systemColors[4] = {::GetSysColor(kSystemColorIndex[0]), ::GetSysColor(kSystemColorIndex[1]),
                                  ::GetSysColor(kSystemColorIndex[2]), ::GetSysColor(kSystemColorIndex[3])};
};

constexpr int kEditMargin = 4; // at 96 DPI
