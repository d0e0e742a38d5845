#include <memory>
#include <tuple>
#include <vector>

#include "TestFrame.h"
#include "TestPixels.h"

namespace {
const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

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
        m_dc.Detach();
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

// The drawing calls that only forward to GDI are left to the controls'
// pixel tests; these are the layer's own.
TEST_F(GdiTest, SelectionGivesBackTheOldObjectAndDraw3dRectSplitsItsColours)
{
    MakeCanvas(8, 8);
    CPen red(PS_SOLID, 1, kRed);
    CPen* pOld = m_dc.SelectObject(&red);
    ASSERT_NE(nullptr, pOld) << "the stock pen, wrapped";
    EXPECT_EQ((HGDIOBJ)red.m_hObject, m_dc.SelectObject(pOld)->m_hObject);

    m_dc.Draw3dRect(CRect(0, 0, 4, 3), kRed, kBlue);
    // Top-left, left edge, top-right, bottom edge, inside, past the right.
    EXPECT_EQ((std::vector<COLORREF>{kRed, kRed, kBlue, kBlue, kWhite, kWhite}),
              (std::vector<COLORREF>{m_dc.GetPixel(0, 0), m_dc.GetPixel(0, 1), m_dc.GetPixel(3, 0), m_dc.GetPixel(1, 2),
                                     m_dc.GetPixel(1, 1), m_dc.GetPixel(4, 0)}));
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
    const std::tuple<int, int, COLORREF> expected[] = {{5, 6, kBlue},   {6, 6, kRed},   {24, 29, kRed},
                                                       {4, 6, kWhite},  {5, 5, kWhite}, {25, 29, kWhite},
                                                       {24, 30, kWhite}};
    for (const auto& [x, y, color] : expected)
        EXPECT_EQ(color, m_dc.GetPixel(x, y)) << x << ", " << y;
    EXPECT_EQ(0u, ::GetObjectType(hBitmap)) << "the bitmap went with the memory DC";
    EXPECT_EQ(0u, ::GetObjectType(hMemory));

    CMemoryDC empty(m_dc, CRect(3, 3, 3, 9));
    EXPECT_EQ(nullptr, empty.m_hDC);
}

TEST_F(GdiTest, PaintDCAndBufferedPaintDrawIntoTheWindowTheBufferedOneSkipsTheEraseAndAnswersPrintClient)
{
    CPaintedWnd painted;
    ASSERT_TRUE(painted.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 30), &m_frame, 2));
    ExpectPaintedPicture(painted);
    EXPECT_GE(painted.m_paints, 1);

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
