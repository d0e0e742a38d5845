#include <cstdio>
#include "EditTestSupport.h"

TEST_F(EditCtrlTest, TypingKeepsIndentationAndUndoesAsOneStepTabIndentsRows)
{
    m_edit.SetWindowText(L"    a");
    EXPECT_FALSE(m_edit.IsModified());
    Key(VK_END, false, true);
    Key(VK_RETURN);
    Type(L"b;");
    EXPECT_EQ(CString(L"    a\n    b;"), Text());
    EXPECT_TRUE(m_edit.IsModified());
    EXPECT_EQ(1, m_edit.m_nTotalLines);
    ASSERT_TRUE(m_edit.CanUndo());
    EXPECT_TRUE(m_edit.OnUndo(TRUE, TRUE));
    EXPECT_EQ(std::make_tuple(CString(L"    a"), 5), std::make_tuple(Text(), m_edit.GetCurOffset()));
    EXPECT_EQ(0, m_edit.m_nTotalLines);
    EXPECT_FALSE(m_edit.CanUndo());
    EXPECT_TRUE(m_edit.OnRedo(TRUE, TRUE));
    EXPECT_EQ(std::make_tuple(CString(L"    a\n    b;"), 12), std::make_tuple(Text(), m_edit.GetCurOffset()));

    // Typing over a selection replaces it; Backspace and Delete edit around
    // the caret; shortcuts go through keys, not characters.
    m_edit.SetSel(4, 5);
    Type(L"xy");
    Key(VK_BACK);
    Key(VK_HOME, false, true);
    Key(VK_DELETE);
    m_edit.SendMessage(WM_CHAR, 1, 1); // Ctrl+A's character inserts nothing
    EXPECT_EQ(CString(L"   x\n    b;"), Text());
    Key('A', false, true);
    ExpectSelection(0, 11);

    // Tab indents the rows of a selection; keeping tabs chooses the character.
    m_edit.SetWindowText(L"a\n  b\nc");
    m_edit.SetSel(0, 4); // rows 0 and 1
    Key(VK_TAB);
    EXPECT_EQ(CString(L"    a\n      b\nc"), Text());
    ExpectSelection(0, 14);
    Key(VK_TAB, true);
    Key(VK_TAB, true);
    EXPECT_EQ(CString(L"a\nb\nc"), Text());
    m_edit.OnUndo(TRUE, TRUE);
    m_edit.OnUndo(TRUE, TRUE);
    EXPECT_EQ(CString(L"    a\n      b\nc"), Text());
    m_edit.OnUndo(TRUE, TRUE);
    EXPECT_EQ(CString(L"a\n  b\nc"), Text());

    // Without a selection Tab inserts up to the next indent stop.
    m_edit.SetCaret(8);
    Type(L"x");
    Key(VK_TAB);
    EXPECT_EQ(CString(L"a\n  b\ncx  "), Text());
    m_edit.m_bKeepTabs = TRUE;
    Key(VK_TAB);
    EXPECT_EQ(CString(L"a\n  b\ncx  \t"), Text());
}

TEST_F(EditCtrlTest, NavigationAndSelectionKeysAndBackwardSearch)
{
    // Offsets: row 0 "float4 pos;" 0-11, row 1 "  return x;" 12-23, row 2 "end" 24-27.
    m_edit.SetWindowText(L"float4 pos;\r\n  return x;\r\nend");
    EXPECT_EQ(CString(L"float4 pos;\n  return x;\nend"), Text());
    struct Step
    {
        UINT vk;
        bool shift, control;
        int anchor, caret;
    } steps[] = {
        {VK_RIGHT, false, true, -1, 7},  {VK_RIGHT, true, false, 7, 8},   {VK_RIGHT, true, true, 7, 11},
        {VK_LEFT, false, false, -1, 7},  {VK_DOWN, false, false, -1, 19}, {VK_HOME, false, false, -1, 14},
        {VK_HOME, false, false, -1, 12}, {VK_END, true, false, 12, 23},   {VK_DOWN, true, false, 12, 27},
        {VK_UP, false, false, -1, 23},   {VK_UP, false, false, -1, 11},   {VK_END, true, true, 11, 27},
        {VK_LEFT, true, true, 11, 24},   {VK_HOME, false, true, -1, 0},   {VK_NEXT, false, false, -1, 24},
        {VK_PRIOR, true, false, 24, 0},
    };
    for (const Step& step : steps) {
        Key(step.vk, step.shift, step.control);
        ExpectSelection(step.anchor, step.caret);
    }

    // Backward search starts at the selection start (forward search: the
    // shader editor's find dialog).
    m_edit.SetWindowText(L"color Color colors color");
    m_edit.SetSel(19, 24);
    EXPECT_TRUE(m_edit.FindText(L"COLOR", FALSE, FALSE, FALSE));
    ExpectSelection(12, 17);
    EXPECT_FALSE(m_edit.FindText(L"none"));
    ExpectSelection(12, 17);
}

TEST_F(EditCtrlTest, MouseClickDragAndDoubleClickClipboardRoundTrip)
{
    m_edit.SetWindowText(L"float4 pos;\n  return x;\nend");
    m_edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(CellPoint(1, 4).x, CellPoint(1, 4).y));
    EXPECT_EQ(m_edit.m_hWnd, ::GetCapture());
    ExpectSelection(-1, 16);
    m_edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(CellPoint(2, 1).x, CellPoint(2, 1).y));
    m_edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(CellPoint(2, 1).x, CellPoint(2, 1).y));
    EXPECT_EQ(nullptr, ::GetCapture());
    ExpectSelection(16, 25);
    // Moving without the button changes nothing.
    m_edit.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(CellPoint(0, 0).x, CellPoint(0, 0).y));
    ExpectSelection(16, 25);
    // Shift-click extends from the anchor.
    m_edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(CellPoint(0, 2).x, CellPoint(0, 2).y));
    m_edit.SendMessage(WM_LBUTTONUP, 0, 0);
    ExpectSelection(16, 2);
    m_edit.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(CellPoint(1, 5).x, CellPoint(1, 5).y));
    ExpectSelection(14, 20);

    // The clipboard round trip uses Unicode and CR LF.
    m_edit.SetWindowText(L"a\u00e9\nb");
    m_edit.SetSel(1, 4);
    ASSERT_TRUE(m_edit.IsCopyEnabled());
    ASSERT_TRUE(m_edit.Cut());
    EXPECT_EQ(CString(L"a"), Text());
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(std::wstring(L"\u00e9\r\nb"), std::wstring(static_cast<LPCWSTR>(::GlobalLock(data))));
    ::GlobalUnlock(data);
    ::CloseClipboard();
    EXPECT_FALSE(m_edit.IsCopyEnabled());
    ASSERT_TRUE(m_edit.IsPasteEnabled());
    ASSERT_TRUE(m_edit.Paste(0));
    ASSERT_TRUE(m_edit.Paste(-1));
    EXPECT_EQ(CString(L"\u00e9\nb\u00e9\nba"), Text());
    EXPECT_EQ(2, m_edit.m_nTotalLines);
    // Each paste is one step.
    m_edit.OnUndo(TRUE, TRUE);
    EXPECT_EQ(CString(L"\u00e9\nba"), Text());
}

TEST_F(EditCtrlTest, MarkersMoveWithInsertedRowsGoToMarkerScrollsSyntaxFilesLoadOrChangeNothing)
{
    SetRows(100, L"row\n");
    const int id = m_edit.SetLineColorMarker(60, RGB(255, 255, 255), RGB(0, 0, 255), TRUE, 0, 4, 0);
    ASSERT_NE(0, id);
    EXPECT_EQ(0, m_edit.SetLineColorMarker(101, 0, 0));
    m_edit.InsertText(L"\n\n", 0);  // before row 60: it moves down
    m_edit.InsertText(L"x\ny", 27); // inside row 8: rows from 9 on move
    EXPECT_EQ(103, m_edit.m_nTotalLines);
    ASSERT_TRUE(m_edit.GoToMarker(id));
    EXPECT_EQ(63, m_edit.RowFromOffset(m_edit.GetCurOffset()));
    EXPECT_EQ(m_edit.GetRowStartByOffset(m_edit.GetCurOffset()), m_edit.GetCurOffset());
    const int top = m_edit.GetFirstVisibleRow();
    EXPECT_TRUE(top <= 63 && 63 < top + 240 / m_lineHeight) << top;
    m_edit.DeleteAllMarkers();
    EXPECT_FALSE(m_edit.GoToMarker(id));

    // Syntax files load whole or change nothing.
    const COLORREF back = m_edit.m_clrBack;
    wchar_t broken[MAX_PATH];
    ::GetTempPathW(MAX_PATH, broken);
    lstrcatW(broken, L"gv_broken_syntax.xml");
    FILE* file = _wfopen(broken, L"wb");
    ASSERT_NE(nullptr, file);
    fputs("<syntax><editor background='#102030'/><block open='/*'></syntax>", file);
    fclose(file);
    EXPECT_FALSE(m_edit.LoadXMLSettings(broken));
    EXPECT_FALSE(m_edit.LoadXMLSettings(L"Z:/no/such/file.xml"));
    EXPECT_EQ(back, m_edit.m_clrBack);
    EXPECT_EQ(0, m_edit.m_lstColorBlocks.GetCount());
    ::DeleteFileW(broken);

    ASSERT_TRUE(m_edit.LoadXMLSettings(CString(L"" GV_DATA_DIR L"/syntax/hlsl.xml")));
    EXPECT_EQ(RGB(255, 255, 255), m_edit.m_clrBack);
    EXPECT_EQ(std::make_tuple(3, 4), std::make_tuple(m_edit.m_lstColorBlocks.GetCount(), m_edit.m_nTabSize));
}
