#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>
#include "GvWindowUtils.h"
#define GV_RESIZE_RECORDER_MAP
#include "ResizeRecorder.h"

namespace {

// A scroll child that counts the activations its frame hands it and records
// where it is moved.
class CActivatedChild : public CWnd
{
public:
    std::vector<UINT> m_states;
    std::vector<CPoint> m_moves;

protected:
    afx_msg void OnActivate(UINT nState, CWnd*, BOOL) { m_states.push_back(nState); }
    afx_msg LRESULT OnWindowPosChanged(WPARAM, LPARAM lParam)
    {
        const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOMOVE))
            m_moves.push_back(CPoint(pos->x, pos->y));
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CActivatedChild, CWnd)
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
END_MESSAGE_MAP()

class ScrollWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame());
        m_cxV = GetSystemMetrics(SM_CXVSCROLL);
        m_cyH = GetSystemMetrics(SM_CYHSCROLL);
    }
    void TearDown() override
    {
        m_scroll.DestroyWindow();
        m_child.DestroyWindow();
        m_frame.DestroyWindow();
        AfxPumpPendingMessages();
        EXPECT_EQ(0u, AfxGetTemporaryObjectCount());
    }
    void Make(int childWidth, int childHeight, bool centre = false)
    {
        ASSERT_TRUE(m_scroll.CreateScrollWnd(m_frame.m_hWnd, CRect(10, 10, 210, 110), WS_CHILD | WS_VISIBLE, centre));
        ASSERT_TRUE(m_child.CreateEx(0, nullptr, L"child", WS_CHILD | WS_VISIBLE, CRect(0, 0, childWidth, childHeight),
                                     &m_frame, 7));
        ASSERT_TRUE(m_scroll.AttachScrollChild(&m_child));
    }
    HWND Bar(UINT id) const { return ::GetDlgItem(m_scroll.m_hWnd, id); }
    CPoint Offset() const
    {
        const CRect r = RectIn(m_child.m_hWnd);
        return CPoint(-r.left, -r.top);
    }
    int BarPos(UINT id) const { return ::GetScrollPos(Bar(id), SB_CTL); }

    CResizeRecorder m_frame;
    CGvScrollWnd m_scroll;
    CActivatedChild m_child;
    int m_cxV = 0, m_cyH = 0;
};

TEST_F(ScrollWndTest, BarsAppearAtTheExactSizes)
{
    Make(10, 10);
    // Child width, height, horizontal bar, vertical bar.
    const std::tuple<int, int, bool, bool> cases[] = {
        {200, 100, false, false},        {201, 100 - m_cyH, true, false}, {201, 101 - m_cyH, true, true},
        {200 - m_cxV, 101, false, true}, {201 - m_cxV, 101, true, true},  {50, 50, false, false},
    };
    for (const auto& [width, height, horizontal, vertical] : cases) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        m_child.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_scroll.AdjustScrollWindow();
        const CRect frame = RectIn(::GetParent(m_child.m_hWnd), m_scroll.m_hWnd);
        const int right = vertical ? 200 - m_cxV : 200, bottom = horizontal ? 100 - m_cyH : 100;
        EXPECT_EQ(CRect(0, 0, right, bottom), frame);
        ASSERT_EQ(std::make_pair(horizontal, vertical), std::make_pair(Bar(291) != nullptr, Bar(292) != nullptr));
        if (horizontal) {
            EXPECT_EQ(CRect(0, 100 - m_cyH, right, 100), RectIn(Bar(291), m_scroll.m_hWnd));
            SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
            ::GetScrollInfo(Bar(291), SB_CTL, &info);
            EXPECT_EQ(std::make_pair(width, static_cast<UINT>(right)), std::make_pair(info.nMax, info.nPage));
        }
        if (vertical) {
            EXPECT_EQ(CRect(200 - m_cxV, 0, 200, bottom), RectIn(Bar(292), m_scroll.m_hWnd));
        }
        EXPECT_EQ(CSize(width, height), RectIn(m_child.m_hWnd, m_scroll.m_hWnd).Size());
    }
}

TEST_F(ScrollWndTest, AttachTwiceAndDetach)
{
    Make(400, 300);
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, L"other", WS_CHILD, CRect(0, 0, 5, 5), &m_frame, 8));
    EXPECT_FALSE(m_scroll.AttachScrollChild(&other));
    EXPECT_FALSE(m_scroll.AttachScrollChild(nullptr));
    EXPECT_EQ(&m_child, m_scroll.GetScrollChild());
    EXPECT_EQ(m_frame.m_hWnd, ::GetParent(other.m_hWnd));
    const HWND hFrame = ::GetParent(m_child.m_hWnd);
    EXPECT_EQ(m_scroll.m_hWnd, ::GetParent(hFrame));
    EXPECT_EQ(-1, ::GetDlgCtrlID(hFrame));

    EXPECT_EQ(&m_child, m_scroll.DetachScrollChild());
    EXPECT_EQ(nullptr, m_scroll.GetScrollChild());
    EXPECT_TRUE(!Bar(291) && !Bar(292));
    EXPECT_EQ(CRect(0, 0, 200, 100), RectIn(hFrame, m_scroll.m_hWnd));
    EXPECT_EQ(nullptr, m_scroll.DetachScrollChild());
    other.DestroyWindow();
}

TEST_F(ScrollWndTest, OffsetsAfterBarKeyWheelAndChildScrolls)
{
    Make(600, 300);
    const int maxX = 600 - (200 - m_cxV), maxY = 300 - (100 - m_cyH);
    // The bar's own thumb message.
    m_scroll.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 1000), reinterpret_cast<LPARAM>(Bar(291)));
    EXPECT_EQ(std::make_tuple(CPoint(maxX, 0), maxX), std::make_tuple(Offset(), BarPos(291)));
    // Keys on the focused bar: the control itself asks for line steps.
    ::SetFocus(Bar(291));
    ::SendMessageW(Bar(291), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(CPoint(maxX - 20, 0), Offset());
    m_scroll.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), 0);
    m_scroll.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_PAGELEFT, 0), 0);
    EXPECT_EQ(CPoint(maxX - 40 - (200 - m_cxV), 0), Offset());
    for (int i = 0; i < 3; ++i)
        m_scroll.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_PAGELEFT, 0), 0);
    EXPECT_EQ(CPoint(0, 0), Offset());
    m_scroll.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    EXPECT_EQ(CPoint(0, 0), Offset());

    // Wheel: any turn down is one notch of 30, two notches up are 60 up.
    m_scroll.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    m_scroll.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    m_scroll.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(CPoint(0, 90), Offset());
    m_scroll.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
    EXPECT_EQ(std::make_tuple(CPoint(0, 30), 30), std::make_tuple(Offset(), BarPos(292)));

    // The child pans through its frame: (+15, -10) in 16-bit halves.
    m_child.GetParent()->SendMessage(GVM_CHILD_SCROLL, reinterpret_cast<WPARAM>(m_child.m_hWnd),
                                     MAKELPARAM(15, static_cast<WORD>(-10)));
    EXPECT_EQ(CPoint(15, 20), Offset());
    m_child.GetParent()->SendMessage(GVM_CHILD_SCROLL, 0, MAKELPARAM(static_cast<WORD>(-100), 1000));
    EXPECT_EQ(CPoint(0, maxY), Offset());
}

// What a pan keeps and paints of the picture: the texture control's test.
TEST_F(ScrollWndTest, AChildPanMovesTheChildOnce)
{
    Make(400, 300);
    HWND hFrame = ::GetParent(m_child.m_hWnd);
    m_child.m_moves.clear();
    const auto pan = [&](int dx, int dy) {
        ::SendMessageW(hFrame, GVM_CHILD_SCROLL, 0, MAKELPARAM(static_cast<WORD>(dx), static_cast<WORD>(dy)));
    };

    // Both axes in one move.
    pan(15, 10);
    EXPECT_EQ(std::vector<CPoint>{CPoint(-15, -10)}, m_child.m_moves);
    EXPECT_EQ(std::make_pair(15, 10), std::make_pair(BarPos(291), BarPos(292)));

    // Only an axis that moves changes its bar; a pan against the ends moves nothing.
    pan(0, -10);
    EXPECT_EQ(CPoint(-15, 0), m_child.m_moves.back());
    EXPECT_EQ(std::make_pair(15, 0), std::make_pair(BarPos(291), BarPos(292)));
    pan(-100, -100);
    pan(-5, -5);
    EXPECT_EQ((std::vector<CPoint>{CPoint(-15, -10), CPoint(-15, 0), CPoint(0, 0)}), m_child.m_moves);
    EXPECT_EQ(0, BarPos(291));
}

TEST_F(ScrollWndTest, CentringAndChildResizePassedOn)
{
    Make(151, 40, true);
    EXPECT_EQ(CPoint(-24, -30), Offset()); // the odd pixel is on the right
    m_child.SetWindowPos(nullptr, 0, 0, 300, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(::GetParent(m_child.m_hWnd), GVM_CHILD_RESIZE, reinterpret_cast<WPARAM>(m_child.m_hWnd), 0);
    ASSERT_EQ(1u, m_frame.m_resizes.size());
    EXPECT_EQ(reinterpret_cast<WPARAM>(m_child.m_hWnd), m_frame.m_resizes[0]);
    ASSERT_NE(nullptr, Bar(291));
    EXPECT_EQ(CPoint(0, -((100 - m_cyH - 40) / 2)), Offset());
}

TEST_F(ScrollWndTest, FrameClicksActivateTheChild)
{
    Make(100, 50);
    HWND hFrame = ::GetParent(m_child.m_hWnd);
    ::SendMessageW(hFrame, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 80));
    ::SendMessageW(hFrame, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(150, 80));
    EXPECT_EQ((std::vector<UINT>{WA_ACTIVE, WA_ACTIVE}), m_child.m_states);
}

TEST_F(ScrollWndTest, WheelWithoutVerticalBarIsDefaultAndResizingLaysOutAgain)
{
    Make(300, 80);
    ASSERT_NE(nullptr, Bar(291));
    ASSERT_EQ(nullptr, Bar(292));
    EXPECT_EQ(0, m_scroll.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0));
    EXPECT_EQ(CPoint(0, 0), Offset());
    m_scroll.SetWindowPos(nullptr, 0, 0, 320, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(nullptr, Bar(291));
    EXPECT_EQ(CRect(0, 0, 320, 100), RectIn(::GetParent(m_child.m_hWnd), m_scroll.m_hWnd));
}

} // namespace
