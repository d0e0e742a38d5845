#pragma once
#include <memory>
#include "demo/DemoPanel.h"
#include "GvColor.h"
#include "GvCore.h"

// The colour page: a picker embedded in the page and bound to a colour of
// the host model (a vector variable), with the host application's
// NotifyNodeChanged calls for it counted live; a button that opens the
// modeless colour editor on a second colour; and a row of colour buttons.
class CColorPanel : public CDemoPanel
{
public:
    CColorPanel();

    LPCWSTR GetTitle() const override { return L"Colour picker, colour editor and colour buttons"; }
    LPCWSTR GetName() const override { return L"color"; }
    BOOL CreatePanel(CWnd* pParent, const CRect& rect, UINT nID) override;
    int GetSceneCount() const override { return 4; }
    CString BeginScene(int scene) override;
    void EndScene(int scene) override;

protected:
    void ShowModelColor();
    void ShowEditorColor();
    void ClickPickerItem(int id, UINT code);

    afx_msg void OnOpenEditor();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChildResize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    GvVectorVariable m_node;
    GUID m_nodeId;
    float m_modelColor[4];
    float m_editorColor[4];
    DWORD m_editorPacked;
    CGvColorPickerCtrl m_picker;
    CGvColorPickerDlg* m_pEditor; // deletes itself; null once its window is gone
    CWnd m_countLabel, m_modelLabel, m_editorLabel, m_buttonsLabel;
    CButton m_openButton;
    CColorButton m_colorButtons[3];
};
