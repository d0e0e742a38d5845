#include "NumericTestWindows.h"

#include "GvMessages.h"

namespace {

// Knows when the pop-up deleted itself, and reaches its protected range step.
class CWatchedPopup : public CPopupSlider
{
public:
    CWatchedPopup(CPoint point, float value, float min, float max, bool clamp, CWnd* pOwner, bool* pDeleted,
                  bool allowRangeDrag)
        : CPopupSlider(point, value, min, max, clamp, pOwner, allowRangeDrag), m_pDeleted(pDeleted)
    {
    }
    ~CWatchedPopup() { *m_pDeleted = true; }
    using CPopupSlider::UpdateSliderRange;

private:
    bool* m_pDeleted;
};

class PopupSliderTest : public NumericWindowTest
{
protected:
    void SetUp() override
    {
        NumericWindowTest::SetUp();
        ASSERT_TRUE(m_owner.Create(nullptr, L"owner", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 40), &m_parent, 1));
    }
    void TearDown() override
    {
        if (m_owner.m_pPopup && !m_deleted)
            m_owner.m_pPopup->DestroyWindow();
        NumericWindowTest::TearDown();
    }

    CWatchedPopup* Open(float value, float min, float max, bool clamp, CPoint at = CPoint(300, 300),
                        bool allowRangeDrag = true)
    {
        m_deleted = false;
        m_popup = new CWatchedPopup(at, value, min, max, clamp, &m_owner, &m_deleted, allowRangeDrag);
        m_owner.m_pPopup = m_popup;
        return m_popup;
    }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) { return m_popup->SendMessage(message, wParam, lParam); }
    void MoveTo(int x, int y = 10) { Send(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    CPoint CursorInClient()
    {
        CPoint cursor;
        GetCursorPos(&cursor);
        m_popup->ScreenToClient(&cursor);
        return cursor;
    }
    void ExpectEndedOnce()
    {
        EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_CLOSE));
        EXPECT_TRUE(m_deleted);
        EXPECT_EQ(nullptr, m_owner.m_pPopup);
    }

    CRecordingOwner m_owner;
    CWatchedPopup* m_popup = nullptr;
    bool m_deleted = false;
};

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGrey = RGB(0x66, 0x66, 0x66);

TEST_F(PopupSliderTest, OpensRightOfThePointWithCaptureFocusAndPointerOnTheThumb)
{
    Open(2.5f, 0.0f, 10.0f, true, CPoint(300, 300));
    CRect window;
    m_popup->GetWindowRect(&window);
    EXPECT_EQ(CRect(308, 300, 433, 320), window);
    EXPECT_EQ(m_popup->GetSafeHwnd(), ::GetCapture());
    EXPECT_EQ(m_popup->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(CPoint(37, 10), CursorInClient());
    EXPECT_EQ(0, m_owner.Count(GVM_SLIDER_DELTA));
}

TEST_F(PopupSliderTest, RealPointerMotionSweeps)
{
    Open(2.5f, 0.0f, 10.0f, true);
    PumpMessages(); // the motion of the pointer put on the thumb changes nothing
    EXPECT_EQ(0, m_owner.Count(GVM_SLIDER_DELTA));
    CPoint to(62, 10);
    m_popup->ClientToScreen(&to);
    SetCursorPos(to.x, to.y);
    PumpMessages();
    EXPECT_EQ(5.0f, m_popup->GetSliderValue());
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_DELTA));
}

TEST_F(PopupSliderTest, DrawsTrackAndThumbAtThePosition)
{
    Open(2.5f, 0.0f, 10.0f, true);
    CWindowPixels pixels(m_popup, CWindowPixels::ClientArea);
    ASSERT_EQ(125, pixels.Width());
    ASSERT_EQ(20, pixels.Height());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(kGrey, pixels.At(12, 6));
    EXPECT_EQ(kGrey, pixels.At(111, 6));
    EXPECT_EQ(face, pixels.At(112, 6)); // line ends are exclusive
    EXPECT_EQ(kBlack, pixels.At(12, 7));
    EXPECT_EQ(face, pixels.At(11, 7));
    // Thumb outline with its tip under the pointer at x 37, shadow beside it.
    EXPECT_EQ(kBlack, pixels.At(37, 8));
    EXPECT_EQ(kBlack, pixels.At(32, 14));
    EXPECT_EQ(kBlack, pixels.At(41, 14));
    EXPECT_EQ(kGrey, pixels.At(35, 15));
    EXPECT_EQ(face, pixels.At(37, 12));
    EXPECT_EQ(face, pixels.At(20, 14));
    // Raised edge: light outer top-left, dark outer bottom-right.
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), pixels.At(5, 0));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), pixels.At(5, 19));
}

TEST_F(PopupSliderTest, PrintClientPaintsTheSamePicture)
{
    Open(7.0f, 0.0f, 10.0f, true);
    CWindowPixels pixels(m_popup, CWindowPixels::ClientArea);
    CClientDC screen(m_popup);
    CDC printed;
    ASSERT_TRUE(printed.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, pixels.Width(), pixels.Height()));
    CBitmap* pOld = printed.SelectObject(&bitmap);
    printed.FillSolidRect(0, 0, pixels.Width(), pixels.Height(), RGB(255, 0, 255));
    Send(WM_PRINTCLIENT, (WPARAM)printed.m_hDC, PRF_CLIENT);
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            ASSERT_EQ(pixels.At(x, y), printed.GetPixel(x, y)) << x << ", " << y;
    printed.SelectObject(pOld);
}

TEST_F(PopupSliderTest, OnePixelIsOnePercent)
{
    Open(2.5f, 0.0f, 10.0f, true);
    MoveTo(47);
    EXPECT_EQ(3.5f, m_popup->GetSliderValue());
    ASSERT_EQ(1, m_owner.Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(0u, m_owner.m_notes[0].wParam);
    EXPECT_EQ(3.5f, m_owner.m_notes[0].value);
    MoveTo(47, 15); // vertical motion alone changes nothing
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_DELTA));
    CWindowPixels pixels(m_popup, CWindowPixels::ClientArea);
    EXPECT_EQ(kBlack, pixels.At(47, 8));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), pixels.At(37, 8));
}

TEST_F(PopupSliderTest, SweepOutsideTheTrackWithoutClamping)
{
    Open(2.5f, 0.0f, 10.0f, false);
    MoveTo(2);
    EXPECT_EQ(-1.0f, m_popup->GetSliderValue());
    CWindowPixels pixels(m_popup, CWindowPixels::ClientArea);
    EXPECT_EQ(kBlack, pixels.At(12, 8)); // the thumb stops at the left end
    MoveTo(122);
    EXPECT_EQ(11.0f, m_popup->GetSliderValue());
    EXPECT_EQ(2, m_owner.Count(GVM_SLIDER_DELTA));
}

TEST_F(PopupSliderTest, SweepOutsideTheTrackWithClamping)
{
    Open(2.5f, 0.0f, 10.0f, true);
    MoveTo(2);
    EXPECT_EQ(0.0f, m_popup->GetSliderValue());
    MoveTo(122);
    EXPECT_EQ(10.0f, m_popup->GetSliderValue());
}

TEST_F(PopupSliderTest, ValueOutsideTheRangeStartsAtTheNearerEnd)
{
    Open(20.0f, 0.0f, 10.0f, false);
    EXPECT_EQ(CPoint(112, 10), CursorInClient());
    EXPECT_EQ(20.0f, m_popup->GetSliderValue());
}

TEST_F(PopupSliderTest, DegenerateRangeIsWidened)
{
    Open(5.0f, 5.0f, 5.0f, true);
    float min = 0, max = 0;
    m_popup->GetSliderRange(&min, &max);
    EXPECT_EQ(4.0f, min);
    EXPECT_EQ(6.0f, max);
    EXPECT_EQ(CPoint(62, 10), CursorInClient());
}

TEST_F(PopupSliderTest, ArrowKeysStepAndMoveThePointer)
{
    Open(10.0f, 0.0f, 10.0f, true);
    Send(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(10.0f, m_popup->GetSliderValue());
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_DELTA));
    Send(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(9.9f, m_popup->GetSliderValue());
    EXPECT_EQ(CPoint(111, 10), CursorInClient());
    Send(WM_KEYDOWN, VK_DOWN, 0);
    Send(WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(9.9f, m_popup->GetSliderValue());
    EXPECT_EQ(4, m_owner.Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(0, m_owner.Count(GVM_SLIDER_CLOSE));
}

TEST_F(PopupSliderTest, PointerMovedByAKeySnapsThePositionToItsPixel)
{
    Open(2.55f, 0.0f, 10.0f, true);
    EXPECT_EQ(CPoint(37, 10), CursorInClient());
    Send(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_FLOAT_EQ(2.65f, m_popup->GetSliderValue());
    EXPECT_EQ(CPoint(38, 10), CursorInClient());
    PumpMessages();
    EXPECT_FLOAT_EQ(2.6f, m_popup->GetSliderValue());
    EXPECT_EQ(2, m_owner.Count(GVM_SLIDER_DELTA));
}

TEST_F(PopupSliderTest, RightArrowPassesTheEndWithoutClamping)
{
    Open(10.0f, 0.0f, 10.0f, false);
    Send(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_FLOAT_EQ(10.1f, m_popup->GetSliderValue());
    EXPECT_EQ(CPoint(112, 10), CursorInClient());
}

TEST_F(PopupSliderTest, WheelStepsEitherWay)
{
    Open(5.0f, 0.0f, 10.0f, true);
    EXPECT_NE(0, Send(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(350, 310)));
    EXPECT_EQ(5.1f, m_popup->GetSliderValue());
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), MAKELPARAM(350, 310));
    EXPECT_EQ(5.0f, m_popup->GetSliderValue());
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, 0), MAKELPARAM(350, 310));
    EXPECT_EQ(5.1f, m_popup->GetSliderValue());
    EXPECT_EQ(3, m_owner.Count(GVM_SLIDER_DELTA));
}

TEST_F(PopupSliderTest, WheelStopsAtTheEndsWhenClamping)
{
    Open(10.0f, 0.0f, 10.0f, true);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(350, 310));
    EXPECT_EQ(10.0f, m_popup->GetSliderValue());
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_DELTA));
}

TEST_F(PopupSliderTest, ClickEndsAtTheClickedPosition)
{
    Open(2.5f, 0.0f, 10.0f, true);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(62, 10));
    EXPECT_EQ(0, m_owner.Count(GVM_SLIDER_CLOSE));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(62, 10));
    ASSERT_EQ(2u, m_owner.m_notes.size());
    EXPECT_EQ(static_cast<UINT>(GVM_SLIDER_DELTA), m_owner.m_notes[0].message);
    EXPECT_EQ(5.0f, m_owner.m_notes[1].value);
    ExpectEndedOnce();
}

TEST_F(PopupSliderTest, EscapeKeepsTheSweptValueAndEndsOnce)
{
    Open(2.5f, 0.0f, 10.0f, true);
    MoveTo(72);
    m_owner.m_destroyOnClose = false;
    Send(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(6.0f, m_owner.m_notes.back().value);
    EXPECT_EQ(nullptr, ::GetCapture());
    m_popup->SetCapture();
    ::SetCapture(m_owner.GetSafeHwnd());
    ::ReleaseCapture();
    m_popup->EndPopupSlider(GVM_SLIDER_CLOSE);
    Send(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_CLOSE));
    m_popup->DestroyWindow();
    EXPECT_TRUE(m_deleted);
    m_owner.m_pPopup = nullptr;
}

TEST_F(PopupSliderTest, EveryEndKeyEndsOnce)
{
    for (UINT key : {VK_ESCAPE, VK_RETURN, VK_SPACE, VK_UP}) {
        m_owner.m_notes.clear();
        Open(2.5f, 0.0f, 10.0f, true);
        Send(WM_KEYDOWN, key, 0);
        ExpectEndedOnce();
        EXPECT_EQ(0, m_owner.Count(GVM_SLIDER_DELTA)) << key;
    }
}

TEST_F(PopupSliderTest, CaptureLossEndsOnce)
{
    Open(2.5f, 0.0f, 10.0f, true);
    ::SetCapture(m_owner.GetSafeHwnd());
    ExpectEndedOnce();
    ::ReleaseCapture();
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_CLOSE));
}

TEST_F(PopupSliderTest, FocusLossEndsOnce)
{
    Open(2.5f, 0.0f, 10.0f, true);
    m_parent.SetFocus();
    ExpectEndedOnce();
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(PopupSliderTest, DeactivationEndsOnce)
{
    Open(2.5f, 0.0f, 10.0f, true);
    m_owner.m_destroyOnClose = false;
    Send(WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(0, m_owner.Count(GVM_SLIDER_CLOSE));
    Send(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(nullptr, ::GetCapture()); // the end released it, which ended nothing more
    Send(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_CLOSE));
}

TEST_F(PopupSliderTest, OwnerCallingEndTellsItOnce)
{
    Open(2.5f, 0.0f, 10.0f, true);
    m_popup->EndPopupSlider(GVM_SLIDER_CLOSE);
    ExpectEndedOnce();
}

TEST_F(PopupSliderTest, RangeStateHoldsTheValue)
{
    Open(5.0f, 0.0f, 10.0f, true);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(62, 10));
    MoveTo(90);
    EXPECT_EQ(0, m_owner.Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(5.0f, m_popup->GetSliderValue());
    // Two pixels up widen the range by two steps of 0.1 on each side.
    m_popup->UpdateSliderRange(CPoint(90, 8));
    float min = 0, max = 0;
    m_popup->GetSliderRange(&min, &max);
    EXPECT_FLOAT_EQ(-0.2f, min);
    EXPECT_FLOAT_EQ(10.2f, max);
    ASSERT_EQ(1, m_owner.Count(GVM_SLIDER_RANGE_CHANGED));
    EXPECT_EQ(reinterpret_cast<WPARAM>(m_popup->GetSafeHwnd()), m_owner.m_notes.back().wParam);
    Send(WM_RBUTTONUP, 0, MAKELPARAM(90, 8));
    MoveTo(91);
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_DELTA));
}

TEST_F(PopupSliderTest, RangeStepComesFromTheRangeAsGiven)
{
    // Without a right-button press the step is the one the constructor set.
    Open(5.0f, 0.0f, 10.0f, true);
    m_popup->UpdateSliderRange(CPoint(62, 8));
    float min = 0, max = 0;
    m_popup->GetSliderRange(&min, &max);
    EXPECT_FLOAT_EQ(-0.2f, min);
    EXPECT_FLOAT_EQ(10.2f, max);
    Send(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(m_deleted);

    // 5..5 is widened to 4..6, but the step is that of the range passed in: 0.
    Open(5.0f, 5.0f, 5.0f, true);
    m_owner.m_notes.clear();
    m_popup->UpdateSliderRange(CPoint(62, 8));
    m_popup->GetSliderRange(&min, &max);
    EXPECT_EQ(4.0f, min);
    EXPECT_EQ(6.0f, max);
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_RANGE_CHANGED));
}

TEST_F(PopupSliderTest, RightButtonDoesNothingWithoutRangeDrag)
{
    Open(5.0f, 0.0f, 10.0f, true, CPoint(300, 300), false);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(62, 10));
    MoveTo(72);
    EXPECT_EQ(6.0f, m_popup->GetSliderValue());
    EXPECT_EQ(1, m_owner.Count(GVM_SLIDER_DELTA));
    // Its range step is 0, so a range update changes nothing.
    m_popup->UpdateSliderRange(CPoint(72, 0));
    float min = 1, max = 1;
    m_popup->GetSliderRange(&min, &max);
    EXPECT_EQ(0.0f, min);
    EXPECT_EQ(10.0f, max);
}

TEST_F(PopupSliderTest, NarrowingPastTheLimitIsRefused)
{
    Open(5.0f, 0.0f, 1.0f, true);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(62, 10));
    m_popup->UpdateSliderRange(CPoint(62, 60)); // 50 steps of 0.01 down: empty range
    float min = 0, max = 0;
    m_popup->GetSliderRange(&min, &max);
    EXPECT_EQ(0.0f, min);
    EXPECT_EQ(1.0f, max);
    EXPECT_EQ(0, m_owner.Count(GVM_SLIDER_RANGE_CHANGED));
}

TEST_F(PopupSliderTest, StaysInsideTheWorkArea)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfo(MonitorFromPoint(CPoint(0, 0), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const CRect work(monitor.rcWork);
    Open(2.5f, 0.0f, 10.0f, true, CPoint(work.right - 10, work.bottom - 5));
    CRect window;
    m_popup->GetWindowRect(&window);
    EXPECT_EQ(CRect(work.right - 125, work.bottom - 20, work.right, work.bottom), window);
    EXPECT_EQ(CPoint(37, 10), CursorInClient());
}

} // namespace
