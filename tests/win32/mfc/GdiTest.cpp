#include <memory>

#include "TestFrame.h"
#include "TestPixels.h"

namespace {
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// The red square of both windows on a blue ground, read from the canvas.
void ExpectPicture(CDC& dc, int cx, int cy)
{
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            const bool square = x >= 10 && x < 20 && y >= 10 && y < 20;
            ASSERT_EQ(square ? kRed : kBlue, dc.GetPixel(x, y)) << x << ", " << y;
        }
}

class GdiTest : public Win32WindowTest
{
protected:
    // A white 32-bit canvas, drawn on through m_dc.
    void MakeCanvas(int cx, int cy)
    {
        m_canvas = std::make_unique<CCanvas>(cx, cy, kWhite);
        ASSERT_TRUE(m_dc.Attach(m_canvas->Dc()));
    }
    void TearDown() override
    {
        m_dc.Detach();
        m_canvas.reset();
        Win32WindowTest::TearDown();
    }

    // Paints the 40 x 30 window, which must be validated, and reads its
    // picture into a canvas.
    void ExpectPaintedPicture(CWnd& wnd)
    {
        wnd.Invalidate();
        wnd.UpdateWindow();
        EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE)) << "EndPaint validated the window";
        MakeCanvas(40, 30);
        {
            CClientDC client(&wnd);
            m_dc.BitBlt(0, 0, 40, 30, &client, 0, 0, SRCCOPY);
        }
        ExpectPicture(m_dc, 40, 30);
    }

    std::unique_ptr<CCanvas> m_canvas;
    CDC m_dc;
};

// A client area blue with a red square at (10, 10)-(20, 20).
void PaintPicture(CDC& dc, CWnd* pWnd)
{
    CRect client;
    pWnd->GetClientRect(&client);
    CBrush blue(kBlue);
    dc.FillRect(&client, &blue);
    dc.FillSolidRect(10, 10, 10, 10, kRed);
}

// Paints its client area blue with a red square at (10, 10)-(20, 20).
class CPaintedWnd : public CWnd
{
public:
    int m_paints = 0;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_paints;
        PaintPicture(dc, this);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintedWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The same picture through the buffered paint plumbing.
class CBufferedWnd : public CWnd
{
public:
    int m_paints = 0;

protected:
    void PaintClient(CDC& dc)
    {
        ++m_paints;
        PaintPicture(dc, this);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBufferedWnd, CWnd)
    ON_WM_PAINT_BUFFERED(PaintClient)
END_MESSAGE_MAP()

} // namespace

TEST_F(GdiTest, PenLinesLeaveTheEndPointOut)
{
    MakeCanvas(16, 16);
    CPen red(PS_SOLID, 1, kRed);
    CPen* pOld = m_dc.SelectObject(&red);
    ASSERT_NE(nullptr, pOld);
    m_dc.MoveTo(2, 5);
    m_dc.LineTo(8, 5);
    EXPECT_EQ((HGDIOBJ)red.m_hObject, m_dc.SelectObject(pOld)->m_hObject);
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(x >= 2 && x < 8 ? kRed : kWhite, m_dc.GetPixel(x, 5)) << "x = " << x;
    EXPECT_EQ(kWhite, m_dc.GetPixel(4, 4));
    EXPECT_EQ(kWhite, m_dc.GetPixel(4, 6));
}

TEST_F(GdiTest, BrushesAndRectanglesFillExactly)
{
    MakeCanvas(20, 20);
    CBrush blue(kBlue);
    m_dc.FillRect(CRect(3, 4, 7, 9), &blue);
    EXPECT_EQ(kBlue, m_dc.GetPixel(3, 4));
    EXPECT_EQ(kBlue, m_dc.GetPixel(6, 8));
    EXPECT_EQ(kWhite, m_dc.GetPixel(7, 8));
    EXPECT_EQ(kWhite, m_dc.GetPixel(6, 9));

    // Rectangle: outline in the pen, inside in the brush.
    CPen red(PS_SOLID, 1, kRed);
    CPen* pOldPen = m_dc.SelectObject(&red);
    CGdiObject* pOldBrush = m_dc.SelectStockObject(WHITE_BRUSH);
    m_dc.Rectangle(10, 10, 15, 14);
    m_dc.SelectObject(pOldPen);
    m_dc.SelectObject(pOldBrush);
    EXPECT_EQ(kRed, m_dc.GetPixel(10, 10));
    EXPECT_EQ(kRed, m_dc.GetPixel(14, 13));
    EXPECT_EQ(kWhite, m_dc.GetPixel(12, 12));
    EXPECT_EQ(kWhite, m_dc.GetPixel(15, 12));

    m_dc.Draw3dRect(CRect(0, 0, 4, 3), kRed, kBlue);
    EXPECT_EQ(kRed, m_dc.GetPixel(0, 0));
    EXPECT_EQ(kRed, m_dc.GetPixel(0, 1));
    EXPECT_EQ(kBlue, m_dc.GetPixel(3, 0));
    EXPECT_EQ(kBlue, m_dc.GetPixel(1, 2));
    EXPECT_EQ(kWhite, m_dc.GetPixel(1, 1));
}

TEST_F(GdiTest, TextUsesTheSelectedFont)
{
    MakeCanvas(200, 40);
    CFont font;
    ASSERT_TRUE(font.CreateStockObject(ANSI_VAR_FONT));
    CFont* pOld = m_dc.SelectObject(&font);
    TEXTMETRICW metrics;
    ASSERT_TRUE(m_dc.GetTextMetrics(&metrics));
    CSize extent = m_dc.GetTextExtent(CString(L"Mm"));
    EXPECT_EQ(metrics.tmHeight, extent.cy);
    EXPECT_GT(extent.cx, 0);
    m_dc.SetTextColor(kRed);
    m_dc.SetBkMode(TRANSPARENT);
    CRect box(0, 0, 200, 40);
    m_dc.DrawText(CString(L"Mm"), &box, DT_LEFT | DT_TOP | DT_SINGLELINE);
    int red = 0;
    for (int y = 0; y < extent.cy; ++y)
        for (int x = 0; x < extent.cx; ++x)
            red += m_dc.GetPixel(x, y) == kRed;
    EXPECT_GT(red, 0);
    for (int x = extent.cx; x < 200; ++x)
        ASSERT_EQ(kWhite, m_dc.GetPixel(x, extent.cy / 2)) << "x = " << x;
    m_dc.SelectObject(pOld);
    font.Detach();
}

TEST_F(GdiTest, PaintDCDrawsIntoTheWindow)
{
    CPaintedWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 30), &m_frame, 1));
    ExpectPaintedPicture(wnd);
    EXPECT_GE(wnd.m_paints, 1);
}

TEST_F(GdiTest, MemoryDCDrawsInTargetCoordinatesAndCopiesOnceAtItsEnd)
{
    MakeCanvas(40, 40);
    HGDIOBJ hBitmap = nullptr;
    HDC hMemory = nullptr;
    {
        CMemoryDC memory(m_dc, CRect(5, 6, 25, 30));
        ASSERT_NE(nullptr, memory.m_hDC);
        hMemory = memory.m_hDC;
        hBitmap = ::GetCurrentObject(memory, OBJ_BITMAP);
        memory.FillSolidRect(0, 0, 40, 40, kRed);
        memory.SetPixel(5, 6, kBlue);
        EXPECT_EQ(kWhite, m_dc.GetPixel(10, 10)) << "nothing reaches the target before the end";
    }
    const struct
    {
        int x, y;
        COLORREF color;
    } expected[] = {{5, 6, kBlue},  {6, 6, kRed},     {24, 29, kRed},  {4, 6, kWhite},
                    {5, 5, kWhite}, {25, 29, kWhite}, {24, 30, kWhite}};
    for (const auto& e : expected)
        EXPECT_EQ(e.color, m_dc.GetPixel(e.x, e.y)) << e.x << ", " << e.y;
    EXPECT_EQ(0u, ::GetObjectType(hBitmap)) << "the bitmap went with the memory DC";
    EXPECT_EQ(0u, ::GetObjectType(hMemory));

    CMemoryDC empty(m_dc, CRect(3, 3, 3, 9));
    EXPECT_EQ(nullptr, empty.m_hDC);
}

TEST_F(GdiTest, BufferedPaintSkipsTheEraseAndAnswersPrintClient)
{
    CBufferedWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 30), &m_frame, 1));
    AfxPumpPendingMessages();
    ExpectPaintedPicture(wnd);

    const int paints = wnd.m_paints;
    m_dc.FillSolidRect(0, 0, 40, 30, kWhite);
    EXPECT_EQ(TRUE, wnd.SendMessage(WM_ERASEBKGND, (WPARAM)m_dc.m_hDC));
    EXPECT_EQ(kWhite, m_dc.GetPixel(0, 0));
    EXPECT_EQ(0, wnd.SendMessage(WM_PRINTCLIENT, (WPARAM)m_dc.m_hDC, PRF_CLIENT));
    EXPECT_EQ(paints + 1, wnd.m_paints);
    ExpectPicture(m_dc, 40, 30);
}

TEST_F(GdiTest, DrawStatePlacesABitmapAtItsPoint)
{
    MakeCanvas(10, 10);
    // Top-down rows of 32-bit pixels: red, blue / blue, red.
    const DWORD bits[] = {0x00FF0000, 0x000000FF, 0x000000FF, 0x00FF0000};
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(2, 2, 1, 32, bits));
    ASSERT_TRUE(m_dc.DrawState(CPoint(3, 4), CSize(2, 2), (HBITMAP)bitmap.m_hObject, DSS_NORMAL));
    EXPECT_EQ(kRed, m_dc.GetPixel(3, 4));
    EXPECT_EQ(kBlue, m_dc.GetPixel(4, 4));
    EXPECT_EQ(kBlue, m_dc.GetPixel(3, 5));
    EXPECT_EQ(kRed, m_dc.GetPixel(4, 5));
    EXPECT_EQ(kWhite, m_dc.GetPixel(5, 4));
    EXPECT_EQ(kWhite, m_dc.GetPixel(3, 6));
    EXPECT_EQ(kWhite, m_dc.GetPixel(2, 4));
}

TEST_F(GdiTest, GradientFillAndAdjustingEdges)
{
    MakeCanvas(12, 12);
    // A horizontal band from red to blue over four pixels.
    TRIVERTEX vertices[2] = {{1, 1, 0xFF00, 0, 0, 0}, {5, 3, 0, 0, 0xFF00, 0}};
    GRADIENT_RECT band = {0, 1};
    ASSERT_TRUE(m_dc.GradientFill(vertices, 2, &band, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(kRed, m_dc.GetPixel(1, 1));
    EXPECT_EQ(kRed, m_dc.GetPixel(1, 2));
    COLORREF last = m_dc.GetPixel(4, 2);
    EXPECT_GT(GetBValue(last), GetRValue(last)) << "blue wins toward the right end";
    EXPECT_EQ(kWhite, m_dc.GetPixel(5, 1));
    EXPECT_EQ(kWhite, m_dc.GetPixel(1, 3));
    EXPECT_EQ(kWhite, m_dc.GetPixel(0, 1));

    // A sunken edge takes two pixels on each side and the rectangle shrinks
    // to its inside.
    CRect edge(0, 4, 10, 12);
    ASSERT_TRUE(m_dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST));
    EXPECT_EQ(CRect(2, 6, 8, 10), edge);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), m_dc.GetPixel(0, 4));
    EXPECT_EQ(kWhite, m_dc.GetPixel(5, 8)) << "the inside is left alone";
}
