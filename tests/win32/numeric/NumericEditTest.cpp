#include <memory>

#include "GvNumeric.h"
#include "MessageSpy.h"
#include "TestFrame.h"
#include "TestInput.h"

namespace {

const UINT kEditId = 101;

// The formatting and filter decisions are tested natively; here, that the
// window runs them at the right moments, in the right order.
class NumericEditTest : public Win32WindowTest
{
protected:
    void SetUp() override
    {
        Win32WindowTest::SetUp();
        m_edit = std::make_unique<CGvNumericEdit>();
        ASSERT_TRUE(m_edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 34), &m_frame,
                                   kEditId));
        ASSERT_TRUE(m_other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 50, 200, 74), &m_frame, kEditId + 1));
    }
    void TearDown() override
    {
        m_edit.reset();
        Win32WindowTest::TearDown();
    }

    CString Text() { return WindowText(m_edit->m_hWnd); }
    CPoint Sel()
    {
        int start = -1, end = -1;
        m_edit->GetSel(start, end);
        return CPoint(start, end);
    }

    std::unique_ptr<CGvNumericEdit> m_edit;
    CEdit m_other;
};

TEST_F(NumericEditTest, SettersWriteTheTextAndDisplaySwitchesWaitForTheNextRefresh)
{
    EXPECT_EQ(CString(L""), Text()); // nothing is written before a setter runs
    m_edit->SetFocus();              // but focus shows the constructor's text
    EXPECT_EQ(CString(L"0.00000"), Text());
    m_edit->SetData(1234.5f, 5, true);
    EXPECT_EQ(CString(L"1234.50000"), Text());
    m_edit->SetNumericValue(12345.0f);
    EXPECT_EQ(CString(L"1.23450e+04"), Text());
    m_edit->SetScientificDisplay(false);
    EXPECT_EQ(CString(L"1.23450e+04"), Text());
    m_edit->UpdateText();
    EXPECT_EQ(CString(L"12345.00000"), Text());
    m_edit->SetNumericDisplayType(true);
    EXPECT_EQ(CString(L"12345.00000"), Text());
    m_edit->SetNumericValue(-2.5f);
    EXPECT_EQ(CString(L"-3"), Text());
    m_edit->SetNumericDisplayType(false);
    m_edit->SetData(-3.0f, 0, false);
    EXPECT_EQ(CString(L"-3"), Text()); // never clamped to the sign allowed
}

TEST_F(NumericEditTest, TypedCharactersAreFilteredAgainstTextSelectionAndSettings)
{
    struct Case
    {
        float value;
        int precision;
        bool allowNegative;
        CPoint sel;
        const wchar_t* typed;
        const wchar_t* text;
        CPoint selAfter;
    };
    const Case cases[] = {
        {1.5f, 1, true, {1, 1}, L".,", L"1.5", {1, 1}}, // a second separator
        {1.5f, 1, true, {1, 3}, L",", L"1,", {2, 2}},   // unless the first is selected
        {7.0f, 0, true, {1, 1}, L".,5", L"75", {2, 2}}, // no separator at precision 0
        {1.0f, 5, true, {0, -1}, L"e+E x42", L"42", {2, 2}},
        {12.0f, 0, true, {2, 2}, L"--", L"-12", {3, 3}}, // to the front, selection as read
        {12.0f, 0, false, {2, 2}, L"-", L"12", {2, 2}},
    };
    for (const Case& c : cases) {
        m_edit->SetData(c.value, c.precision, c.allowNegative);
        m_edit->SetSel(c.sel.x, c.sel.y);
        PostChars(m_edit->GetSafeHwnd(), c.typed);
        EXPECT_EQ(CString(c.text), Text()) << "typed " << ::testing::PrintToString(std::wstring(c.typed));
        EXPECT_EQ(c.selAfter, Sel()) << "typed " << ::testing::PrintToString(std::wstring(c.typed));
    }
}

TEST_F(NumericEditTest, FocusGainShowsTheCommittedTextSelectedTypingRestoresTheSelectionEachScrollsOnce)
{
    m_edit->SetData(2.0f, 2, true);
    m_edit->SetWindowText(L"junk");
    CMessageSpy spy(m_edit->GetSafeHwnd());
    m_edit->SetFocus();
    EXPECT_EQ(std::make_tuple(CString(L"2.00"), CPoint(0, 4)), std::make_tuple(Text(), Sel()));
    EXPECT_EQ((std::vector<UINT>{WM_SETTEXT, EM_SETSEL, EM_SCROLLCARET}),
              spy.Sequence({WM_SETTEXT, EM_SETSEL, EM_SCROLLCARET}));
    ASSERT_EQ(1u, spy.Of(EM_SETSEL).size());
    EXPECT_EQ(-1, spy.Of(EM_SETSEL)[0].lParam);
    EXPECT_EQ(0, m_frame.CommandCount(EN_SETFOCUS)); // the edit keeps it

    m_edit->SetData(12.0f, 0, true);
    m_edit->SetSel(2, 2);
    spy.m_messages.clear();
    PostChars(m_edit->GetSafeHwnd(), L"-");
    EXPECT_EQ((std::vector<UINT>{WM_SETTEXT, EM_SETSEL, EM_SCROLLCARET}),
              spy.Sequence({WM_SETTEXT, EM_SETSEL, EM_SCROLLCARET}));
    ASSERT_EQ(1u, spy.Of(EM_SETSEL).size());
    EXPECT_EQ(3u, spy.Of(EM_SETSEL)[0].wParam);
    EXPECT_EQ(3, spy.Of(EM_SETSEL)[0].lParam);
}

TEST_F(NumericEditTest, CommitHappensBeforeTheParentHearsOfTheFocusLossUpdateValueLeavesTheText)
{
    m_edit->SetData(1.0f, 5, true);
    m_edit->SetFocus();
    PostChars(m_edit->GetSafeHwnd(), L"2.25");
    EXPECT_EQ(1.0f, m_edit->GetNumericValue());
    CMessageSpy spy(m_frame.GetSafeHwnd());
    std::vector<std::pair<float, CString>> heard;
    spy.m_onMessage = [&](const SpiedMessage& m) {
        if (m.message == WM_COMMAND && m.wParam == MAKEWPARAM(kEditId, EN_KILLFOCUS))
            heard.emplace_back(m_edit->GetNumericValue(), Text());
    };
    m_other.SetFocus();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(std::make_pair(2.25f, CString(L"2.25000")), heard[0]);
    EXPECT_EQ(1, m_frame.CommandCount(EN_KILLFOCUS));

    // Text that is no number commits as its leading number.
    m_edit->SetFocus();
    m_edit->SetWindowText(L"3,5abc");
    m_other.SetFocus();
    EXPECT_EQ(std::make_tuple(3.5f, CString(L"3.50000")), std::make_tuple(m_edit->GetNumericValue(), Text()));

    // UpdateValue leaves the window text; Init takes the focus.
    m_edit->SetData(1.0f, 3, true);
    m_edit->SetWindowText(L"4.5");
    m_edit->UpdateValue();
    EXPECT_EQ(std::make_tuple(4.5f, CString(L"4.5")), std::make_tuple(m_edit->GetNumericValue(), Text()));
    m_edit->SetFocus();
    EXPECT_EQ(CString(L"4.500"), Text());

    m_other.SetFocus();
    m_edit->Init(6.5f, 1, true);
    EXPECT_EQ(m_edit->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(CString(L"6.5"), Text());
    EXPECT_EQ(CPoint(0, 3), Sel());
}

} // namespace
