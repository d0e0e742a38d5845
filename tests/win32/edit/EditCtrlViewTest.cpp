#include <string>
#include "EditTestSupport.h"

using EditCtrlViewTest = EditCtrlTest;

TEST_F(EditCtrlViewTest, RowsPaintInWordBlockSelectionAndMarkerColours)
{
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 128, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
    m_edit.m_clrBack = white;
    m_edit.m_clrText = RGB(0, 0, 0);
    m_edit.m_clrBackSelActive = RGB(0, 255, 255);
    m_edit.SetWordColor(L"float", red);
    BCGP_EDIT_COLOR_BLOCK comment;
    comment.m_strOpen = L"/*";
    comment.m_strClose = L"*/";
    comment.m_clrForeground = green;
    m_edit.m_lstColorBlocks.AddTail(comment);
    m_edit.SetWindowText(L"float a; /* float\nb */ float\n\tfloat");
    m_edit.SetLineColorMarker(1, white, blue, TRUE, 0, 4, 0);
    m_edit.SetSel(32, 34);

    const CPixels shot = Printed();
    // Row 0: the word in red, the comment (with a word inside) in green.
    for (const auto& [column, count, color, has] : {std::tuple{0, 5, red, true},
                                                    {0, 5, green, false},
                                                    {6, 2, red, false},
                                                    {9, 8, green, true},
                                                    {9, 8, red, false}})
        EXPECT_EQ(has, Has(shot, Cells(0, column, count), color)) << column << " " << std::hex << color;
    // Row 1 is marked: blue out to the right edge, its text white over the
    // words' colours, the comment closing on it.
    EXPECT_EQ(blue, shot.At(355, m_lineHeight + 1));
    EXPECT_TRUE(Has(shot, Cells(1, 5, 5), white));
    EXPECT_FALSE(Has(shot, Cells(1, 0, 10), red));
    // Row 2: a tab is four columns; the selection covers "oa" of "float" at
    // columns 6 and 7 in its own colours.
    EXPECT_TRUE(Has(shot, Cells(2, 4, 2), red));
    EXPECT_EQ(RGB(0, 255, 255), shot.At(Cells(2, 6, 2).left + 1, 2 * m_lineHeight + 1));
    EXPECT_FALSE(Has(shot, Cells(2, 6, 2), red));
    EXPECT_EQ(white, shot.At(Cells(2, 9, 1).left + 1, 2 * m_lineHeight + 1));

    // An edit above the comment's end recolours the rows after it.
    m_edit.InsertText(L"*/", 17);
    const CPixels after = Printed();
    EXPECT_TRUE(Has(after, Cells(0, 9, 10), green));
    EXPECT_FALSE(Has(after, Cells(1, 0, 4), green)) << "the comment closed on row 0";
}

// Each request scrolls to its row and sets the bar; the rows still in view
// keep their pixels and only the rest is painted, and a bar is redrawn only
// when its thumb moves: after each request the window shows what painting it
// whole (frame included) would. The caret brings its row into view.
TEST_F(EditCtrlViewTest, ScrollingByBarWheelSmallWheelDeltasAndCaret)
{
    SetRows(2000, L"line\n");
    auto rowColor = [](int row) { return RGB(row * 40 % 256, row * 90 % 256, 200); };
    for (int row = 0; row < 2000; ++row)
        m_edit.SetLineColorMarker(row, RGB(0, 0, 0), rowColor(row));
    const int page = (240 - ::GetSystemMetrics(SM_CYHSCROLL)) / m_lineHeight, wheel = WheelLines();
    // Wheel deltas below a notch (precision touchpads, free-spinning wheels)
    // add up: four of 30 scroll as one of 120; a turn back starts from nothing.
    const struct
    {
        short delta;
        int top;
    } small[] = {{-30, 0},    {-30, 0},    {-30, 0},    {-30, wheel}, {-60, wheel},
                 {30, wheel}, {30, wheel}, {30, wheel}, {30, 0}};
    for (const auto& step : small) {
        m_edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, step.delta), 0);
        EXPECT_EQ(step.top, m_edit.GetFirstVisibleRow()) << "after a delta of " << step.delta;
    }
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(::GetScrollInfo(m_edit.m_hWnd, SB_VERT, &info));
    EXPECT_EQ(std::make_tuple(2000, page), std::make_tuple(info.nMax, (int)info.nPage));

    m_frame.SetFocus(); // no caret in the pictures
    struct Step
    {
        UINT message;
        WPARAM wParam;
        int top;
    } steps[] = {
        {WM_VSCROLL, SB_LINEDOWN, 1},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 1 + wheel},
        {WM_VSCROLL, SB_LINEUP, wheel},
        {WM_VSCROLL, SB_PAGEDOWN, wheel + page},
        {WM_VSCROLL, SB_BOTTOM, 2001 - page},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 2001 - page - wheel},
        {WM_VSCROLL, SB_TOP, 0},
    };
    CPixels(m_edit.m_hWnd, CPixels::WholeWindow);
    for (const Step& step : steps) {
        m_edit.SendMessage(step.message, step.wParam, 0);
        EXPECT_EQ(step.top, m_edit.GetFirstVisibleRow());
        ::GetScrollInfo(m_edit.m_hWnd, SB_VERT, &info);
        EXPECT_EQ(step.top, info.nPos);
        const CPixels scrolled(m_edit.m_hWnd, CPixels::WholeWindow);
        m_edit.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        const CPixels whole(m_edit.m_hWnd, CPixels::WholeWindow);
        int differing = 0;
        for (int y = 0; y < whole.Height(); ++y)
            for (int x = 0; x < whole.Width(); ++x)
                differing += scrolled.At(x, y) != whole.At(x, y);
        EXPECT_EQ(0, differing) << "message " << step.message << " code " << step.wParam;
        EXPECT_EQ(rowColor(step.top), whole.At(300, 1)) << "the top row painted is the scrolled one";
    }

    m_edit.SetFocus();
    for (int i = 0; i < page; ++i)
        Key(VK_DOWN);
    EXPECT_EQ(1, m_edit.GetFirstVisibleRow());
    Key(VK_END, false, true);
    EXPECT_EQ(2001 - page, m_edit.GetFirstVisibleRow());
}

TEST_F(EditCtrlViewTest, PrintsEveryRowOnceInPagesOfTheDeviceSetFontChangesTheRowHeight)
{
    SetRows(150, L"row%03d\n");
    CPrintInfo info;
    PrintedTexts([&](CDC& measure) {
        info.m_rectDraw.SetRect(0, 0, measure.GetDeviceCaps(HORZRES), measure.GetDeviceCaps(VERTRES) / 4);
        m_edit.OnBeginPrinting(&measure, &info);
    });
    const UINT pages = info.GetMaxPage();
    ASSERT_GT(pages, 1u);

    std::vector<std::wstring> printed;
    size_t firstPageRows = 0;
    for (info.m_nCurPage = 1; info.m_nCurPage <= pages; ++info.m_nCurPage) {
        const std::vector<std::wstring> texts =
            PrintedTexts([&](CDC& page) { m_edit.OnPrint(&page, &info); }, L"ShaderCode\0\0");
        if (info.m_nCurPage == 1)
            firstPageRows = texts.size();
        EXPECT_TRUE(info.m_nCurPage == pages || texts.size() == firstPageRows) << "page " << info.m_nCurPage;
        printed.insert(printed.end(), texts.begin(), texts.end());
    }
    m_edit.OnEndPrinting(nullptr, &info);
    EXPECT_EQ(pages, (150 + firstPageRows - 1) / firstPageRows);
    ASSERT_EQ(150u, printed.size());
    for (int i = 0; i < 150; ++i) {
        wchar_t expected[16];
        wsprintfW(expected, L"row%03d", i);
        EXPECT_EQ(std::wstring(expected), printed[i]);
    }

    // A new font changes the row height that clicks are read with.
    EXPECT_EQ((LRESULT)m_hFont, m_edit.SendMessage(WM_GETFONT));
    m_edit.SendMessage(WM_SETFONT, 0, TRUE);
    EXPECT_EQ(0, m_edit.SendMessage(WM_GETFONT)) << "the default font is the control's own";

    LOGFONTW big = {-32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Courier New"};
    HFONT hBig = ::CreateFontIndirectW(&big);
    const TEXTMETRICW metrics = Metrics(hBig);
    const int bigLine = metrics.tmHeight + metrics.tmExternalLeading;
    ASSERT_GT(bigLine, m_lineHeight);
    m_edit.SetWindowText(L"a\nb\nc\nd\ne\nf\ng\nh\ni");
    m_edit.SendMessage(WM_SETFONT, (WPARAM)hBig, FALSE);
    m_edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 3 * bigLine + 2));
    m_edit.SendMessage(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(3, m_edit.RowFromOffset(m_edit.GetCurOffset()));
    m_edit.SendMessage(WM_SETFONT, (WPARAM)m_hFont, FALSE);
    ::DeleteObject(hBig);
}

// A keystroke repaints its row only, unless it opens a block that colours the
// rows below.
TEST_F(EditCtrlViewTest, EditsInvalidateTheirRowOrWhatABlockReaches)
{
    BCGP_EDIT_COLOR_BLOCK comment;
    comment.m_strOpen = L"/*";
    comment.m_strClose = L"*/";
    comment.m_clrForeground = RGB(0, 128, 0);
    m_edit.m_lstColorBlocks.AddTail(comment);
    m_edit.SetWindowText(L"a\nb\nc\nd");
    m_edit.SetCaret(2);
    m_edit.UpdateWindow();
    CRect client;
    m_edit.GetClientRect(&client);
    struct Step
    {
        LPCWSTR typed;
        int top, bottom;
    } steps[] = {
        {L"x", m_lineHeight, 2 * m_lineHeight},
        {L"/", m_lineHeight, 2 * m_lineHeight},
        {L"*", m_lineHeight, client.bottom},
        {L"\n", m_lineHeight, client.bottom},
    };
    for (const Step& step : steps) {
        if (step.typed[0] == L'\n')
            Key(VK_RETURN, false, false, false);
        else
            Type(step.typed);
        CRect update;
        ::GetUpdateRect(m_edit.m_hWnd, &update, FALSE);
        EXPECT_EQ(CRect(0, step.top, client.right, step.bottom), update) << std::wstring(step.typed);
        m_edit.UpdateWindow();
    }
}
