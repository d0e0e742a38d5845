#include "TestFrame.h"

namespace {
const int kEditId = 7;

// Exchanges one integer with its child edit and counts the edit's EN_CHANGE
// notifications: every one that arrives, and those its handler saw.
class CExchangeWnd : public CWnd
{
public:
    CEdit m_edit;
    int m_value = 0;
    int m_arrived = 0;
    int m_handled = 0;
    bool m_bindMissing = false;

    BOOL CreateWithEdit(CWnd* pParent)
    {
        return Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), pParent, 1)
               && m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 30), this, kEditId);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, kEditId, m_value);
        if (m_bindMissing)
            DDX_Control(pDX, 9999, m_missing);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_CHANGE)
            ++m_arrived;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    afx_msg void OnEditChange() { ++m_handled; }
    DECLARE_MESSAGE_MAP()

    CEdit m_missing;
};

BEGIN_MESSAGE_MAP(CExchangeWnd, CWnd)
    ON_EN_CHANGE(kEditId, OnEditChange)
END_MESSAGE_MAP()

using DataExchangeTest = Win32WindowTest;
} // namespace

TEST_F(DataExchangeTest, UnchangedValuesAreNotWrittenAndNotificationsAreHeldBackEvenInAFailedExchange)
{
    CExchangeWnd wnd;
    ASSERT_TRUE(wnd.CreateWithEdit(&m_frame));
    wnd.m_value = 3;
    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(1, wnd.m_arrived);
    wnd.m_edit.SetSel(1, 1);
    wnd.m_edit.SetModify(TRUE);
    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(1, wnd.m_arrived) << "the same text is not set again";
    int start = -1, end = -1;
    wnd.m_edit.GetSel(start, end);
    EXPECT_EQ(std::make_pair(1, 1), std::make_pair(start, end));
    EXPECT_TRUE(wnd.m_edit.GetModify());
    wnd.m_value = 12;
    ASSERT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_EQ(2, wnd.m_arrived);
    EXPECT_EQ(CString(L"12"), WindowText(wnd.m_edit.m_hWnd));
    EXPECT_EQ(0, wnd.m_handled) << "the exchange's own text change reaches no handler";

    wnd.m_edit.SetWindowText(L"6");
    EXPECT_EQ(3, wnd.m_arrived);
    EXPECT_EQ(1, wnd.m_handled) << "outside the exchange notifications flow again";
    ASSERT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_EQ(6, wnd.m_value);

    // A missing control fails the exchange without throwing.
    wnd.m_edit.SetWindowText(L"8");
    wnd.m_bindMissing = true;
    try {
        EXPECT_FALSE(wnd.UpdateData(TRUE));
    } catch (CException* e) {
        ADD_FAILURE() << "the exchange threw";
        e->Delete();
    }
    EXPECT_EQ(8, wnd.m_value) << "controls before the missing one were exchanged";

    // Notifications flow again after the failed exchange.
    int handled = wnd.m_handled;
    wnd.m_edit.SetWindowText(L"9");
    EXPECT_EQ(handled + 1, wnd.m_handled);
}
