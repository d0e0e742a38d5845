#include <functional>

#include "GvMessages.h"
#include "GvNumeric.h"
#include "MessageSpy.h"
#include "TestFrame.h"
#include "TestInput.h"
#include "TestPixels.h"

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

// Owner of a bare pop-up: destroys its window on GVM_SLIDER_CLOSE, as a
// slider edit does.
class CPopupOwner : public CWnd
{
public:
    CPopupSlider* m_pPopup = nullptr;
    bool m_destroyOnClose = true;

protected:
    afx_msg LRESULT OnSliderMessage(WPARAM, LPARAM)
    {
        if (GetCurrentMessage()->message == GVM_SLIDER_CLOSE && m_destroyOnClose && m_pPopup) {
            CPopupSlider* pPopup = m_pPopup;
            m_pPopup = nullptr;
            pPopup->DestroyWindow();
        }
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPopupOwner, CWnd)
    ON_MESSAGE(GVM_SLIDER_DELTA, OnSliderMessage)
    ON_MESSAGE(GVM_SLIDER_CLOSE, OnSliderMessage)
    ON_MESSAGE(GVM_SLIDER_RANGE_CHANGED, OnSliderMessage)
END_MESSAGE_MAP()

// The value arithmetic, the placement and the range steps are tested
// natively; here, that input reaches them and the owner hears of it.
class PopupSliderTest : public Win32WindowTest
{
protected:
    void SetUp() override
    {
        Win32WindowTest::SetUp();
        ASSERT_TRUE(m_owner.Create(nullptr, L"owner", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 40), &m_frame, 1));
        m_spy = std::make_unique<CMessageSpy>(m_owner.GetSafeHwnd());
        m_spy->m_onMessage = [this](const SpiedMessage& m) {
            if (m.message == GVM_SLIDER_DELTA || m.message == GVM_SLIDER_CLOSE)
                m_values.push_back(m_owner.m_pPopup ? m_owner.m_pPopup->GetSliderValue() : 0.0f);
        };
    }
    void TearDown() override
    {
        if (m_owner.m_pPopup && !m_deleted)
            m_owner.m_pPopup->DestroyWindow();
        m_spy.reset();
        Win32WindowTest::TearDown();
    }

    CWatchedPopup* Open(float value, float min, float max, bool clamp, CPoint at = CPoint(300, 300),
                        bool allowRangeDrag = true)
    {
        m_deleted = false;
        EXPECT_TRUE(ParkPointer());
        m_popup = new CWatchedPopup(at, value, min, max, clamp, &m_owner, &m_deleted, allowRangeDrag);
        m_owner.m_pPopup = m_popup;
        m_spy->m_messages.clear();
        m_values.clear();
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
    int Deltas() const { return m_spy->Count(GVM_SLIDER_DELTA); }
    int Closes() const { return m_spy->Count(GVM_SLIDER_CLOSE); }
    std::pair<float, float> Range()
    {
        std::pair<float, float> range(-1, -1);
        m_popup->GetSliderRange(&range.first, &range.second);
        return range;
    }
    void ExpectEndedOnce()
    {
        EXPECT_EQ(1, Closes());
        EXPECT_TRUE(m_deleted);
        EXPECT_EQ(nullptr, m_owner.m_pPopup);
    }

    CPopupOwner m_owner;
    std::unique_ptr<CMessageSpy> m_spy;
    std::vector<float> m_values; // the pop-up's value at each delta and close its owner got
    CWatchedPopup* m_popup = nullptr;
    bool m_deleted = false;
};

const COLORREF kBlack = RGB(0, 0, 0), kGrey = RGB(0x66, 0x66, 0x66);

TEST_F(PopupSliderTest, OpensWithCaptureFocusAndPointerOnTheThumbSweepsWithTheClampSettingAndDraws)
{
    MONITORINFO monitor = {sizeof monitor, {}, {}, 0};
    GetMonitorInfo(MonitorFromPoint(CPoint(0, 0), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const CRect work(monitor.rcWork);
    const struct
    {
        CPoint at;
        CRect window;
    } cases[] = {{{300, 300}, {308, 300, 433, 320}},
                 {{work.right - 10, work.bottom - 5}, {work.right - 125, work.bottom - 20, work.right, work.bottom}}};
    for (const auto& c : cases) {
        Open(2.5f, 0.0f, 10.0f, true, c.at);
        CRect window;
        m_popup->GetWindowRect(&window);
        EXPECT_EQ(c.window, window);
        EXPECT_EQ(m_popup->GetSafeHwnd(), ::GetCapture());
        EXPECT_EQ(m_popup->GetSafeHwnd(), ::GetFocus());
        EXPECT_EQ(CPoint(37, 10), CursorInClient());
        EXPECT_EQ(0, Deltas());
        Send(WM_KEYDOWN, VK_ESCAPE, 0);
    }

    // Real pointer motion sweeps.
    Open(2.5f, 0.0f, 10.0f, true);
    AfxPumpPendingMessages(); // the motion of the pointer put on the thumb changes nothing
    EXPECT_EQ(0, Deltas());
    CPoint to(62, 10);
    m_popup->ClientToScreen(&to);
    RealMoveTo(to);
    EXPECT_EQ(5.0f, m_popup->GetSliderValue());
    EXPECT_EQ((std::vector<float>{5.0f}), m_values);
    Send(WM_KEYDOWN, VK_ESCAPE, 0);

    // Horizontal motion sweeps with the clamp setting.
    struct Case
    {
        bool clamp;
        int x;
        float value;
    };
    const Case sweeps[] = {
        {true, 47, 3.5f}, {false, 2, -1.0f}, {true, 2, 0.0f}, {false, 122, 11.0f}, {true, 122, 10.0f}};
    for (const Case& c : sweeps) {
        Open(2.5f, 0.0f, 10.0f, c.clamp);
        MoveTo(c.x);
        MoveTo(c.x, 15); // vertical motion alone changes nothing
        EXPECT_EQ(c.value, m_popup->GetSliderValue()) << c.clamp << ", " << c.x;
        ASSERT_EQ(1, Deltas());
        EXPECT_EQ(0u, m_spy->Of(GVM_SLIDER_DELTA)[0].wParam);
        EXPECT_EQ(c.value, m_values[0]);
        Send(WM_KEYDOWN, VK_ESCAPE, 0);
    }

    // The track and the thumb at the position, on the screen and printed: line
    // ends are exclusive, the thumb's tip is under the pointer at x 37 with its
    // shadow beside it, the raised edge is light top-left, dark bottom-right.
    Open(2.5f, 0.0f, 10.0f, true);
    CPixels pixels(m_popup->GetSafeHwnd(), CPixels::ClientArea);
    ASSERT_EQ(CSize(125, 20), CSize(pixels.Width(), pixels.Height()));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::pair<COLORREF, std::vector<CPoint>> expected[] = {
        {kGrey, {{12, 6}, {111, 6}, {35, 15}}},          {kBlack, {{12, 7}, {37, 8}, {32, 14}, {41, 14}}},
        {face, {{112, 6}, {11, 7}, {37, 12}, {20, 14}}}, {GetSysColor(COLOR_3DLIGHT), {{5, 0}}},
        {GetSysColor(COLOR_3DDKSHADOW), {{5, 19}}},
    };
    for (const auto& [color, points] : expected)
        for (const CPoint& p : points)
            EXPECT_EQ(color, pixels.At(p.x, p.y)) << p.x << ", " << p.y;

    // A sweep repaints the thumb at once, under the pointer.
    MoveTo(47);
    CPixels moved(m_popup->GetSafeHwnd(), CPixels::ClientArea);
    EXPECT_EQ(std::make_tuple(kBlack, face), std::make_tuple(moved.At(47, 8), moved.At(37, 8)));

    // WM_PRINTCLIENT paints the same picture.
    CCanvas printed(moved.Width(), moved.Height(), RGB(255, 0, 255));
    Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_CLIENT);
    const CPixels got = printed.Pixels();
    for (int y = 0; y < moved.Height(); ++y)
        for (int x = 0; x < moved.Width(); ++x)
            ASSERT_EQ(moved.At(x, y), got.At(x, y)) << x << ", " << y;
}

TEST_F(PopupSliderTest, ArrowKeysAndWheelStepMoveThePointerToThePixelOfThePositionAndStopAtTheEnds)
{
    // At the end, clamping: a wheel step up or the right arrow stays there.
    Open(10.0f, 0.0f, 10.0f, true);
    SendWheel(m_popup->GetSafeHwnd(), 1, CPoint(350, 310));
    EXPECT_EQ(std::make_tuple(10.0f, 1), std::make_tuple(m_popup->GetSliderValue(), Deltas()));
    Send(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(std::make_tuple(10.0f, 2), std::make_tuple(m_popup->GetSliderValue(), Deltas()));
    Send(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(9.9f, m_popup->GetSliderValue());
    EXPECT_EQ(CPoint(111, 10), CursorInClient());
    Send(WM_KEYDOWN, VK_DOWN, 0);
    Send(WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(std::make_tuple(9.9f, 5), std::make_tuple(m_popup->GetSliderValue(), Deltas()));
    EXPECT_EQ(0, Closes());
    Send(WM_KEYDOWN, VK_ESCAPE, 0);

    // The pointer moved by a key snaps the position to its pixel.
    Open(2.55f, 0.0f, 10.0f, true);
    EXPECT_EQ(CPoint(37, 10), CursorInClient());
    Send(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_FLOAT_EQ(2.65f, m_popup->GetSliderValue());
    EXPECT_EQ(CPoint(38, 10), CursorInClient());
    AfxPumpPendingMessages();
    EXPECT_FLOAT_EQ(2.6f, m_popup->GetSliderValue());
    EXPECT_EQ(2, Deltas());
    Send(WM_KEYDOWN, VK_ESCAPE, 0);

    // The wheel steps either way.
    Open(5.0f, 0.0f, 10.0f, true);
    const HWND hPopup = m_popup->GetSafeHwnd();
    EXPECT_NE(0, Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(350, 310)));
    EXPECT_EQ(5.1f, m_popup->GetSliderValue());
    SendWheel(hPopup, -2, CPoint(350, 310));
    EXPECT_EQ(5.0f, m_popup->GetSliderValue());
    SendWheel(hPopup, 0, CPoint(350, 310));
    EXPECT_EQ(std::make_tuple(5.1f, 3), std::make_tuple(m_popup->GetSliderValue(), Deltas()));
}

TEST_F(PopupSliderTest, EveryWayToEndTellsTheOwnerOnceAClickAtTheClickedPositionEscapeAtTheSweptOne)
{
    const std::pair<const char*, std::function<void(CPopupSlider*)>> ends[] = {
        {"Escape", [](CPopupSlider* p) { p->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"Return", [](CPopupSlider* p) { p->SendMessage(WM_KEYDOWN, VK_RETURN, 0); }},
        {"Space", [](CPopupSlider* p) { p->SendMessage(WM_KEYDOWN, VK_SPACE, 0); }},
        {"Up", [](CPopupSlider* p) { p->SendMessage(WM_KEYDOWN, VK_UP, 0); }},
        {"capture taken", [this](CPopupSlider*) { ::SetCapture(m_owner.GetSafeHwnd()); }},
        {"focus taken", [this](CPopupSlider*) { m_frame.SetFocus(); }},
        {"owner's call", [](CPopupSlider* p) { p->EndPopupSlider(GVM_SLIDER_CLOSE); }},
    };
    for (const auto& end : ends) {
        Open(2.5f, 0.0f, 10.0f, true);
        end.second(m_popup);
        SCOPED_TRACE(end.first);
        ExpectEndedOnce();
        EXPECT_EQ(0, Deltas());
        ::ReleaseCapture();
        EXPECT_EQ(1, Closes());
    }

    // A click ends at the clicked position.
    Open(2.5f, 0.0f, 10.0f, true);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(62, 10));
    EXPECT_EQ(0, Closes());
    Send(WM_LBUTTONUP, 0, MAKELPARAM(62, 10));
    EXPECT_EQ((std::vector<UINT>{GVM_SLIDER_DELTA, GVM_SLIDER_CLOSE}),
              m_spy->Sequence({GVM_SLIDER_DELTA, GVM_SLIDER_CLOSE}));
    EXPECT_EQ(5.0f, m_values.back());
    ExpectEndedOnce();

    // Escape keeps the swept value; an ended pop-up stays ended.
    Open(2.5f, 0.0f, 10.0f, true);
    MoveTo(72);
    m_owner.m_destroyOnClose = false;
    Send(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(1, Closes());
    EXPECT_EQ(6.0f, m_values.back());
    EXPECT_EQ(nullptr, ::GetCapture());
    m_popup->SetCapture();
    ::SetCapture(m_owner.GetSafeHwnd());
    ::ReleaseCapture();
    m_popup->EndPopupSlider(GVM_SLIDER_CLOSE);
    Send(WM_KEYDOWN, VK_RETURN, 0);
    Send(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(1, Closes());
    m_popup->DestroyWindow();
    EXPECT_TRUE(m_deleted);
    m_owner.m_pPopup = nullptr;

    // Deactivation ends once too; activation ends nothing.
    Open(2.5f, 0.0f, 10.0f, true);
    Send(WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(0, Closes());
    Send(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(1, Closes());
    EXPECT_EQ(nullptr, ::GetCapture()); // the end released it, which ended nothing more
    Send(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(1, Closes());
}

// The range step comes from the range as given, 0 without range dragging.
TEST_F(PopupSliderTest, RightButtonDragChangesTheRangeAndHoldsTheValue)
{
    Open(5.0f, 0.0f, 10.0f, true);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(62, 10));
    MoveTo(90);
    EXPECT_EQ(0, Deltas());
    EXPECT_EQ(5.0f, m_popup->GetSliderValue());
    // Two pixels up widen the range by two steps of 0.1 on each side.
    m_popup->UpdateSliderRange(CPoint(90, 8));
    EXPECT_FLOAT_EQ(-0.2f, Range().first);
    EXPECT_FLOAT_EQ(10.2f, Range().second);
    ASSERT_EQ(1, m_spy->Count(GVM_SLIDER_RANGE_CHANGED));
    EXPECT_EQ(reinterpret_cast<WPARAM>(m_popup->GetSafeHwnd()), m_spy->Of(GVM_SLIDER_RANGE_CHANGED)[0].wParam);
    Send(WM_RBUTTONUP, 0, MAKELPARAM(90, 8));
    MoveTo(91);
    EXPECT_EQ(1, Deltas());

    // A refused narrowing tells the owner nothing.
    m_spy->m_messages.clear();
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(62, 10));
    m_popup->UpdateSliderRange(CPoint(62, 200));
    EXPECT_FLOAT_EQ(-0.2f, Range().first);
    EXPECT_EQ(0, m_spy->Count(GVM_SLIDER_RANGE_CHANGED));
    Send(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(m_deleted);

    // Without a right-button press the step is the one the constructor set.
    Open(5.0f, 0.0f, 10.0f, true);
    m_popup->UpdateSliderRange(CPoint(62, 8));
    EXPECT_FLOAT_EQ(-0.2f, Range().first);
    EXPECT_FLOAT_EQ(10.2f, Range().second);
    Send(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(m_deleted);

    // 5..5 is widened to 4..6, but the step is that of the range passed in: 0.
    Open(5.0f, 5.0f, 5.0f, true);
    EXPECT_EQ(CPoint(62, 10), CursorInClient());
    m_popup->UpdateSliderRange(CPoint(62, 8));
    EXPECT_EQ(std::make_pair(4.0f, 6.0f), Range());
    EXPECT_EQ(1, m_spy->Count(GVM_SLIDER_RANGE_CHANGED));
    Send(WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(m_deleted);

    // Without range dragging the right button does nothing.
    Open(5.0f, 0.0f, 10.0f, true, CPoint(300, 300), false);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(62, 10));
    MoveTo(72);
    EXPECT_EQ(6.0f, m_popup->GetSliderValue());
    EXPECT_EQ(1, Deltas());
    // Its range step is 0, so a range update changes nothing.
    m_popup->UpdateSliderRange(CPoint(72, 0));
    EXPECT_EQ(std::make_pair(0.0f, 10.0f), Range());
}

} // namespace
