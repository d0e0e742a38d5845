#pragma once
#include <memory>
#include <ostream>
#include <vector>
#include "GvNumeric.h"
#include "GvLeakCheck.h"

// Readable rectangles and points in failure messages.
inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const CPoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

// A top-level frame for one test, recording what its children tell it.
class CRecordingParent : public CWnd
{
public:
    struct Note
    {
        UINT message;    // the notification code of edit notifications, else the message
        WPARAM wParam;   // the control id of edit notifications
        float value;     // GetNumericValue of the sender when it is a numeric edit
        CString text;    // its window text at that moment
        bool otherAlive; // whether m_hOther was a window at that moment
    };

    BOOL CreateFrame(int x = 100, int y = 100, int width = 420, int height = 240);
    int Count(UINT message) const;

    std::vector<Note> m_notes;
    CGvNumericEdit* m_pWatched = nullptr; // read on EN_KILLFOCUS and the slider messages
    HWND m_hOther = nullptr;              // another window whose life is noted

protected:
    // Reached only by notifications that the control did not keep (reflect) itself.
    afx_msg void OnEnSetFocus(UINT nID) { Record(EN_SETFOCUS, nID); }
    afx_msg void OnEnKillFocus(UINT nID) { Record(EN_KILLFOCUS, nID); }
    afx_msg void OnEnUpdate(UINT nID) { Record(EN_UPDATE, nID); }
    afx_msg void OnEnChange(UINT nID) { Record(EN_CHANGE, nID); }
    afx_msg LRESULT OnSliderDelta(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSliderClose(WPARAM wParam, LPARAM lParam);
    void Record(UINT message, WPARAM wParam);
    DECLARE_MESSAGE_MAP()
};

// Owner of a bare pop-up slider: records its messages and destroys the
// pop-up's window on GVM_SLIDER_CLOSE, as a slider edit does.
class CRecordingOwner : public CWnd
{
public:
    struct Note
    {
        UINT message;
        WPARAM wParam;
        float value;
    };

    int Count(UINT message) const;

    CPopupSlider* m_pPopup = nullptr;
    std::vector<Note> m_notes;
    bool m_destroyOnClose = true;

protected:
    afx_msg LRESULT OnSliderMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Pixels of a window read back from its device context: the client area, or
// the whole window with its non-client part.
class CWindowPixels
{
public:
    enum AreaType
    {
        ClientArea,
        WholeWindow
    };
    CWindowPixels(CWnd* pWnd, AreaType area);
    COLORREF At(int x, int y) const { return m_pixels[y * m_width + x]; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width = 0, m_height = 0;
    std::vector<COLORREF> m_pixels;
};

// Records the messages sent to one window (WH_CALLWNDPROC, this thread),
// from its construction to its destruction.
class CMessageSpy
{
public:
    explicit CMessageSpy(HWND hWnd);
    ~CMessageSpy();
    int Count(UINT message) const;

    std::vector<MSG> m_messages;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HWND m_hWnd;
    HHOOK m_hHook;
};

// Handles everything already queued (posted messages, pointer motion).
void PumpMessages();

// Base fixture: a fresh frame per test, destroyed at the end. Controls are
// made in SetUp and deleted before the leak check.
class NumericWindowTest : public GvLeakCheckedTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    template <class T>
    T* Add()
    {
        T* p = new T;
        m_controls.emplace_back(p);
        return p;
    }

    CRecordingParent m_parent;
    std::vector<std::unique_ptr<CWnd>> m_controls;
};
