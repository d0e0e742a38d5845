#include "NumericTestWindows.h"

namespace {

const UINT kEditId = 101;
const UINT kOtherId = 102;

class NumericEditTest : public NumericWindowTest
{
protected:
    void SetUp() override
    {
        NumericWindowTest::SetUp();
        m_edit = Add<CGvNumericEdit>();
        m_other = Add<CEdit>();
        ASSERT_TRUE(m_edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 34),
                                   &m_parent, kEditId));
        ASSERT_TRUE(m_other->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 50, 200, 74), &m_parent, kOtherId));
        m_parent.m_pWatched = m_edit;
    }

    CString Text()
    {
        CString text;
        m_edit->GetWindowText(text);
        return text;
    }
    void Type(const wchar_t* keys)
    {
        for (; *keys; ++keys)
            m_edit->SendMessage(WM_CHAR, *keys, 1);
    }
    void ExpectSel(int start, int end)
    {
        int s = -1, e = -1;
        m_edit->GetSel(s, e);
        EXPECT_EQ(start, s);
        EXPECT_EQ(end, e);
    }

    CGvNumericEdit* m_edit = nullptr;
    CEdit* m_other = nullptr;
};

TEST_F(NumericEditTest, TextsOfTheDisplayForms)
{
    EXPECT_EQ(CString(L""), Text()); // nothing is written before a setter runs
    m_edit->SetData(1234.5f, 5, true);
    EXPECT_EQ(CString(L"1234.50000"), Text());
    m_edit->SetNumericValue(12345.0f);
    EXPECT_EQ(CString(L"1.23450e+04"), Text());
    m_edit->SetNumericValue(10000.0f);
    EXPECT_EQ(CString(L"10000.00000"), Text());
    m_edit->SetNumericValue(0.000001f);
    EXPECT_EQ(CString(L"1.00000e-06"), Text());
    m_edit->SetNumericValue(0.0f);
    EXPECT_EQ(CString(L"0.00000"), Text());
    m_edit->SetData(2.0f, 0, true);
    EXPECT_EQ(CString(L"2"), Text());
}

TEST_F(NumericEditTest, DefaultsBeforeAnySetter)
{
    m_edit->SetFocus(); // shows the text made by the constructor
    EXPECT_EQ(CString(L"0.00000"), Text());
    EXPECT_EQ(0.0f, m_edit->GetNumericValue());
    m_edit->SetSel(0, -1);
    Type(L"-1.5"); // negatives and a separator are allowed
    EXPECT_EQ(CString(L"-1.5"), Text());
    m_edit->SetNumericValue(12345.0f); // 5 decimals, scientific form allowed
    EXPECT_EQ(CString(L"1.23450e+04"), Text());
}

TEST_F(NumericEditTest, DisplaySwitchesWaitForTheNextRefresh)
{
    m_edit->SetData(12345.0f, 5, true);
    m_edit->SetScientificDisplay(false);
    EXPECT_EQ(CString(L"1.23450e+04"), Text());
    m_edit->UpdateText();
    EXPECT_EQ(CString(L"12345.00000"), Text());
    m_edit->SetNumericDisplayType(true);
    EXPECT_EQ(CString(L"12345.00000"), Text());
    m_edit->SetNumericValue(-2.5f);
    EXPECT_EQ(CString(L"-3"), Text());
    m_edit->SetNumericValue(2.49f);
    EXPECT_EQ(CString(L"2"), Text());
    m_edit->SetNumericValue(-0.4f);
    EXPECT_EQ(CString(L"0"), Text());
}

TEST_F(NumericEditTest, SecondSeparatorIsRefusedUnlessSelected)
{
    m_edit->SetData(1.5f, 1, true);
    EXPECT_EQ(CString(L"1.5"), Text());
    m_edit->SetSel(1, 1);
    Type(L".,");
    EXPECT_EQ(CString(L"1.5"), Text());
    ExpectSel(1, 1);
    m_edit->SetSel(1, 3);
    Type(L",");
    EXPECT_EQ(CString(L"1,"), Text());
    ExpectSel(2, 2);
}

TEST_F(NumericEditTest, PrecisionZeroRefusesSeparators)
{
    m_edit->SetData(7.0f, 0, true);
    m_edit->SetSel(1, 1);
    Type(L".,");
    EXPECT_EQ(CString(L"7"), Text());
    Type(L"5");
    EXPECT_EQ(CString(L"75"), Text());
}

TEST_F(NumericEditTest, LettersAndPlusAreRefused)
{
    m_edit->SetData(1.0f, 5, true);
    m_edit->SetSel(0, -1);
    Type(L"e+E x");
    EXPECT_EQ(CString(L"1.00000"), Text());
    Type(L"42");
    EXPECT_EQ(CString(L"42"), Text());
}

TEST_F(NumericEditTest, MinusMovesToTheFrontAndOnlyOnce)
{
    m_edit->SetData(12.0f, 0, true);
    m_edit->SetSel(2, 2);
    Type(L"-");
    EXPECT_EQ(CString(L"-12"), Text());
    ExpectSel(3, 3); // the selection is restored as read, not shifted
    Type(L"-");
    EXPECT_EQ(CString(L"-12"), Text());
    m_edit->SetSel(0, 1);
    Type(L"-");
    EXPECT_EQ(CString(L"-12"), Text());

    m_edit->SetData(34.0f, 0, true);
    m_edit->SetSel(1, 1);
    Type(L"-");
    EXPECT_EQ(CString(L"-34"), Text());
}

TEST_F(NumericEditTest, MinusIsRefusedWhenNegativesAreNotAllowed)
{
    m_edit->SetData(12.0f, 0, false);
    m_edit->SetSel(2, 2);
    Type(L"-");
    EXPECT_EQ(CString(L"12"), Text());
    m_edit->SetData(-3.0f, 0, false);
    EXPECT_EQ(CString(L"-3"), Text()); // never clamped
}

TEST_F(NumericEditTest, FocusGainShowsTheCommittedTextSelected)
{
    m_edit->SetData(2.0f, 2, true);
    m_edit->SetWindowText(L"junk");
    m_edit->SetFocus();
    EXPECT_EQ(CString(L"2.00"), Text());
    ExpectSel(0, 4);
    EXPECT_EQ(0, m_parent.Count(EN_SETFOCUS));
}

// The selection and text messages among those a spy saw, in order.
std::vector<UINT> SelectionSteps(const CMessageSpy& spy)
{
    std::vector<UINT> steps;
    for (const MSG& msg : spy.m_messages)
        if (msg.message == WM_SETTEXT || msg.message == EM_SETSEL || msg.message == EM_SCROLLCARET)
            steps.push_back(msg.message);
    return steps;
}

TEST_F(NumericEditTest, FocusGainSetsTextSelectsAllAndScrollsOnce)
{
    m_edit->SetData(2.0f, 2, true);
    CMessageSpy spy(m_edit->GetSafeHwnd());
    m_edit->SetFocus();
    EXPECT_EQ((std::vector<UINT>{WM_SETTEXT, EM_SETSEL, EM_SCROLLCARET}), SelectionSteps(spy));
    for (const MSG& msg : spy.m_messages)
        if (msg.message == EM_SETSEL) {
            EXPECT_EQ(0u, msg.wParam);
            EXPECT_EQ(-1, static_cast<LPARAM>(msg.lParam));
        }
}

TEST_F(NumericEditTest, TypingRestoresTheSelectionAndScrollsOnce)
{
    m_edit->SetData(12.0f, 0, true);
    m_edit->SetSel(2, 2);
    CMessageSpy spy(m_edit->GetSafeHwnd());
    Type(L"-");
    EXPECT_EQ((std::vector<UINT>{WM_SETTEXT, EM_SETSEL, EM_SCROLLCARET}), SelectionSteps(spy));
    for (const MSG& msg : spy.m_messages)
        if (msg.message == EM_SETSEL) {
            EXPECT_EQ(3u, msg.wParam);
            EXPECT_EQ(3, static_cast<LPARAM>(msg.lParam));
        }
}

TEST_F(NumericEditTest, CommitHappensBeforeTheParentHearsOfTheFocusLoss)
{
    m_edit->SetData(1.0f, 5, true);
    m_edit->SetFocus();
    Type(L"2.25");
    EXPECT_EQ(1.0f, m_edit->GetNumericValue());
    m_parent.m_notes.clear();
    m_other->SetFocus();
    ASSERT_EQ(1, m_parent.Count(EN_KILLFOCUS));
    for (const CRecordingParent::Note& note : m_parent.m_notes)
        if (note.message == EN_KILLFOCUS) {
            EXPECT_EQ(kEditId, note.wParam);
            EXPECT_EQ(2.25f, note.value);
            EXPECT_EQ(CString(L"2.25000"), note.text);
        }
    EXPECT_EQ(2.25f, m_edit->GetNumericValue());
}

TEST_F(NumericEditTest, TextThatIsNoNumberCommitsAsItsLeadingNumber)
{
    m_edit->SetData(5.0f, 1, true);
    m_edit->SetFocus();
    m_edit->SetWindowText(L"3,5abc");
    m_other->SetFocus();
    EXPECT_EQ(3.5f, m_edit->GetNumericValue());
    EXPECT_EQ(CString(L"3.5"), Text());
    m_edit->SetFocus();
    m_edit->SetWindowText(L"abc");
    m_other->SetFocus();
    EXPECT_EQ(0.0f, m_edit->GetNumericValue());
    EXPECT_EQ(CString(L"0.0"), Text());
}

TEST_F(NumericEditTest, UpdateValueLeavesTheWindowText)
{
    m_edit->SetData(1.0f, 3, true);
    m_edit->SetWindowText(L"4.5");
    m_edit->UpdateValue();
    EXPECT_EQ(4.5f, m_edit->GetNumericValue());
    EXPECT_EQ(CString(L"4.5"), Text());
    m_edit->SetFocus();
    EXPECT_EQ(CString(L"4.500"), Text());
}

TEST_F(NumericEditTest, InitTakesTheFocus)
{
    m_other->SetFocus();
    m_edit->Init(6.5f, 1, true);
    EXPECT_EQ(m_edit->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(CString(L"6.5"), Text());
    ExpectSel(0, 3);
}

} // namespace
