#include "ColorTestWindows.h"

namespace {

class ColorButtonTest : public ColorWindowTest
{
protected:
    void SetUp() override
    {
        ColorWindowTest::SetUp();
        ASSERT_TRUE(
            m_button.Create(L"Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), &m_parent, 100));
        m_button.SetColor(RGB(0, 0, 255), RGB(255, 255, 0));
    }
    // The button drawn in the given item state into a fresh bitmap.
    void Draw(UINT state)
    {
        CClientDC screen(&m_button);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, 80, 30);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        DRAWITEMSTRUCT dis = {ODT_BUTTON,     100, 0, ODA_DRAWENTIRE, state, m_button.m_hWnd, m_dc.m_hDC,
                              {0, 0, 80, 30}, 0};
        m_button.DrawItem(&dis);
    }
    void TearDown() override
    {
        if (m_dc.m_hDC) {
            m_dc.SelectObject(m_pOld);
            m_dc.DeleteDC();
            m_bitmap.DeleteObject();
        }
        ColorWindowTest::TearDown();
    }
    COLORREF At(int x, int y) { return m_dc.GetPixel(x, y); }
    bool HasPixel(COLORREF color)
    {
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 80; ++x)
                if (At(x, y) == color)
                    return true;
        return false;
    }

    CColorButton m_button;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
};

TEST_F(ColorButtonTest, FocusedButtonHasABlackOutlineOutsideTheRaisedFrame)
{
    Draw(ODS_FOCUS);
    EXPECT_EQ(RGB(0, 0, 0), At(0, 10));
    EXPECT_EQ(RGB(0, 0, 0), At(79, 29));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), At(1, 10));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), At(78, 10));
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), At(2, 10));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), At(77, 10));
    EXPECT_EQ(RGB(255, 255, 0), At(5, 10));
    EXPECT_TRUE(HasPixel(RGB(0, 0, 255))); // the text
}

TEST_F(ColorButtonTest, PressedButtonHasTheTwoPixelShadowFrame)
{
    Draw(ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), At(0, 10));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), At(79, 10));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), At(1, 10));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), At(78, 10));
    EXPECT_EQ(RGB(255, 255, 0), At(2, 10));
}

TEST_F(ColorButtonTest, DisabledButtonShowsItsDisabledColourAndEmbossedText)
{
    m_button.SetColor(RGB(0, 0, 255), RGB(255, 255, 0), RGB(0, 128, 0));
    Draw(ODS_DISABLED);
    EXPECT_EQ(RGB(0, 128, 0), At(5, 10));
    EXPECT_TRUE(HasPixel(RGB(255, 255, 255)));
    EXPECT_TRUE(HasPixel(RGB(128, 128, 128)));
    EXPECT_FALSE(HasPixel(RGB(0, 0, 255)));
    EXPECT_FALSE(HasPixel(RGB(255, 255, 0)));
}

TEST_F(ColorButtonTest, TwoColourSetColorPutsTheDisabledColourBack)
{
    m_button.SetColor(RGB(0, 0, 255), RGB(255, 255, 0), RGB(0, 128, 0));
    m_button.SetColor(RGB(0, 0, 255), RGB(255, 255, 0));
    m_button.SetWindowText(L"");
    Draw(ODS_DISABLED);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), At(5, 10));
    EXPECT_FALSE(HasPixel(RGB(128, 128, 128))); // an empty caption draws the frame only
}

TEST_F(ColorButtonTest, TheParentsDrawItemReachesTheButton)
{
    m_button.Invalidate();
    EXPECT_EQ(RGB(255, 255, 0), PixelAt(m_button, 5, 10));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), PixelAt(m_button, 0, 10));
}

} // namespace
