#pragma once
#include "platform/mfc/GvMfc.h"
#include "platform/edit/BCGPEditCtrl.h"
#include "GvMFCUtilitiesExport.h"
#include "GvShaderParsing.h"
#include "GvString.h"

/// The source window in which the host edits shader programs: the editor base
/// configured from a syntax parser and a syntax file, with a context menu, a
/// modeless find/replace dialog, a one-line highlight for error locations,
/// printing under the code's title and the host's accelerators ahead of the
/// editor's own keys. Status texts go to the host through getGvApp(), which
/// must be installed while the control handles messages.
class GVMFCUTILITIES_API GvMFCShaderEditorTextCtrl : public CBCGPEditCtrl
{
    DECLARE_DYNCREATE(GvMFCShaderEditorTextCtrl)

public:
    /// Units of the find dialog's find-what buffer, terminator included.
    static constexpr int kFindBufferLength = 4096;

    GvMFCShaderEditorTextCtrl();
    ~GvMFCShaderEditorTextCtrl() override;
    GvMFCShaderEditorTextCtrl(const GvMFCShaderEditorTextCtrl&) = delete;
    GvMFCShaderEditorTextCtrl& operator=(const GvMFCShaderEditorTextCtrl&) = delete;

    /// Reads the editor's syntax file (data/syntax/*.xml): colour blocks, words and their colours.
    void LoadParsingRule(const wchar_t* path);
    /// Colours and keywords of the parser; the parser is not kept.
    void LoadKeywords(GvMFCShaderSyntaxParser* parser);

    /// The colour of the line HighlightLine marks (0x00BBGGRR).
    void SetHighlightColor(unsigned int color) { m_highlightColor = color; }
    /// The colour of the highlighted line.
    unsigned int GetHightlightColor() const { return m_highlightColor; }
    /// Tab inserts spaces up to the next tab stop when useSpaces, else a tab character.
    void UseSpaceForTabs(bool useSpaces) { m_bKeepTabs = !useSpaces; }
    /// True when Tab inserts spaces.
    bool IsUseSpaceForTabs() const { return !m_bKeepTabs; }
    /// Columns per tab stop.
    void SetTabSize(int size) { m_nTabSize = size; }
    /// Columns per tab stop.
    int GetTabSize() const { return m_nTabSize; }
    /// Columns an indent or unindent moves a line.
    void SetIndentSize(int size) { m_nIndentSize = size; }
    /// Columns an indent or unindent moves a line.
    int GetIndentSize() const { return m_nIndentSize; }
    /// Sets or clears the modified flag (the host clears it after saving).
    void SetModified(bool modified) { m_bIsModified = modified; }
    /// The colour blocks (comments, strings) read from the syntax file, for the host to change.
    CList<BCGP_EDIT_COLOR_BLOCK>& GetBlcokList() { return m_lstColorBlocks; }
    /// Draws the text in pFont (fixed pitch; not owned, kept while the control uses it) and lays the rows out again.
    void SetActiveFont(CFont* pFont);

    /// line counts from 1 (0 marks the first row too); the next edit clears it.
    void HighlightLine(int line);
    /// line counts rows from 0.
    void GotoLine(int line);
    /// Makes the window lay out its scroll bars again after the host moved or resized it.
    void UpdateVertScrollBar();

    /// The selection's text, start and end in order; empty when none.
    CString GetSelectedText() const;

    /// Undo and redo of the editor base, callable by the host's commands.
    using CBCGPEditCtrl::OnRedo;
    using CBCGPEditCtrl::OnUndo;

    /// Finds the find dialog's text from the caret in the dialog's direction and with its options; FALSE (and a status
    /// text) when not found or no dialog is open.
    BOOL FindNext();
    /// Replaces the selection with the find dialog's replacement as one undo step; FALSE without a selection or dialog.
    BOOL ReplaceCurrent();
    /// Replaces every match of the find dialog's text from the start, stopping when the search comes round to replaced
    /// text.
    void ReplaceAll();

    /// Called with the context menu before it is shown.
    virtual void EditPopupMenu(CMenu& menu);
    /// The print job's name.
    virtual GvStringW GetCodeTitle();

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnAfterTextChanged(int nOffsetFrom, const CString& strText, BOOL bInserted) override;

    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnEditClear();
    afx_msg void OnEditFind();
    afx_msg void OnEditReplace();
    afx_msg void OnEditSelectAll();
    afx_msg void OnUndo();
    afx_msg void OnRedo();
    afx_msg void OnFilePrint();
    afx_msg LRESULT OnFind(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    /// Opens the dialog unless one is open; findOnly leaves out replacing.
    void OpenFindDialog(bool findOnly);
    /// The print job on a printer DC: every page, under GetCodeTitle().
    void PrintTo(CDC& dc);

    unsigned int m_highlightColor;
    CFont* m_pActiveFont;
    CFindReplaceDialog* m_pFindDialog;
    unsigned short* m_findWhat;
    int m_findDialogX;
    int m_findDialogY;
    bool m_findWholeWord;
    bool m_findMatchCase;
    unsigned int m_lineMarkerColor;
};
