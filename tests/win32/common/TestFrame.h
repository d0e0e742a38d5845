#pragma once
// The frame every Win32 test builds its windows in: a fresh top-level window
// per test, destroyed at its end.
#include <utility>
#include <vector>

#include "GvLeakCheck.h"
#include "TestPrinters.h"
#include "platform/mfc/GvMfc.h"

// A plain top-level window, shown without being activated: Wine waits two
// seconds for the window manager whenever an activated top-level window is
// destroyed. It notes the control notifications that reached its own
// handlers, that is those the sending control did not keep (reflect) itself.
class CTestFrame : public CWnd
{
public:
    BOOL CreateFrame(const CRect& rect = CRect(50, 50, 450, 350));
    // How many notifications of this code (EN_CHANGE, BN_CLICKED, ...) got through.
    int CommandCount(int code) const;

    std::vector<std::pair<UINT, int>> m_commands; // id and code, in order

protected:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
};

// A window of a class without background brush whose procedure is
// DefWindowProc: something to put children in, to spy on, to erase.
HWND CreatePlainWindow(HWND parent, const CRect& rect, DWORD style = WS_CHILD | WS_VISIBLE, int id = 0);

// The first window with the id at any depth below hParent; null if none.
HWND FindDescendant(HWND hParent, int id);

// A window's text.
CString WindowText(HWND hWnd);

// GvMFCUtilities.dll, which holds the library's resources.
HINSTANCE LibraryInstance();

// A window's rectangle in the client coordinates of hOther (its parent when null).
CRect RectIn(HWND hWnd, HWND hOther = nullptr);

// Base fixture: the frame, queued messages handled at both ends, and at the
// end no window, temporary wrapper or buffer left behind.
class Win32WindowTest : public GvLeakCheckedTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A child rectangle in the frame's client area.
    static CRect ChildRect(int x = 10, int y = 10, int cx = 120, int cy = 24) { return CRect(x, y, x + cx, y + cy); }

    CTestFrame m_frame;
};
