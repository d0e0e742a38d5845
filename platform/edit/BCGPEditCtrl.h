#pragma once
#include "platform/mfc/GvMfc.h"
#include "EditExport.h"

// A stretch coloured from its open string to its close string (a comment, a
// string). An empty close string ends it at the end of its row; a character
// after m_chEscape never closes it. Colours of -1 keep the editor's.
struct BCGP_EDIT_COLOR_BLOCK
{
    CString m_strOpen;
    CString m_strClose;
    COLORREF m_clrForeground = (COLORREF)-1;
    COLORREF m_clrBackground = (COLORREF)-1;
    BOOL m_bCaseSensitive = TRUE;
    WCHAR m_chEscape = 0;
};

// What MakeSelection extends the selection to (or over).
enum BCGP_EDIT_SEL_TYPE
{
    ST_PREV_CHAR = 0,
    ST_NEXT_CHAR = 1,
    ST_PREV_WORD = 2,
    ST_NEXT_WORD = 3,
    ST_HOME = 4,
    ST_END = 5,
    ST_PREV_ROW = 6,
    ST_NEXT_ROW = 7,
    ST_PREV_PAGE = 8,
    ST_NEXT_PAGE = 9,
    ST_START_OF_TEXT = 10,
    ST_END_OF_TEXT = 11,
    ST_ALL_TEXT = 12,
};

// A source editing control: UTF-16 text addressed by character offsets, rows
// counted from 0 (only '\n' ends a row; "\r\n" coming in becomes '\n' and goes
// out to the clipboard as "\r\n"), word and block colours, line colour
// markers, undo and redo in steps, find, clipboard and printing. It paints
// only the visible rows, through a memory DC, in a fixed-pitch font.
//
// The selection is m_iStartSel (anchor) to m_iEndSel (the caret's end), both
// -1 when nothing is selected; m_nCurrOffset is the caret.
class GVEDIT_API CBCGPEditCtrl : public CWnd
{
    DECLARE_DYNCREATE(CBCGPEditCtrl)

public:
    // The m_dwLastUndoReason that no edit records: set, it makes the next
    // edit an undo step of its own.
    static constexpr DWORD kUndoBreak = 0x1000;

    CBCGPEditCtrl();
    ~CBCGPEditCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Text and selection.
    int GetTextLength() const;
    // The characters [nStart, nEnd); nEnd -1 is the end of the text.
    CString GetText(int nStart = 0, int nEnd = -1) const;
    void GetSel(int& nStartSel, int& nEndSel) const;
    BOOL SetSel(int nStartSel, int nEndSel, BOOL bNoScroll = FALSE);
    int GetCurOffset() const { return m_nCurrOffset; }
    void SetCaret(int nOffset, BOOL bScrollToCaret = TRUE, BOOL bRedrawOnScroll = TRUE);
    BOOL MakeSelection(BCGP_EDIT_SEL_TYPE selType);
    void StartOfText(BOOL bSelect = TRUE);
    void EndOfText(BOOL bSelect = TRUE);
    BOOL Down(BOOL bSelect = TRUE, BOOL bRedraw = TRUE);
    BOOL Up(BOOL bSelect = TRUE, BOOL bRedraw = TRUE);

    // Editing. nInsertFrom -1 is the caret. Without bForceNextUndo an edit
    // joins the undo step of the edit before it when that was made through
    // these operations too, so a delete followed by an insert is one step.
    // bAlwaysAtEnd puts the caret after the inserted text.
    BOOL InsertText(LPCWSTR lpszText, int nInsertFrom = -1, BOOL bRedraw = TRUE, BOOL bSuppressUndo = FALSE,
                    BOOL bUpdateLineData = TRUE, BOOL bForceNextUndo = FALSE, BOOL bAlwaysAtEnd = TRUE);
    BOOL DeleteText(int nStartOffset, int nEndOffset, BOOL bRedraw = FALSE);
    BOOL DeleteSelectedText(BOOL bRedraw = TRUE, BOOL bSuppressUndo = FALSE, BOOL bForceNextUndo = FALSE);
    // The Delete key: the selection, else the character after the caret.
    virtual BOOL OnDelete(BOOL bRedraw = TRUE, BOOL bForceNextUndo = FALSE);

    // Rows. bFromTop counts from the first visible row.
    int RowFromOffset(int nOffset, BOOL bFromTop = FALSE) const;
    int GetRowStartByOffset(int nOffset) const;
    int GetNumOfCharsInText(const CString& strText, WCHAR ch) const;
    // nNumLines rows were inserted before row nStartLine: markers move.
    virtual void UpdateLineRelatedData(int nStartLine, int nNumLines);

    // Selects the next (bNext) or previous match, wrapping around the text;
    // the caret goes to the match's end. FALSE when there is none.
    BOOL FindText(LPCWSTR lpszFind, BOOL bNext = TRUE, BOOL bCase = TRUE, BOOL bWholeWord = FALSE);

    // Clipboard, as Unicode text.
    virtual BOOL Cut();
    virtual BOOL Copy();
    // Pastes at the caret (replacing the selection) or at iPos.
    virtual BOOL Paste(int iPos = -1);
    virtual BOOL Clear();
    virtual BOOL IsCutEnabled() const;
    virtual BOOL IsCopyEnabled() const;
    virtual BOOL IsPasteEnabled() const;

    // Undo and redo of whole steps; the selection comes back with the text.
    virtual BOOL OnUndo(BOOL bSetCaret = TRUE, BOOL bRedraw = TRUE);
    virtual BOOL OnRedo(BOOL bSetCaret = TRUE, BOOL bRedraw = TRUE);
    BOOL CanUndo() const;
    BOOL CanRedo() const;

    // Colouring. The syntax file format is in platform/edit/SyntaxFiles.md; a
    // file that cannot be read changes nothing and gives FALSE.
    BOOL LoadXMLSettings(const CString& strFileName);
    void SetWordColor(CString strWord, COLORREF clrFrgnd = (COLORREF)-1, COLORREF clrBkgnd = (COLORREF)-1,
                      BOOL bCaseSensitive = TRUE);
    // Colours rows [nRow, nRow + max(nLineCount, 1)); bFull paints out to
    // the right edge. Returns the marker's id for GoToMarker, 0 when nRow is
    // not a row.
    int SetLineColorMarker(int nRow, COLORREF clrFore, COLORREF clrBk, BOOL bFull = TRUE, int nLineCount = 0,
                           DWORD dwMarkerType = 4, UINT nPriority = 0);
    // Deletes the markers whose type shares a bit with dwMarkerType.
    void DeleteAllMarkers(DWORD dwMarkerType = (DWORD)-1, BOOL bRedraw = TRUE);
    // Caret to the start of the marker's row, brought into view.
    BOOL GoToMarker(int nMarkerID);

    // Printing in pages of pInfo->m_rectDraw; OnBeginPrinting sets the page
    // count.
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);

    BOOL IsModified() const { return m_bIsModified; }
    int GetFirstVisibleRow() const;

    // Accessibility: editable text whose value is the caret's row; caret and
    // selection moves and text changes are announced.
    // The window's text is the whole text, no name: the control has none.
    HRESULT get_accName(VARIANT varChild, BSTR* pszName) override;
    HRESULT get_accValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT get_accState(VARIANT varChild, VARIANT* pvarState) override;

protected:
    // Called after every caret move.
    virtual void OnSetCaret();
    // Called for every insertion, after the text changed: counts the rows it
    // added (m_nTotalLines) and moves the row data after them.
    virtual void OnInsertTextToBuffer(int nStartOffset, const CString& strInsertedText, BOOL bUpdateLineData = TRUE);
    // Called after every change of the text, undo and redo included.
    virtual void OnAfterTextChanged(int nOffsetFrom, const CString& strText, BOOL bInserted);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
    void PaintClient(CDC& dc);
    DECLARE_MESSAGE_MAP()

    // Colour blocks, read at each paint: callers may add and remove freely.
    CList<BCGP_EDIT_COLOR_BLOCK> m_lstColorBlocks;
    COLORREF m_clrText;
    COLORREF m_clrBack;
    COLORREF m_clrTextSelActive;
    COLORREF m_clrBackSelActive;
    int m_nTabSize;
    int m_nIndentSize;
    // Tab characters stay tabs when set; the Tab key inserts spaces when clear.
    BOOL m_bKeepTabs;
    BOOL m_bIsModified;
    // The number of line feeds in the text, kept by OnInsertTextToBuffer and
    // by deletions; the vertical scroll range is m_nTotalLines + 1 rows.
    int m_nTotalLines;
    // The reason of the last recorded edit; an edit joins the step before it
    // only when its reason is the same, so setting kUndoBreak (a reason no
    // edit uses) makes the next edit a step of its own.
    DWORD m_dwLastUndoReason;
    int m_iStartSel;
    int m_iEndSel;
    int m_nCurrOffset;
    BOOL m_bReadOnly;
    // Set while the left button drags a selection.
    BOOL m_bSelecting;

private:
    HFONT CreateDefaultFont();

    struct Impl;
    friend struct Impl;
    Impl* m_pImpl;
};
