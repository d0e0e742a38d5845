#pragma once
#include <functional>
#include <memory>
#include <vector>
#include "demo/DemoPanel.h"
#include "GvVariableEditors.h"
#include "GvWindowUtils.h"

// A property page: one variable of every kind in a column of variable edit
// controls inside a scroll window, the application's NotifyNodeChanged
// records beside it, and an icon menu on a right click.
class CVariablePanel : public CDemoPanel
{
public:
    CVariablePanel();
    ~CVariablePanel() override;
    LPCWSTR GetTitle() const override { return L"Variable editors, scroll window and icon menu"; }
    LPCWSTR GetName() const override { return L"variables"; }
    BOOL CreatePanel(CWnd* pParent, const CRect& rect, UINT nID) override;
    int GetSceneCount() const override { return 4; }
    CString BeginScene(int scene) override;
    void EndScene(int scene) override;
    bool CaptureInScene(int scene, const std::function<void()>& capture) override;

    // The column of editors: stacks them again when one changes its size.
    class CPage : public CWnd
    {
    public:
        void Stack();
        std::vector<std::unique_ptr<CWnd>> m_titles;
        std::vector<std::unique_ptr<CGvVariableEditCtrl>> m_editors;

    protected:
        afx_msg LRESULT OnChildResize(WPARAM wParam, LPARAM lParam);
        DECLARE_MESSAGE_MAP()
    };

    // Exposes the hook of the open menu's window.
    class CDemoIconMenu : public CGvIconMenu
    {
    public:
        using CGvIconMenu::SubClassMenu;
    };

protected:
    void ShowMenu(CPoint point);
    void ScrollTo(CWnd* pEditor);
    void ShowChanges();

    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    CPoint KeyboardMenuPoint() const;
    afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<std::unique_ptr<GvVariable>> m_variables;
    GvGuid m_sourceId;
    CGvScrollWnd m_scroll;
    CPage m_page;
    CWnd m_heading;
    CWnd m_changes;
    CWnd m_status;
    int m_shownChanges;
    bool m_showGrid; // the menu's check item
    UINT m_colorId;  // its chosen radio item
    CDemoIconMenu* m_pOpenMenu;
    bool m_menuHooked;
    // Set while a scene captures from inside the open menu.
    const std::function<void()>* m_pCapture;
};
