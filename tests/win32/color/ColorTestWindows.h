#pragma once
#include <gtest/gtest.h>
#include <ostream>
#include <vector>
#include "GvColor.h"
#include "GvCore.h"
#include "GvLeakCheck.h"

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

// A top-level test window that records the private messages its children
// send it, in order.
class CColorTestParent : public CWnd
{
public:
    struct Note
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    BOOL CreateFrame(int width = 500, int height = 420);
    int Count(UINT message) const;
    std::vector<UINT> Messages() const;

    std::vector<Note> m_notes;

protected:
    afx_msg LRESULT OnColorMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The pixel at a client point, read back from the window after UpdateWindow.
COLORREF PixelAt(CWnd& wnd, int x, int y);

// The clock the pickers' throttles read; tests move it by hand.
extern long g_testTicks;

// A fresh frame and application per test, a clock that does not move by
// itself, and every buffer back at the end.
class ColorWindowTest : public GvLeakCheckedTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    void Click(CWnd& wnd, CPoint point);
    void Drag(CWnd& wnd, CPoint from, CPoint to);
    int NodeChangeCount() const { return m_app.GetNodeChanges().GetCount(); }

    GvApplication m_app;
    CColorTestParent m_parent;

private:
    GvClockFunction m_savedClock = nullptr;
};
