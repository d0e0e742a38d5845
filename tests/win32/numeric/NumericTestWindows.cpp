#include "NumericTestWindows.h"

#include "GvMessages.h"

BEGIN_MESSAGE_MAP(CRecordingParent, CWnd)
    ON_CONTROL_RANGE(EN_SETFOCUS, 0, 0xFFFF, OnEnSetFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, 0, 0xFFFF, OnEnKillFocus)
    ON_CONTROL_RANGE(EN_UPDATE, 0, 0xFFFF, OnEnUpdate)
    ON_CONTROL_RANGE(EN_CHANGE, 0, 0xFFFF, OnEnChange)
    ON_MESSAGE(GVM_SLIDER_DELTA, OnSliderDelta)
    ON_MESSAGE(GVM_SLIDER_CLOSE, OnSliderClose)
END_MESSAGE_MAP()

BOOL CRecordingParent::CreateFrame(int x, int y, int width, int height)
{
    return CreateEx(0,
                    AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                    L"numeric test", WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | WS_VISIBLE, x, y, width, height,
                    nullptr, nullptr);
}

int CRecordingParent::Count(UINT message) const
{
    int n = 0;
    for (const Note& note : m_notes)
        n += note.message == message;
    return n;
}

LRESULT CRecordingParent::OnSliderDelta(WPARAM wParam, LPARAM)
{
    Record(GVM_SLIDER_DELTA, wParam);
    return 1;
}

LRESULT CRecordingParent::OnSliderClose(WPARAM wParam, LPARAM)
{
    Record(GVM_SLIDER_CLOSE, wParam);
    return 1;
}

void CRecordingParent::Record(UINT message, WPARAM wParam)
{
    Note note = {message, wParam, 0.0f, CString(), m_hOther && ::IsWindow(m_hOther)};
    if (m_pWatched && m_pWatched->GetSafeHwnd()) {
        note.value = m_pWatched->GetNumericValue();
        m_pWatched->GetWindowText(note.text);
    }
    m_notes.push_back(note);
}

BEGIN_MESSAGE_MAP(CRecordingOwner, CWnd)
    ON_MESSAGE(GVM_SLIDER_DELTA, OnSliderMessage)
    ON_MESSAGE(GVM_SLIDER_CLOSE, OnSliderMessage)
    ON_MESSAGE(GVM_SLIDER_RANGE_CHANGED, OnSliderMessage)
END_MESSAGE_MAP()

int CRecordingOwner::Count(UINT message) const
{
    int n = 0;
    for (const Note& note : m_notes)
        n += note.message == message;
    return n;
}

LRESULT CRecordingOwner::OnSliderMessage(WPARAM wParam, LPARAM)
{
    const UINT message = GetCurrentMessage()->message;
    m_notes.push_back({message, wParam, m_pPopup ? m_pPopup->GetSliderValue() : 0.0f});
    if (message == GVM_SLIDER_CLOSE && m_destroyOnClose && m_pPopup) {
        CPopupSlider* pPopup = m_pPopup;
        m_pPopup = nullptr;
        pPopup->DestroyWindow();
    }
    return 1;
}

CWindowPixels::CWindowPixels(CWnd* pWnd, AreaType area)
{
    pWnd->UpdateWindow();
    CRect rect;
    if (area == ClientArea)
        pWnd->GetClientRect(&rect);
    else
        pWnd->GetWindowRect(&rect);
    m_width = rect.Width();
    m_height = rect.Height();
    HWND hWnd = pWnd->GetSafeHwnd();
    HDC dc = area == ClientArea ? ::GetDC(hWnd) : ::GetWindowDC(hWnd);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            m_pixels.push_back(GetPixel(dc, x, y));
    ::ReleaseDC(hWnd, dc);
}

namespace {
CMessageSpy* s_pSpy = nullptr;
}

CMessageSpy::CMessageSpy(HWND hWnd)
    : m_hWnd(hWnd), m_hHook(SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId()))
{
    s_pSpy = this;
}

CMessageSpy::~CMessageSpy()
{
    UnhookWindowsHookEx(m_hHook);
    s_pSpy = nullptr;
}

int CMessageSpy::Count(UINT message) const
{
    int n = 0;
    for (const MSG& msg : m_messages)
        n += msg.message == message;
    return n;
}

LRESULT CALLBACK CMessageSpy::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pSent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && s_pSpy && pSent->hwnd == s_pSpy->m_hWnd)
        s_pSpy->m_messages.push_back({pSent->hwnd, pSent->message, pSent->wParam, pSent->lParam, 0, {0, 0}});
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

void NumericWindowTest::SetUp()
{
    GvLeakCheckedTest::SetUp();
    ASSERT_TRUE(m_parent.CreateFrame());
    m_parent.SetForegroundWindow();
    m_parent.SetFocus();
    PumpMessages();
}

void NumericWindowTest::TearDown()
{
    if (m_parent.GetSafeHwnd())
        m_parent.DestroyWindow();
    PumpMessages();
    m_controls.clear();
    GvLeakCheckedTest::TearDown();
}
