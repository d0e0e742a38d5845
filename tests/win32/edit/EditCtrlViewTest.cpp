#include <string>
#include "EditTestSupport.h"
#include "TestPixels.h"

namespace {

// The client area as painted through WM_PRINTCLIENT, as 0x00BBGGRR pixels.
class Snapshot
{
public:
    explicit Snapshot(CWnd& wnd)
    {
        CRect client;
        wnd.GetClientRect(&client);
        m_width = client.Width();
        m_height = client.Height();
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HDC hdc = ::CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        HBITMAP bitmap = ::CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(hdc, bitmap);
        wnd.SendMessage(WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT);
        ::GdiFlush();
        const auto* p = static_cast<const DWORD*>(bits);
        m_pixels.assign(p, p + m_width * m_height);
        ::SelectObject(hdc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(hdc);
    }
    COLORREF At(int x, int y) const
    {
        const DWORD bgr = m_pixels[y * m_width + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    // Whether any pixel of the rectangle has the colour.
    bool Has(const CRect& r, COLORREF color) const
    {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (At(x, y) == color) {
                    return true;
                }
            }
        }
        return false;
    }

private:
    int m_width = 0, m_height = 0;
    std::vector<DWORD> m_pixels;
};

} // namespace

class EditCtrlViewTest : public EditCtrlTest
{
protected:
    CRect Cells(int row, int column, int count) const
    {
        return CRect(4 + column * m_charWidth, row * m_lineHeight, 4 + (column + count) * m_charWidth,
                     (row + 1) * m_lineHeight);
    }
};

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

    const Snapshot shot(m_edit);
    // Row 0: the word in red, the comment (with a word inside) in green.
    EXPECT_TRUE(shot.Has(Cells(0, 0, 5), red));
    EXPECT_FALSE(shot.Has(Cells(0, 0, 5), green));
    EXPECT_FALSE(shot.Has(Cells(0, 6, 2), red));
    EXPECT_TRUE(shot.Has(Cells(0, 9, 8), green));
    EXPECT_FALSE(shot.Has(Cells(0, 9, 8), red));
    // Row 1 is marked: blue out to the right edge, its text white over the
    // words' colours, the comment closing on it.
    EXPECT_EQ(blue, shot.At(355, m_lineHeight + 1));
    EXPECT_TRUE(shot.Has(Cells(1, 5, 5), white));
    EXPECT_FALSE(shot.Has(Cells(1, 0, 10), red));
    // Row 2: a tab is four columns; the selection covers "oa" of "float" at
    // columns 6 and 7 in its own colours.
    EXPECT_TRUE(shot.Has(Cells(2, 4, 2), red));
    EXPECT_EQ(RGB(0, 255, 255), shot.At(Cells(2, 6, 2).left + 1, 2 * m_lineHeight + 1));
    EXPECT_FALSE(shot.Has(Cells(2, 6, 2), red));
    EXPECT_EQ(white, shot.At(Cells(2, 9, 1).left + 1, 2 * m_lineHeight + 1));

    // An edit above the comment's end recolours the rows after it.
    m_edit.InsertText(L"*/", 17);
    const Snapshot after(m_edit);
    EXPECT_TRUE(after.Has(Cells(0, 9, 10), green));
    EXPECT_FALSE(after.Has(Cells(1, 0, 4), green)) << "the comment closed on row 0";
}

TEST_F(EditCtrlViewTest, ScrollBarsWheelAndCaretFollow)
{
    CString text;
    for (int i = 0; i < 300; ++i) {
        text += L"line\n";
    }
    m_edit.SetWindowText(text);
    const int page = (240 - ::GetSystemMetrics(SM_CYHSCROLL)) / m_lineHeight;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ASSERT_TRUE(::GetScrollInfo(m_edit.m_hWnd, SB_VERT, &info));
    EXPECT_EQ(300, info.nMax);
    EXPECT_EQ(page, (int)info.nPage);

    m_edit.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(page, m_edit.GetFirstVisibleRow());
    m_edit.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    m_edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(page + 1 + (int)lines, m_edit.GetFirstVisibleRow());
    ::GetScrollInfo(m_edit.m_hWnd, SB_VERT, &info);
    EXPECT_EQ(m_edit.GetFirstVisibleRow(), info.nPos);
    m_edit.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(301 - page, m_edit.GetFirstVisibleRow());
    // The caret brings its row into view.
    Key(VK_HOME, false, true);
    EXPECT_EQ(0, m_edit.GetFirstVisibleRow());
    for (int i = 0; i < page; ++i) {
        Key(VK_DOWN);
    }
    EXPECT_EQ(1, m_edit.GetFirstVisibleRow());
    // The painted first row is the scrolled one: a marker on row 1 shows at the top.
    m_edit.SetLineColorMarker(1, RGB(255, 255, 255), RGB(0, 0, 255));
    EXPECT_EQ(RGB(0, 0, 255), Snapshot(m_edit).At(300, 1));
}

TEST_F(EditCtrlViewTest, SetFontChangesTheRowHeight)
{
    EXPECT_EQ((LRESULT)m_hFont, m_edit.SendMessage(WM_GETFONT));
    m_edit.SendMessage(WM_SETFONT, 0, TRUE);
    EXPECT_EQ(0, m_edit.SendMessage(WM_GETFONT)) << "the default font is the control's own";

    LOGFONTW big = {};
    big.lfHeight = -32;
    lstrcpyW(big.lfFaceName, L"Courier New");
    HFONT hBig = ::CreateFontIndirectW(&big);
    CClientDC dc(&m_edit);
    HGDIOBJ old = ::SelectObject(dc, hBig);
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
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

TEST_F(EditCtrlViewTest, PrintsEveryRowOnceInPagesOfTheDevice)
{
    CString text;
    for (int i = 0; i < 150; ++i) {
        CString row;
        row.Format(L"row%03d\n", i);
        text += row;
    }
    m_edit.SetWindowText(text);
    HDC reference = ::GetDC(nullptr);
    CPrintInfo info;
    CDC measure;
    measure.Attach(::CreateEnhMetaFileW(reference, nullptr, nullptr, nullptr));
    info.m_rectDraw.SetRect(0, 0, measure.GetDeviceCaps(HORZRES), measure.GetDeviceCaps(VERTRES) / 4);
    m_edit.OnBeginPrinting(&measure, &info);
    ::DeleteEnhMetaFile(::CloseEnhMetaFile(measure.Detach()));
    const UINT pages = info.GetMaxPage();
    ASSERT_GT(pages, 1u);

    std::vector<std::wstring> printed;
    size_t firstPageRows = 0;
    for (info.m_nCurPage = 1; info.m_nCurPage <= pages; ++info.m_nCurPage) {
        CDC page;
        page.Attach(::CreateEnhMetaFileW(reference, nullptr, nullptr, L"ShaderCode\0\0"));
        m_edit.OnPrint(&page, &info);
        HENHMETAFILE metafile = ::CloseEnhMetaFile(page.Detach());
        const std::vector<std::wstring> texts = MetafileTexts(metafile);
        ::DeleteEnhMetaFile(metafile);
        if (info.m_nCurPage == 1) {
            firstPageRows = texts.size();
        } else if (info.m_nCurPage < pages) {
            EXPECT_EQ(firstPageRows, texts.size()) << "page " << info.m_nCurPage;
        }
        printed.insert(printed.end(), texts.begin(), texts.end());
    }
    m_edit.OnEndPrinting(nullptr, &info);
    ::ReleaseDC(nullptr, reference);
    EXPECT_EQ(pages, (150 + firstPageRows - 1) / firstPageRows);
    ASSERT_EQ(150u, printed.size());
    for (int i = 0; i < 150; ++i) {
        wchar_t expected[16];
        wsprintfW(expected, L"row%03d", i);
        EXPECT_EQ(std::wstring(expected), printed[i]);
    }
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
        if (step.typed[0] == L'\n') {
            Key(VK_RETURN, false, false, false);
        } else {
            Type(step.typed);
        }
        CRect update;
        ::GetUpdateRect(m_edit.m_hWnd, &update, FALSE);
        EXPECT_EQ(CRect(0, step.top, client.right, step.bottom), update) << std::wstring(step.typed);
        m_edit.UpdateWindow();
    }
}

// Scrolling keeps the pixels of the rows still in view and repaints only the
// rest, and a bar is redrawn only when its thumb moves: after each request
// the window shows what painting it whole (frame included) would.
TEST_F(EditCtrlViewTest, ScrolledWindowMatchesAWholeRepaint)
{
    CString text;
    for (int i = 0; i < 2000; ++i) {
        text += L"line\n";
    }
    m_edit.SetWindowText(text);
    for (int row = 0; row < 2000; ++row) {
        m_edit.SetLineColorMarker(row, RGB(0, 0, 0), RGB(row * 40 % 256, row * 90 % 256, 200));
    }
    m_frame.SetFocus(); // no caret in the pictures
    struct Step
    {
        UINT message;
        WPARAM wParam;
    } steps[] = {
        {WM_VSCROLL, SB_LINEDOWN}, {WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)},
        {WM_VSCROLL, SB_LINEUP},   {WM_VSCROLL, SB_PAGEDOWN},
        {WM_VSCROLL, SB_BOTTOM},   {WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA)},
        {WM_VSCROLL, SB_TOP},
    };
    CPixels(m_edit.m_hWnd, CPixels::WholeWindow);
    for (const Step& step : steps) {
        m_edit.SendMessage(step.message, step.wParam, 0);
        const CPixels scrolled(m_edit.m_hWnd, CPixels::WholeWindow);
        m_edit.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        const CPixels whole(m_edit.m_hWnd, CPixels::WholeWindow);
        int differing = 0;
        for (int y = 0; y < whole.Height(); ++y) {
            for (int x = 0; x < whole.Width(); ++x) {
                differing += scrolled.At(x, y) != whole.At(x, y);
            }
        }
        EXPECT_EQ(0, differing) << "message " << step.message << " code " << step.wParam << " top row "
                                << m_edit.GetFirstVisibleRow();
    }
}
