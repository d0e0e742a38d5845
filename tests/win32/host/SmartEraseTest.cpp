#include "GvUtilities.h"
#include "HostWindowTest.h"
#include "TestPixels.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 255), kFace = RGB(212, 208, 200);

// A blue canvas handed to a window as the DC of its WM_ERASEBKGND.
class ErasedPixels : public CCanvas
{
public:
    ErasedPixels(HWND window, int width, int height)
        : CCanvas(width, height, kBlue),
          m_result(SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(Dc()), 0))
    {
    }
    LRESULT Result() const { return m_result; }

private:
    LRESULT m_result;
};

class SmartEraseTest : public HostWindowTest
{
protected:
    void SetUp() override
    {
        HostWindowTest::SetUp();
        // A panel holding an opaque label, and a group box with a label inside.
        m_panel = CreateRecordingWindow(0, 0, 200, 150);
        m_label = CreateControl(L"STATIC", 0, 10, 10, 40, 40, m_panel);
        m_group = CreateControl(L"BUTTON", BS_GROUPBOX, 60, 10, 100, 100, m_panel);
        m_inside = CreateControl(L"STATIC", 0, 70, 30, 30, 20, m_panel);
    }

    HWND m_panel = nullptr, m_label = nullptr, m_group = nullptr, m_inside = nullptr;
};

TEST_F(SmartEraseTest, FillsAroundTheChildrenUntilRemoved)
{
    ASSERT_TRUE(GvAddSmartEraseWindow(m_panel, kFace, true));
    ErasedPixels pixels(m_panel, 200, 150);
    EXPECT_EQ(1, pixels.Result());
    EXPECT_EQ(kFace, pixels.At(5, 5));
    EXPECT_EQ(kBlue, pixels.At(20, 20)) << "the label paints itself";
    EXPECT_EQ(kBlue, pixels.At(65, 15)) << "unnamed, the group box is left out too";
    EXPECT_EQ(kFace, pixels.At(180, 140));
    EXPECT_TRUE(GvRemoveSmartEraseWindow(m_panel));
    EXPECT_FALSE(GvRemoveSmartEraseWindow(m_panel));
    ErasedPixels removed(m_panel, 200, 150);
    EXPECT_EQ(kBlue, removed.At(5, 5)) << "the class has no brush";
    EXPECT_FALSE(GvAddSmartEraseWindow(nullptr, kFace, true));
    // An include window without a smart-erase ancestor erases as before.
    GvAddSmartEraseIncludeWindow(m_group, false);
    ErasedPixels group(m_group, 100, 100);
    EXPECT_EQ(kBlue, group.At(5, 5));
}

TEST_F(SmartEraseTest, IncludeWindowsAreFilledBeneathAndFillThemselves)
{
    GvAddSmartEraseWindow(m_panel, kFace, true);
    ASSERT_TRUE(GvAddSmartEraseIncludeWindow(m_group, false));
    {
        ErasedPixels pixels(m_panel, 200, 150);
        EXPECT_EQ(kFace, pixels.At(65, 15));
        EXPECT_EQ(kBlue, pixels.At(80, 40)) << "the label over the group is still left out";
    }
    {
        // The group's own erase: its client area, less the label over it.
        ErasedPixels pixels(m_group, 100, 100);
        EXPECT_EQ(1, pixels.Result());
        EXPECT_EQ(kFace, pixels.At(5, 5));
        EXPECT_EQ(std::make_tuple(kBlue, kFace), std::make_tuple(pixels.At(20, 30), pixels.At(90, 90)));
    }
    ASSERT_TRUE(GvAddSmartEraseIncludeWindow(m_group, true));
    ErasedPixels pixels(m_panel, 200, 150);
    EXPECT_EQ(kBlue, pixels.At(65, 15)) << "taken back out";
}

TEST_F(SmartEraseTest, WithoutClippingOrOverHiddenChildrenEverythingIsFilled)
{
    GvAddSmartEraseWindow(m_panel, kFace, false);
    {
        ErasedPixels pixels(m_panel, 200, 150);
        EXPECT_EQ(std::make_tuple(kFace, kFace), std::make_tuple(pixels.At(20, 20), pixels.At(80, 40)));
    }
    // Registered again: clipping, and the colour changes.
    ShowWindow(m_label, SW_HIDE);
    GvAddSmartEraseWindow(m_panel, RGB(255, 0, 0), true);
    ErasedPixels pixels(m_panel, 200, 150);
    EXPECT_EQ(RGB(255, 0, 0), pixels.At(20, 20));
    EXPECT_EQ(kBlue, pixels.At(80, 40)) << "clipping again";
}

TEST_F(SmartEraseTest, ThePaintingOfARealWindowUsesIt)
{
    GvAddSmartEraseWindow(m_panel, RGB(10, 200, 30), true);
    RedrawWindow(m_panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_UPDATENOW);
    EXPECT_EQ(0, Spy(m_panel).Count(WM_ERASEBKGND)) << "the hook answers before the window's procedure";
    EXPECT_EQ(RGB(10, 200, 30), CPixels(m_panel, CPixels::ClientArea).At(190, 140));
}

} // namespace
