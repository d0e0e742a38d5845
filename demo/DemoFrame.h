#pragma once
#include <memory>
#include <vector>
#include "demo/DemoPanel.h"

// A page's tab stops in the order Tab visits them: visible, enabled windows
// with WS_TABSTOP, depth first in z-order, looking inside the control
// parents (the embedded dialogs, the scroll windows), which are no stops.
std::vector<HWND> DemoTabStops(HWND hRoot);

// The demo's main window: a "Panels" menu and one panel shown at a time,
// filling the client area.
class CDemoFrame : public CWnd
{
public:
    BOOL CreateFrame();
    int GetPanelCount() const { return static_cast<int>(m_panels.size()); }
    CDemoPanel* GetPanel(int index) const { return m_panels[index].get(); }
    void ShowPanel(int index);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnRaiseOwned(WPARAM wParam, LPARAM lParam);
    void ScrollIntoView(HWND hControl);
    DECLARE_MESSAGE_MAP()

    std::vector<std::unique_ptr<CDemoPanel>> m_panels;
    int m_current = -1;
    HWND m_hWndLastFocus = nullptr; // restored when the frame is activated again
};
