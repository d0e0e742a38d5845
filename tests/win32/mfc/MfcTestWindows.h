#pragma once
// Test frame of the layer's Win32 tests: every test gets a fresh visible
// top-level window, destroyed again at its end, and must leave no temporary
// wrapper behind once the idle processing ran.
#include <gtest/gtest.h>
#include <vector>
#include "platform/mfc/GvMfc.h"

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << ::testing::PrintToString(std::wstring(s));
}
inline void PrintTo(const CPoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

// A plain top-level window, shown without being activated: Wine waits two
// seconds for the window manager when an activated window is destroyed.
class CTestFrame : public CWnd
{
public:
    BOOL CreateFrame()
    {
        return CreateEx(0, nullptr, L"GvMfc test", WS_POPUP | WS_CLIPCHILDREN, 50, 50, 400, 300, nullptr, nullptr)
               && SetWindowPos(nullptr, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
};

class MfcWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame());
        AfxPumpPendingMessages();
    }
    void TearDown() override
    {
        if (m_frame.m_hWnd)
            m_frame.DestroyWindow();
        AfxPumpPendingMessages();
        EXPECT_EQ(nullptr, m_frame.m_hWnd);
        EXPECT_EQ(0u, AfxGetTemporaryObjectCount());
    }
    // A child rectangle in the frame's client area.
    static CRect ChildRect(int x = 10, int y = 10, int cx = 120, int cy = 24) { return CRect(x, y, x + cx, y + cy); }

    CTestFrame m_frame;
};
