#pragma once
#include <functional>
#include <memory>
#include <vector>
#include "demo/DemoPanel.h"
#include "GvShaderEditor.h"
#include "GvShaderParsing.h"

// The shader workbench: a sample shader of data/shaders in the shader editor,
// coloured from its language's keyword and syntax files, a status line fed by
// the application's status text and, for assembly, a live slot budget
// against the chosen model's limits (red and the first line past it
// highlighted when over).
class CShaderPanel : public CDemoPanel
{
public:
    // Control identifiers, for the screen checks.
    enum
    {
        IDC_FILE = 1100,
        IDC_MODEL = 1101,
        IDC_EDITOR = 1102,
        IDC_BUDGET = 1103,
        IDC_STATUS = 1104
    };

    CShaderPanel();
    ~CShaderPanel() override;

    LPCWSTR GetTitle() const override { return L"Shader workbench"; }
    LPCWSTR GetName() const override { return L"shader"; }
    BOOL CreatePanel(CWnd* pParent, const CRect& rect, UINT nID) override;
    int GetSceneCount() const override { return 5; }
    CString BeginScene(int scene) override;
    void EndScene(int scene) override;
    bool CaptureInScene(int scene, const std::function<void()>& capture) override;

    // Shows data/shaders/<file>; assembly under the model of its own version
    // instruction.
    bool ShowShader(LPCWSTR file);

    class CEditor;

protected:
    bool IsAssembly() const;
    const GvShaderModel* SelectedModel() const;
    void Recount();
    void Layout(int cx, int cy);

    afx_msg void OnFileChange();
    afx_msg void OnModelChange();
    afx_msg LRESULT OnTextChanged(WPARAM wParam, LPARAM lParam);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    std::vector<CString> m_files;
    CString m_shown;
    std::unique_ptr<CWnd> m_fileLabel, m_fileCombo, m_modelLabel, m_modelCombo, m_budget, m_status;
    std::unique_ptr<CEditor> m_pEditor;
    CFont m_font;
    GvMFCShaderASMParser m_asmParser;
    bool m_asmKeywordsLoaded = false;
    bool m_overBudget = false;
    HACCEL m_hAccel = nullptr;
};
