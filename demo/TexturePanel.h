#pragma once
#include <memory>
#include <vector>
#include "demo/DemoPanel.h"
#include "GvVariableEditors.h"
#include "GvWindowUtils.h"

class GvTextureVariable;

// One texture edit control per kind of sample texture (2-D with mip levels,
// volume, cube map, with alpha, a render target), side by side on a strip
// that scrolls in a CGvScrollWnd. Files dropped from the shell onto a
// control replace its texture.
class CTexturePanel : public CDemoPanel
{
public:
    CTexturePanel();
    ~CTexturePanel() override;
    LPCWSTR GetTitle() const override { return L"Texture edit controls"; }
    LPCWSTR GetName() const override { return L"texture"; }
    BOOL CreatePanel(CWnd* pParent, const CRect& rect, UINT nID) override;
    int GetSceneCount() const override { return 4; }
    CString BeginScene(int scene) override;
    void EndScene(int scene) override;

protected:
    // Holds the controls in a row and grows with them.
    class CStrip : public CWnd
    {
    public:
        std::vector<std::unique_ptr<CGvTextureEditCtrl>> m_controls;
        void Arrange();

    protected:
        afx_msg LRESULT OnChildResize(WPARAM wParam, LPARAM lParam);
        DECLARE_MESSAGE_MAP()
    };

    CGvTextureEditCtrl& Control(int index) { return *m_strip.m_controls[index]; }
    // Scrolls the strip so that the control's left edge shows.
    void ScrollTo(int index);

    std::vector<std::unique_ptr<GvTextureVariable>> m_textures;
    CGvScrollWnd m_scroll;
    CStrip m_strip;
};
