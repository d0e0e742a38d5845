#pragma once
#include "demo/DemoPanel.h"
#include "platform/edit/BCGPEditCtrl.h"

// The editor control with the HLSL syntax file and a sample shader, ready to
// type into; its second scene shows a selection and a marked line.
class CEditorPanel : public CDemoPanel
{
public:
    LPCWSTR GetTitle() const override { return L"Code editor"; }
    LPCWSTR GetName() const override { return L"editor"; }
    BOOL CreatePanel(CWnd* pParent, const CRect& rect, UINT nID) override;
    int GetSceneCount() const override { return 2; }
    CString BeginScene(int scene) override;
    void EndScene(int scene) override;

protected:
    CBCGPEditCtrl m_edit;
    int m_marker = 0;
};
