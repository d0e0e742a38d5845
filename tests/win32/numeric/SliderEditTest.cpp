#include <memory>

#include "GvMessages.h"
#include "GvNumeric.h"
#include "MessageSpy.h"
#include "TestFrame.h"
#include "TestInput.h"
#include "TestPixels.h"

namespace {

const UINT kSliderId = 0x8001;

class CTestSliderEdit : public CGvSliderEdit
{
public:
    using CGvSliderEdit::DrawSliderButton;
    using CGvSliderEdit::GetIntPosition;
    using CGvSliderEdit::GetPosPerc;
    CRect ButtonRect() const { return m_buttonRect; }
    MouseButtonState ButtonState() const { return m_buttonState; }
    CPopupSlider* Popup() const { return m_pPopup; }
    bool Tracking() const { return m_buttonTracking != FALSE; }
    CWnd* NotifyWnd() const { return m_pNotifyWnd; }
};

// The button layout, the ranges and the placement are tested natively; here,
// that the window applies them and passes the sweep on.
class SliderEditTest : public Win32WindowTest
{
protected:
    void SetUp() override
    {
        Win32WindowTest::SetUp();
        m_edit = std::make_unique<CTestSliderEdit>();
        m_spy = std::make_unique<CMessageSpy>(m_frame.GetSafeHwnd());
    }
    void TearDown() override
    {
        m_edit.reset();
        m_spy.reset();
        Win32WindowTest::TearDown();
    }

    void CreateEdit(int alignment, int height, DWORD exStyle = 0)
    {
        ASSERT_TRUE(m_edit->Create(alignment, exStyle, L"", WS_CHILD | WS_VISIBLE, CRect(20, 20, 220, 20 + height),
                                   &m_frame, kSliderId));
    }
    HWND Edit() const { return m_edit->GetSafeHwnd(); }
    // Client rectangle in window-relative coordinates.
    CRect ClientInWindow()
    {
        CRect window, client;
        m_edit->GetWindowRect(&window);
        m_edit->GetClientRect(&client);
        m_edit->ClientToScreen(&client);
        client.OffsetRect(-window.left, -window.top);
        return client;
    }
    CPoint ScreenPointInButton()
    {
        CRect window;
        m_edit->GetWindowRect(&window);
        return window.TopLeft() + m_edit->ButtonRect().CenterPoint();
    }
    void PressButton()
    {
        const CPoint screen = ScreenPointInButton();
        m_edit->SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(screen.x, screen.y));
    }
    CPopupSlider* OpenWithDownArrow()
    {
        EXPECT_TRUE(ParkPointer());
        m_edit->SetFocus();
        PostKey(Edit(), VK_DOWN);
        return m_edit->Popup();
    }
    void Close(UINT key = VK_ESCAPE)
    {
        if (CPopupSlider* pPopup = m_edit->Popup())
            PostKey(pPopup->GetSafeHwnd(), key);
    }
    // The pop-up's rectangle relative to the edit's window, empty when none opened.
    CRect OpenAndLocatePopup()
    {
        m_edit->SetData(0.5f, 0.0f, 1.0f, true, 300, 5, true);
        CRect window, popup;
        if (CPopupSlider* pPopup = OpenWithDownArrow()) {
            m_edit->GetWindowRect(&window);
            pPopup->GetWindowRect(&popup);
            popup.OffsetRect(-window.left, -window.top);
        }
        return popup;
    }
    CString Text() { return WindowText(Edit()); }
    // The arrow glyph's dark pixels inside the button.
    CRect ArrowBox()
    {
        return CPixels(Edit(), CPixels::WholeWindow).BoundsOf(GetSysColor(COLOR_BTNTEXT), m_edit->ButtonRect());
    }
    WPARAM EditAsSender() const { return reinterpret_cast<WPARAM>(static_cast<CGvSliderEdit*>(m_edit.get())); }

    std::unique_ptr<CTestSliderEdit> m_edit;
    std::unique_ptr<CMessageSpy> m_spy; // on the frame
};

// With a client edge the button rectangle is relative to the window, yet the
// pop-up is placed as if it were in client coordinates, 2 pixels further in.
TEST_F(SliderEditTest, ButtonTakesItsStripOffTheClientAreaAndThePopupOpensUnderItWithCapture)
{
    struct Case
    {
        int alignment;
        DWORD exStyle;
        CRect client, button, popup; // popup empty: not opened
    };
    const Case cases[] = {
        {0, 0, {0, 0, 184, 20}, {184, 0, 200, 20}, {184, 20, 184 + 125, 40}},
        {1, 0, {16, 0, 200, 20}, {0, 0, 16, 20}, {}},
        {0, WS_EX_CLIENTEDGE, {2, 2, 182, 22}, {182, 2, 198, 22}, {184, 24, 184 + 125, 44}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.alignment << ", " << c.exStyle);
        CreateEdit(c.alignment, c.exStyle ? 24 : 20, c.exStyle);
        EXPECT_EQ(std::make_tuple(c.client, c.button), std::make_tuple(ClientInWindow(), m_edit->ButtonRect()));
        const CPoint button = ScreenPointInButton();
        EXPECT_EQ(HTBORDER, m_edit->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(button.x, button.y)));
        if (!c.popup.IsRectEmpty()) {
            EXPECT_EQ(c.popup, OpenAndLocatePopup());
            ASSERT_NE(nullptr, m_edit->Popup());
            EXPECT_EQ(CGvSliderEdit::MouseButtonPushed, m_edit->ButtonState());
            EXPECT_EQ(m_edit->Popup()->GetSafeHwnd(), ::GetCapture());
            Close();
        }
        m_edit->DestroyWindow();
    }
}

TEST_F(SliderEditTest, ButtonDrawsNormalPushedAndDisabledAndAlignmentTakesEffectAtTheNextResize)
{
    CreateEdit(0, 20);
    m_edit->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const CRect normal = ArrowBox();
    ASSERT_FALSE(normal.IsRectEmpty());
    CRect pushed = normal;
    pushed.OffsetRect(1, 1);
    m_edit->DrawSliderButton(CGvSliderEdit::MouseButtonPushed);
    EXPECT_EQ(CGvSliderEdit::MouseButtonPushed, m_edit->ButtonState());
    EXPECT_EQ(pushed, ArrowBox());
    // A frame repaint draws the state last drawn.
    m_edit->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(pushed, ArrowBox());

    m_edit->EnableWindow(FALSE);
    EXPECT_EQ(CGvSliderEdit::MouseButtonDisabled, m_edit->ButtonState());
    EXPECT_TRUE(ArrowBox().IsRectEmpty());
    m_edit->DrawSliderButton(CGvSliderEdit::MouseButtonPushed);
    EXPECT_EQ(CGvSliderEdit::MouseButtonDisabled, m_edit->ButtonState());
    EXPECT_TRUE(ArrowBox().IsRectEmpty());
    m_edit->EnableWindow(TRUE);
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());
    EXPECT_EQ(normal, ArrowBox());

    m_edit->SetAlignment(1);
    EXPECT_EQ(CRect(184, 0, 200, 20), m_edit->ButtonRect());
    // The same size again: only the edit's own frame recalculation moves the button.
    m_edit->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 20));
    EXPECT_EQ(CRect(0, 0, 16, 20), m_edit->ButtonRect());
    EXPECT_EQ(CRect(16, 0, 200, 20), ClientInWindow());
    m_edit->SetAlignment(0);
    m_edit->MoveWindow(20, 20, 240, 20);
    EXPECT_EQ(CRect(224, 0, 240, 20), m_edit->ButtonRect());
    CRect window;
    m_edit->GetWindowRect(&window);
    EXPECT_EQ(HTCLIENT, m_edit->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(window.left + 5, window.top + 5)));
}

TEST_F(SliderEditTest, PopupGetsTheRangeOfTheClampSettingThenTheSweepIsShownAndForwardedWithTheEditAsSender)
{
    CreateEdit(0, 20);
    for (bool clamp : {false, true}) {
        m_edit->SetData(3.0f, 0.0f, 1.0f, clamp, 300, 5, true);
        CPopupSlider* pPopup = OpenWithDownArrow();
        ASSERT_NE(nullptr, pPopup);
        float min = -1, max = -1;
        pPopup->GetSliderRange(&min, &max);
        EXPECT_EQ(0.0f, min);
        EXPECT_EQ(clamp ? 1.0f : 3.0f, max); // widened to the value unless clamping
        Close();
        bool editClamp = !clamp;
        m_edit->GetSliderRange(min, max, editClamp);
        EXPECT_EQ(1.0f, max);
        EXPECT_EQ(clamp, editClamp);
    }

    m_spy->m_messages.clear();
    m_edit->SetData(3.0f, 0.0f, 1.0f, false, 300, 2, true);
    CPopupSlider* pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    const HWND hPopup = pPopup->GetSafeHwnd();
    std::vector<float> values;
    std::vector<bool> popupAlive;
    m_spy->m_onMessage = [&](const SpiedMessage& m) {
        if (m.message == GVM_SLIDER_DELTA)
            values.push_back(m_edit->GetNumericValue());
        if (m.message == GVM_SLIDER_CLOSE)
            popupAlive.push_back(::IsWindow(hPopup) != FALSE);
    };
    m_frame.m_commands.clear();
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(62, 10));
    EXPECT_EQ(CString(L"1.50"), Text());
    EXPECT_EQ((std::vector<float>{1.5f}), values);
    EXPECT_EQ(0, m_frame.CommandCount(EN_UPDATE));
    pPopup->SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(CString(L"1.53"), Text());
    pPopup->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    const auto deltas = m_spy->Of(GVM_SLIDER_DELTA), closes = m_spy->Of(GVM_SLIDER_CLOSE);
    ASSERT_EQ(2u, deltas.size());
    ASSERT_EQ(1u, closes.size());
    EXPECT_EQ(EditAsSender(), deltas[0].wParam);
    EXPECT_EQ(EditAsSender(), closes[0].wParam);
    EXPECT_EQ((std::vector<bool>{false}), popupAlive); // destroyed before the parent heard of it
    EXPECT_EQ(nullptr, m_edit->Popup());
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());
}

TEST_F(SliderEditTest, DefaultRangeSliderMessagesAndKeyboardUserTypingOnAfterThePopupEnds)
{
    float min = -1, max = -1;
    bool clamp = true;
    m_edit->GetSliderRange(min, max, clamp);
    EXPECT_EQ(std::make_tuple(0.0f, 100.0f), std::make_tuple(min, max));
    EXPECT_FALSE(clamp);

    CreateEdit(0, 20);
    m_edit->SetData(60.0f, 10.0f, 110.0f, true, 100, 5, true);
    EXPECT_EQ(std::make_tuple(60, 60), std::make_tuple(m_edit->GetIntPosition(), m_edit->GetPosPerc()));
    EXPECT_EQ(1, m_edit->SendMessage(GVM_SLIDER_RANGE_CHANGED, 0, 0));
    // Without a pop-up there is no value to take, but a close is passed on.
    EXPECT_EQ(1, m_edit->SendMessage(GVM_SLIDER_DELTA, 0, 0));
    EXPECT_EQ(0, m_spy->Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(1, m_edit->SendMessage(GVM_SLIDER_CLOSE, 0, 0));
    EXPECT_EQ(1, m_spy->Count(GVM_SLIDER_CLOSE));

    m_edit->SetData(0.5f, 0.0f, 1.0f, true, 300, 2, true);
    m_edit->SetFocus();
    for (WORD endKey : {VK_ESCAPE, VK_RETURN}) {
        RealKey(VK_DOWN);
        ASSERT_NE(nullptr, m_edit->Popup());
        EXPECT_EQ(m_edit->Popup()->GetSafeHwnd(), ::GetFocus());
        RealKey(VK_RIGHT);
        RealKey(endKey);
        EXPECT_EQ(nullptr, m_edit->Popup());
        EXPECT_EQ(m_edit->GetSafeHwnd(), ::GetFocus()) << "after key " << endKey;
    }
    EXPECT_EQ(CString(L"0.52"), Text());
    RealKey('7'); // replaces the text, all selected as the focus came back
    EXPECT_EQ(CString(L"7"), Text());

    // Focus moved away from the pop-up stays where it went.
    CEdit other;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(20, 60, 120, 80), &m_frame, 2));
    RealKey(VK_DOWN);
    ASSERT_NE(nullptr, m_edit->Popup());
    const int closes = m_spy->Count(GVM_SLIDER_CLOSE);
    other.SetFocus();
    AfxPumpPendingMessages();
    EXPECT_EQ(nullptr, m_edit->Popup());
    EXPECT_EQ(closes + 1, m_spy->Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(other.GetSafeHwnd(), ::GetFocus());
}

TEST_F(SliderEditTest, DeletingTheEditOrItsWindowClosesItsPopup)
{
    // The pop-up belongs to the top-level window and would outlive its owner.
    for (bool deleteObject : {true, false}) {
        m_edit = std::make_unique<CTestSliderEdit>();
        CreateEdit(0, 20);
        ASSERT_FALSE(OpenAndLocatePopup().IsRectEmpty());
        const HWND hPopup = m_edit->Popup()->GetSafeHwnd();
        if (deleteObject)
            m_edit.reset();
        else
            m_edit->DestroyWindow();
        EXPECT_FALSE(::IsWindow(hPopup));
        EXPECT_EQ(nullptr, ::GetCapture());
        if (m_edit) {
            EXPECT_EQ(nullptr, m_edit->Popup());
        } else {
            EXPECT_EQ(1, m_spy->Count(GVM_SLIDER_CLOSE));
        }
    }
}

TEST_F(SliderEditTest, TrackingEndsWithoutAPopupOnReleaseOutsideTypingOrUpAndAClickOpensOne)
{
    CreateEdit(0, 20);
    m_edit->SetData(1.0f, 0.0f, 10.0f, false, 300, 0, true);
    PressButton();
    m_edit->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(m_edit->Tracking());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());

    PressButton();
    m_frame.m_commands.clear();
    PostChars(Edit(), L"7");
    EXPECT_FALSE(m_edit->Tracking());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());
    EXPECT_EQ(CString(L"7"), Text()); // focus gain had selected all
    EXPECT_EQ(std::make_tuple(0, 1), std::make_tuple(m_frame.CommandCount(EN_UPDATE), m_frame.CommandCount(EN_CHANGE)));

    PressButton();
    PostKey(Edit(), VK_DOWN); // ignored while tracking
    EXPECT_EQ(nullptr, m_edit->Popup());
    PostKey(Edit(), VK_UP);
    EXPECT_FALSE(m_edit->Tracking());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(0, m_spy->Count(GVM_SLIDER_CLOSE));

    m_edit->SetData(0.5f, 0.0f, 1.0f, true, 300, 5, true);
    PressButton();
    EXPECT_TRUE(m_edit->Tracking());
    EXPECT_EQ(std::make_tuple(Edit(), Edit()), std::make_tuple(::GetCapture(), ::GetFocus()));
    EXPECT_EQ(CGvSliderEdit::MouseButtonPushed, m_edit->ButtonState());

    CPoint inside = ScreenPointInButton(), outside(inside.x - 100, inside.y);
    m_edit->ScreenToClient(&inside);
    m_edit->ScreenToClient(&outside);
    m_edit->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(outside.x, outside.y));
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());
    m_edit->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(CGvSliderEdit::MouseButtonPushed, m_edit->ButtonState());
    m_edit->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
    EXPECT_FALSE(m_edit->Tracking());
    ASSERT_NE(nullptr, m_edit->Popup());
    EXPECT_EQ(CGvSliderEdit::MouseButtonPushed, m_edit->ButtonState());
    Close(VK_SPACE);
    EXPECT_EQ(1, m_spy->Count(GVM_SLIDER_CLOSE));

    // A real click: through hit-testing, the non-client press and the captured
    // release; the pop-up opened under the pointer leaves the value alone.
    RealClick(ScreenPointInButton());
    ASSERT_NE(nullptr, m_edit->Popup());
    EXPECT_EQ(m_edit->Popup()->GetSafeHwnd(), ::GetCapture());
    EXPECT_EQ(0, m_spy->Count(GVM_SLIDER_DELTA));
    Close();
    EXPECT_EQ(2, m_spy->Count(GVM_SLIDER_CLOSE));
}

HWND CreateDialogEdit(CWnd& parent, UINT nID)
{
    return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 20, 20, 200, 20, parent.GetSafeHwnd(),
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr, nullptr);
}

TEST_F(SliderEditTest, ExchangeAttachesOnceAndNotifiesTheDialogOrThrowsANotifyWindowOrWrappedParentGetsTheMessages)
{
    HWND hEdit = CreateDialogEdit(m_frame, 42);
    CDataExchange dx(&m_frame, FALSE);
    DDX_CGvSliderEdit(&dx, 42, *m_edit, 1);
    EXPECT_EQ(std::make_tuple(hEdit, CRect(0, 0, 16, 20)), std::make_tuple(Edit(), m_edit->ButtonRect()));
    EXPECT_EQ(CRect(16, 0, 200, 20), ClientInWindow());
    CreateDialogEdit(m_frame, 43);
    DDX_CGvSliderEdit(&dx, 43, *m_edit, 0); // already attached: nothing changes
    EXPECT_EQ(std::make_tuple(hEdit, CRect(0, 0, 16, 20)), std::make_tuple(Edit(), m_edit->ButtonRect()));

    m_edit->SetData(0.0f, 0.0f, 10.0f, true, 300, 1, true);
    CPopupSlider* pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(42, 10));
    EXPECT_EQ(CString(L"3.0"), Text());
    Close();
    EXPECT_EQ(1, m_spy->Count(GVM_SLIDER_DELTA));
    ASSERT_EQ(1, m_spy->Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(EditAsSender(), m_spy->Of(GVM_SLIDER_CLOSE)[0].wParam);

    // A control that cannot be subclassed throws and leaves a fresh edit unattached.
    m_edit = std::make_unique<CTestSliderEdit>();
    CEdit other;
    ASSERT_TRUE(other.Create(WS_CHILD, CRect(0, 0, 50, 20), &m_frame, 44));
    try {
        DDX_CGvSliderEdit(&dx, 44, *m_edit, 0);
        ADD_FAILURE() << "nothing thrown";
    } catch (CNotSupportedException* e) {
        e->Delete();
    }
    EXPECT_EQ(nullptr, Edit());

    // A notify window given to Init, or a parent given as a temporary wrapper, gets the messages.
    m_spy->m_messages.clear();
    CreateEdit(0, 20);
    CWnd notifyWnd;
    ASSERT_TRUE(notifyWnd.Create(nullptr, L"", WS_CHILD, CRect(0, 0, 1, 1), &m_frame, 7));
    CMessageSpy notify(notifyWnd.GetSafeHwnd());
    m_edit->Init(&notifyWnd, 0.25f, 0.0f, 1.0f, true, 300, 2, true);
    EXPECT_EQ(Edit(), ::GetFocus());
    EXPECT_EQ(CString(L"0.25"), Text());
    pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    SendClick(pPopup->GetSafeHwnd(), CPoint(112, 10));
    EXPECT_EQ(std::make_tuple(0, 1), std::make_tuple(m_spy->Count(GVM_SLIDER_DELTA), notify.Count(GVM_SLIDER_DELTA)));
    EXPECT_EQ(1, notify.Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(1.0f, m_edit->GetNumericValue());

    // A parent given as a temporary wrapper lends its font and still gets the messages.
    m_edit = std::make_unique<CTestSliderEdit>();
    HWND hStatic = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 60, m_frame.GetSafeHwnd(),
                                   nullptr, nullptr, nullptr);
    const HFONT hFont = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    ::SendMessageW(hStatic, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    ASSERT_TRUE(
        m_edit->Create(0, 0, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 30), CWnd::FromHandle(hStatic), kSliderId));
    EXPECT_EQ(reinterpret_cast<LRESULT>(hFont), m_edit->SendMessage(WM_GETFONT));
    EXPECT_EQ(nullptr, m_edit->NotifyWnd()); // a wrapper freed at idle time must not be kept
    AfxIdleProcessing();
    m_edit->SetData(0.0f, 0.0f, 10.0f, true, 300, 1, true);
    CMessageSpy spy(hStatic);
    pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(42, 10));
    Close();
    EXPECT_EQ(std::make_tuple(1, 1), std::make_tuple(spy.Count(GVM_SLIDER_DELTA), spy.Count(GVM_SLIDER_CLOSE)));
    EXPECT_EQ(nullptr, m_edit->NotifyWnd());
}

} // namespace
