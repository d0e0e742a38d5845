#include "NumericTestWindows.h"

#include "GvMessages.h"

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

class SliderEditTest : public NumericWindowTest
{
protected:
    void SetUp() override
    {
        NumericWindowTest::SetUp();
        m_edit = Add<CTestSliderEdit>();
        m_parent.m_pWatched = m_edit;
    }

    void CreateEdit(int alignment, int height, DWORD exStyle = 0)
    {
        ASSERT_TRUE(m_edit->Create(alignment, exStyle, L"", WS_CHILD | WS_VISIBLE, CRect(20, 20, 220, 20 + height),
                                   &m_parent, kSliderId));
    }
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
    CPopupSlider* OpenWithDownArrow()
    {
        m_edit->SetFocus();
        m_edit->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        return m_edit->Popup();
    }
    // Opens the pop-up of an edit showing 0.5 in 0..1; its rectangle
    // relative to the edit's window, empty when none opened.
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
    void ExpectSliderRange(float min, float max, bool clamp)
    {
        float actualMin = -1, actualMax = -1;
        bool actualClamp = !clamp;
        m_edit->GetSliderRange(actualMin, actualMax, actualClamp);
        EXPECT_EQ(min, actualMin);
        EXPECT_EQ(max, actualMax);
        EXPECT_EQ(clamp, actualClamp);
    }
    CString Text()
    {
        CString text;
        m_edit->GetWindowText(text);
        return text;
    }
    // Bounding box of the arrow glyph's dark pixels inside the button.
    CRect ArrowBox()
    {
        CWindowPixels pixels(m_edit, CWindowPixels::WholeWindow);
        const CRect button = m_edit->ButtonRect();
        CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = button.top; y < button.bottom; ++y)
            for (int x = button.left; x < button.right; ++x)
                if (pixels.At(x, y) == GetSysColor(COLOR_BTNTEXT)) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }

    CTestSliderEdit* m_edit = nullptr;
};

TEST_F(SliderEditTest, DefaultsBeforeAnySetter)
{
    ExpectSliderRange(0.0f, 100.0f, false);
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());
    EXPECT_EQ(CRect(), m_edit->ButtonRect());
    EXPECT_EQ(nullptr, m_edit->Popup());
    EXPECT_EQ(nullptr, m_edit->NotifyWnd());
    EXPECT_FALSE(m_edit->Tracking());
}

TEST_F(SliderEditTest, ButtonIsEightyPercentOfClientHeightTwenty)
{
    CreateEdit(0, 20);
    EXPECT_EQ(CRect(0, 0, 184, 20), ClientInWindow());
    EXPECT_EQ(CRect(184, 0, 200, 20), m_edit->ButtonRect());
}

TEST_F(SliderEditTest, ButtonOfClientHeightNineteen)
{
    CreateEdit(0, 19);
    EXPECT_EQ(CRect(0, 0, 185, 19), ClientInWindow());
    EXPECT_EQ(CRect(185, 0, 200, 19), m_edit->ButtonRect());
}

TEST_F(SliderEditTest, ButtonInsideAClientEdge)
{
    CreateEdit(0, 24, WS_EX_CLIENTEDGE);
    EXPECT_EQ(CRect(2, 2, 182, 22), ClientInWindow());
    EXPECT_EQ(CRect(182, 2, 198, 22), m_edit->ButtonRect());
    m_edit->SetAlignment(1);
    m_edit->MoveWindow(20, 20, 200, 23);
    EXPECT_EQ(CRect(2, 2, 17, 21), m_edit->ButtonRect());
    EXPECT_EQ(CRect(17, 2, 198, 21), ClientInWindow());
}

TEST_F(SliderEditTest, AlignmentTakesEffectAtTheNextResize)
{
    CreateEdit(0, 20);
    m_edit->SetAlignment(1);
    EXPECT_EQ(CRect(184, 0, 200, 20), m_edit->ButtonRect());
    m_edit->MoveWindow(20, 20, 250, 20);
    EXPECT_EQ(CRect(16, 0, 250, 20), ClientInWindow());
    EXPECT_EQ(CRect(0, 0, 16, 20), m_edit->ButtonRect());
    m_edit->SetAlignment(0);
    m_edit->MoveWindow(20, 20, 240, 20);
    EXPECT_EQ(CRect(224, 0, 240, 20), m_edit->ButtonRect());
}

TEST_F(SliderEditTest, SizeMessageRecalculatesTheFrame)
{
    CreateEdit(0, 20);
    m_edit->SetAlignment(1);
    // The same size again: only the edit's own frame recalculation moves the button.
    m_edit->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 20));
    EXPECT_EQ(CRect(0, 0, 16, 20), m_edit->ButtonRect());
    EXPECT_EQ(CRect(16, 0, 200, 20), ClientInWindow());
}

TEST_F(SliderEditTest, CreateGivesTheEditItsParentsFont)
{
    HWND hStatic = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 60, m_parent.GetSafeHwnd(),
                                   nullptr, nullptr, nullptr);
    const HFONT hFont = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    ::SendMessageW(hStatic, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    ASSERT_TRUE(
        m_edit->Create(0, 0, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 30), CWnd::FromHandle(hStatic), kSliderId));
    EXPECT_EQ(reinterpret_cast<LRESULT>(hFont), m_edit->SendMessage(WM_GETFONT));
}

TEST_F(SliderEditTest, CreateWithLeftAlignment)
{
    CreateEdit(1, 20);
    EXPECT_EQ(CRect(16, 0, 200, 20), ClientInWindow());
    EXPECT_EQ(CRect(0, 0, 16, 20), m_edit->ButtonRect());
}

TEST_F(SliderEditTest, ButtonIsHitTestable)
{
    CreateEdit(0, 20);
    const CPoint button = ScreenPointInButton();
    EXPECT_EQ(HTBORDER, m_edit->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(button.x, button.y)));
    CRect window;
    m_edit->GetWindowRect(&window);
    EXPECT_EQ(HTCLIENT, m_edit->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(window.left + 5, window.top + 5)));
}

TEST_F(SliderEditTest, ButtonDrawsNormalPushedAndDisabled)
{
    CreateEdit(0, 20);
    m_edit->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const CRect normal = ArrowBox();
    ASSERT_FALSE(normal.IsRectEmpty());
    EXPECT_GE(normal.left, 184);
    m_edit->DrawSliderButton(CGvSliderEdit::MouseButtonPushed);
    EXPECT_EQ(CGvSliderEdit::MouseButtonPushed, m_edit->ButtonState());
    CRect pushed = ArrowBox();
    pushed.OffsetRect(-1, -1);
    EXPECT_EQ(normal, pushed);
    // A frame repaint draws the state last drawn.
    m_edit->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    pushed = ArrowBox();
    pushed.OffsetRect(-1, -1);
    EXPECT_EQ(normal, pushed);

    m_edit->EnableWindow(FALSE);
    EXPECT_EQ(CGvSliderEdit::MouseButtonDisabled, m_edit->ButtonState());
    EXPECT_TRUE(ArrowBox().IsRectEmpty());
    m_edit->DrawSliderButton(CGvSliderEdit::MouseButtonPushed);
    EXPECT_EQ(CGvSliderEdit::MouseButtonDisabled, m_edit->ButtonState());
    EXPECT_TRUE(ArrowBox().IsRectEmpty());
    m_edit->EnableWindow(TRUE);
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());
    EXPECT_EQ(normal, ArrowBox());
}

TEST_F(SliderEditTest, PopupRangeIsWidenedToTheValueWithoutClamping)
{
    CreateEdit(0, 20);
    m_edit->SetData(3.0f, 0.0f, 1.0f, false, 300, 5, true);
    CPopupSlider* pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    float min = -1, max = -1;
    pPopup->GetSliderRange(&min, &max);
    EXPECT_EQ(0.0f, min);
    EXPECT_EQ(3.0f, max);
    ExpectSliderRange(0.0f, 1.0f, false);
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(SliderEditTest, PopupKeepsTheRangeWhenClamping)
{
    CreateEdit(0, 20);
    m_edit->SetData(3.0f, 0.0f, 1.0f, true, 300, 5, true);
    CPopupSlider* pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    float min = -1, max = -1;
    pPopup->GetSliderRange(&min, &max);
    EXPECT_EQ(0.0f, min);
    EXPECT_EQ(1.0f, max);
    CPoint cursor;
    GetCursorPos(&cursor);
    pPopup->ScreenToClient(&cursor);
    EXPECT_EQ(CPoint(112, 10), cursor);
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(SliderEditTest, PopupOpensUnderTheButton)
{
    CreateEdit(0, 20);
    // Button (184, 0, 200, 20) widened left by 8, then 8 pixels right of it.
    EXPECT_EQ(CRect(184, 20, 184 + 125, 40), OpenAndLocatePopup());
    ASSERT_NE(nullptr, m_edit->Popup());
    EXPECT_EQ(CGvSliderEdit::MouseButtonPushed, m_edit->ButtonState());
    EXPECT_EQ(m_edit->Popup()->GetSafeHwnd(), ::GetCapture());
    m_edit->Popup()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(SliderEditTest, PopupAnchorIsConvertedAsIfInClientCoordinates)
{
    // The button rectangle (182, 2, 198, 22) is relative to the window, yet
    // converted from client coordinates, which start 2 pixels further in.
    CreateEdit(0, 24, WS_EX_CLIENTEDGE);
    EXPECT_EQ(CRect(2 + 182 - 8 + 8, 2 + 22, 2 + 182 + 125, 2 + 22 + 20), OpenAndLocatePopup());
    ASSERT_NE(nullptr, m_edit->Popup());
    m_edit->Popup()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(SliderEditTest, SweepIsShownAndForwardedWithTheEditAsSender)
{
    CreateEdit(0, 20);
    m_edit->SetData(3.0f, 0.0f, 1.0f, false, 300, 2, true);
    CPopupSlider* pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    m_parent.m_notes.clear();
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(62, 10));
    EXPECT_EQ(CString(L"1.50"), Text());
    EXPECT_EQ(1.5f, m_edit->GetNumericValue());
    ASSERT_EQ(1, m_parent.Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(reinterpret_cast<WPARAM>(static_cast<CGvSliderEdit*>(m_edit)), m_parent.m_notes.back().wParam);
    EXPECT_EQ(1.5f, m_parent.m_notes.back().value);
    EXPECT_EQ(0, m_parent.Count(EN_UPDATE));

    pPopup->SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(CString(L"1.53"), Text());
    EXPECT_EQ(2, m_parent.Count(GVM_SLIDER_DELTA));

    HWND hPopup = pPopup->GetSafeHwnd();
    m_parent.m_hOther = hPopup;
    pPopup->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_EQ(1, m_parent.Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(reinterpret_cast<WPARAM>(static_cast<CGvSliderEdit*>(m_edit)), m_parent.m_notes.back().wParam);
    EXPECT_FALSE(m_parent.m_notes.back().otherAlive); // destroyed before the parent heard of it
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(nullptr, m_edit->Popup());
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());
}

// Real key strokes, through the system's input queue to the focus window.
void PressKey(WORD vk)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    PumpMessages();
}

TEST_F(SliderEditTest, KeyboardUserTypesOnAfterThePopupEnds)
{
    CreateEdit(0, 20);
    m_edit->SetData(0.5f, 0.0f, 1.0f, true, 300, 2, true);
    m_edit->SetFocus();
    for (WORD endKey : {VK_ESCAPE, VK_RETURN}) {
        PressKey(VK_DOWN);
        ASSERT_NE(nullptr, m_edit->Popup());
        EXPECT_EQ(m_edit->Popup()->GetSafeHwnd(), ::GetFocus());
        PressKey(VK_RIGHT);
        PressKey(endKey);
        EXPECT_EQ(nullptr, m_edit->Popup());
        EXPECT_EQ(m_edit->GetSafeHwnd(), ::GetFocus()) << "after key " << endKey;
    }
    EXPECT_EQ(CString(L"0.52"), Text());
    PressKey('7'); // replaces the text, all selected as the focus came back
    EXPECT_EQ(CString(L"7"), Text());
}

TEST_F(SliderEditTest, FocusMovedAwayFromThePopupStaysWhereItWent)
{
    CreateEdit(0, 20);
    CEdit* pOther = Add<CEdit>();
    ASSERT_TRUE(pOther->Create(WS_CHILD | WS_VISIBLE, CRect(20, 60, 120, 80), &m_parent, 2));
    m_edit->SetFocus();
    PressKey(VK_DOWN);
    ASSERT_NE(nullptr, m_edit->Popup());
    pOther->SetFocus();
    PumpMessages();
    EXPECT_EQ(nullptr, m_edit->Popup());
    EXPECT_EQ(1, m_parent.Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(pOther->GetSafeHwnd(), ::GetFocus());
}

TEST_F(SliderEditTest, NotifyWindowGivenToInitGetsTheMessages)
{
    CreateEdit(0, 20);
    CRecordingOwner notify;
    ASSERT_TRUE(notify.Create(nullptr, L"", WS_CHILD, CRect(0, 0, 1, 1), &m_parent, 7));
    m_edit->Init(&notify, 0.25f, 0.0f, 1.0f, true, 300, 2, true);
    EXPECT_EQ(m_edit->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(CString(L"0.25"), Text());
    CPopupSlider* pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(112, 10));
    pPopup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(112, 10));
    EXPECT_EQ(0, m_parent.Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(1, notify.Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(1, notify.Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(1.0f, m_edit->GetNumericValue());
}

TEST_F(SliderEditTest, ParentGivenAsATemporaryWrapperStillGetsTheMessages)
{
    HWND hPlain = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 60, m_parent.GetSafeHwnd(),
                                  nullptr, nullptr, nullptr);
    ASSERT_TRUE(
        m_edit->Create(0, 0, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 30), CWnd::FromHandle(hPlain), kSliderId));
    EXPECT_EQ(nullptr, m_edit->NotifyWnd()); // a wrapper freed at idle time must not be kept
    AfxIdleProcessing();
    m_edit->SetData(0.0f, 0.0f, 10.0f, true, 300, 1, true);
    CMessageSpy spy(hPlain);
    CPopupSlider* pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(42, 10));
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(1, spy.Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(1, spy.Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(nullptr, m_edit->NotifyWnd());
}

TEST_F(SliderEditTest, DeletingTheEditClosesItsPopup)
{
    CreateEdit(0, 20);
    ASSERT_FALSE(OpenAndLocatePopup().IsRectEmpty());
    const HWND hPopup = m_edit->Popup()->GetSafeHwnd();
    m_parent.m_pWatched = nullptr;
    m_controls.clear();
    m_edit = nullptr;
    // The pop-up belongs to the top-level window and would outlive its owner.
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(1, m_parent.Count(GVM_SLIDER_CLOSE));
}

TEST_F(SliderEditTest, DestroyingTheEditsWindowClosesItsPopup)
{
    CreateEdit(0, 20);
    ASSERT_FALSE(OpenAndLocatePopup().IsRectEmpty());
    const HWND hPopup = m_edit->Popup()->GetSafeHwnd();
    m_edit->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(nullptr, m_edit->Popup());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(SliderEditTest, ClickOnTheButtonTracksThenOpens)
{
    CreateEdit(0, 20);
    m_edit->SetData(0.5f, 0.0f, 1.0f, true, 300, 5, true);
    const CPoint screen = ScreenPointInButton();
    m_edit->SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(screen.x, screen.y));
    EXPECT_TRUE(m_edit->Tracking());
    EXPECT_EQ(m_edit->GetSafeHwnd(), ::GetCapture());
    EXPECT_EQ(m_edit->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(CGvSliderEdit::MouseButtonPushed, m_edit->ButtonState());

    CPoint inside = screen, outside(screen.x - 100, screen.y);
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
    m_edit->Popup()->SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(1, m_parent.Count(GVM_SLIDER_CLOSE));
}

TEST_F(SliderEditTest, ReleaseOutsideTheButtonOpensNothing)
{
    CreateEdit(0, 20);
    const CPoint screen = ScreenPointInButton();
    m_edit->SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(screen.x, screen.y));
    m_edit->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(m_edit->Tracking());
    EXPECT_EQ(nullptr, m_edit->Popup());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());
}

TEST_F(SliderEditTest, TypingWhileTrackingReleasesTheButton)
{
    CreateEdit(0, 20);
    m_edit->SetData(1.0f, 0.0f, 10.0f, false, 300, 0, true);
    const CPoint screen = ScreenPointInButton();
    m_edit->SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(screen.x, screen.y));
    m_parent.m_notes.clear();
    m_edit->SendMessage(WM_CHAR, '7', 1);
    EXPECT_FALSE(m_edit->Tracking());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(CGvSliderEdit::MouseButtonNormal, m_edit->ButtonState());
    EXPECT_EQ(CString(L"7"), Text()); // focus gain had selected all
    EXPECT_EQ(0, m_parent.Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(0, m_parent.Count(EN_UPDATE));
    EXPECT_EQ(1, m_parent.Count(EN_CHANGE));
}

TEST_F(SliderEditTest, UpArrowWhileTrackingReleasesTheButton)
{
    CreateEdit(0, 20);
    const CPoint screen = ScreenPointInButton();
    m_edit->SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(screen.x, screen.y));
    m_edit->SendMessage(WM_KEYDOWN, VK_DOWN, 0); // ignored while tracking
    EXPECT_EQ(nullptr, m_edit->Popup());
    m_edit->SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_FALSE(m_edit->Tracking());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(SliderEditTest, SliderMessagesAnswerOne)
{
    CreateEdit(0, 20);
    m_edit->SetData(0.5f, 0.0f, 1.0f, true, 300, 5, true);
    EXPECT_EQ(1, m_edit->SendMessage(GVM_SLIDER_RANGE_CHANGED, 0, 0));
    ExpectSliderRange(0.0f, 1.0f, true);
    // Without a pop-up there is no value to take, but a close is passed on.
    EXPECT_EQ(1, m_edit->SendMessage(GVM_SLIDER_DELTA, 0, 0));
    EXPECT_EQ(0, m_parent.Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(1, m_edit->SendMessage(GVM_SLIDER_CLOSE, 0, 0));
    EXPECT_EQ(1, m_parent.Count(GVM_SLIDER_CLOSE));
}

TEST_F(SliderEditTest, IntegerPositionOfALimitedRange)
{
    CreateEdit(0, 20);
    m_edit->SetData(0.0f, -50000.0f, 50000.0f, false, 300, 5, true);
    EXPECT_EQ(150 * 218 - 32767, m_edit->GetIntPosition());
    EXPECT_EQ(49, m_edit->GetPosPerc());
    m_edit->SetNumericValue(-50000.0f);
    EXPECT_EQ(-32767, m_edit->GetIntPosition());
    EXPECT_EQ(0, m_edit->GetPosPerc());
    m_edit->SetData(60.0f, 10.0f, 110.0f, false, 100, 5, true);
    EXPECT_EQ(60, m_edit->GetIntPosition());
    EXPECT_EQ(60, m_edit->GetPosPerc());
}

} // namespace

namespace {

class SliderEditExchangeTest : public SliderEditTest
{
protected:
    HWND CreatePlainEdit(UINT nID)
    {
        return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 20, 20, 200, 20, m_parent.GetSafeHwnd(),
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr, nullptr);
    }
};

TEST_F(SliderEditExchangeTest, AttachesOnceWithTheGivenAlignment)
{
    HWND hEdit = CreatePlainEdit(42);
    CDataExchange dx(&m_parent, FALSE);
    DDX_CGvSliderEdit(&dx, 42, *m_edit, 1);
    EXPECT_EQ(hEdit, m_edit->GetSafeHwnd());
    EXPECT_EQ(CRect(0, 0, 16, 20), m_edit->ButtonRect());
    EXPECT_EQ(CRect(16, 0, 200, 20), ClientInWindow());

    CreatePlainEdit(43);
    DDX_CGvSliderEdit(&dx, 43, *m_edit, 0); // already attached: nothing changes
    EXPECT_EQ(hEdit, m_edit->GetSafeHwnd());
    EXPECT_EQ(CRect(0, 0, 16, 20), m_edit->ButtonRect());
}

TEST_F(SliderEditExchangeTest, AttachedEditNotifiesTheDialog)
{
    CreatePlainEdit(42);
    CDataExchange dx(&m_parent, FALSE);
    DDX_CGvSliderEdit(&dx, 42, *m_edit, 0);
    m_edit->SetData(0.0f, 0.0f, 10.0f, true, 300, 1, true);
    CPopupSlider* pPopup = OpenWithDownArrow();
    ASSERT_NE(nullptr, pPopup);
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(42, 10));
    EXPECT_EQ(CString(L"3.0"), Text());
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(1, m_parent.Count(GVM_SLIDER_DELTA));
    EXPECT_EQ(1, m_parent.Count(GVM_SLIDER_CLOSE));
    EXPECT_EQ(reinterpret_cast<WPARAM>(static_cast<CGvSliderEdit*>(m_edit)), m_parent.m_notes.back().wParam);
}

TEST_F(SliderEditExchangeTest, ControlThatCannotBeSubclassedThrows)
{
    CEdit* pOther = Add<CEdit>();
    ASSERT_TRUE(pOther->Create(WS_CHILD, CRect(0, 0, 50, 20), &m_parent, 44));
    CDataExchange dx(&m_parent, FALSE);
    CException* pThrown = nullptr;
    try {
        DDX_CGvSliderEdit(&dx, 44, *m_edit, 0);
    } catch (CNotSupportedException* e) {
        pThrown = e;
    }
    ASSERT_NE(nullptr, pThrown);
    pThrown->Delete();
    EXPECT_EQ(nullptr, m_edit->GetSafeHwnd());
}

} // namespace
