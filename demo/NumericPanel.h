#pragma once
#include <memory>
#include <vector>
#include "demo/DemoPanel.h"
#include "GvNumeric.h"

// Numeric edits and slider edits in every display form, each with its live
// value beside it (refreshed on the edit's focus loss and on every slider
// message).
class CNumericPanel : public CDemoPanel
{
public:
    LPCWSTR GetTitle() const override { return L"Numeric edits and slider edits"; }
    LPCWSTR GetName() const override { return L"numeric"; }
    BOOL CreatePanel(CWnd* pParent, const CRect& rect, UINT nID) override;
    int GetSceneCount() const override { return 2; }
    CString BeginScene(int scene) override;
    void EndScene(int scene) override;

    struct RowSetup;

protected:
    struct Row
    {
        const RowSetup* pSetup;
        std::unique_ptr<CWnd> label;
        std::unique_ptr<CGvNumericEdit> edit;
        std::unique_ptr<CWnd> value;
    };

    void ShowValue(Row& row);
    Row* FindRow(const CWnd* pEdit);

    afx_msg void OnEditKillFocus(UINT nID);
    afx_msg LRESULT OnSliderMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    std::vector<Row> m_rows;
};
