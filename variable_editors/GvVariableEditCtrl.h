#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"
#include "GvUtilities.h"
#include "GvVariables.h"
#include "GvGuid.h"
#include "numeric/GvSliderEdit.h"
#include "variable_editors/VariableGridLayout.h"
#include "window_utils/GvEmbeddedDialog.h"
#include "window_utils/GvScrollWnd.h"

/// Edits one variable of the host's model in a grid of slider edits (or check
/// boxes for boolean elements) with an options panel above, beside or below
/// it: clamping and range, an action ("Normalize (xyz)" or "Identity") and
/// row and column counts of resizable variables. Writes straight into the
/// variable and tells the application through NotifyNodeChanged, at most once
/// per 10 clock ticks for all controls together. Sizes itself to at most a
/// 4 x 4 grid plus room for scroll bars; a larger grid scrolls inside.
class GVMFCUTILITIES_API CGvVariableEditCtrl : public CGvEmbeddedDialog
{
public:
    /// Where the options panel stands relative to the grid.
    enum SetupOrientationType
    {
        SetupOrientationTop = 0,
        SetupOrientationRight = 1,
        SetupOrientationBottom = 2
    };

    /// The options toggle: a scroll-bar down arrow, pushed while toggled.
    class GVMFCUTILITIES_API CGvSetupButton : public CButton
    {
    public:
        CGvSetupButton() : m_toggled(false) { EnableActiveAccessibility(); }
        void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

        // Accessibility: a push button named "Options", pressed while toggled.
        HRESULT get_accName(VARIANT varChild, BSTR* pszName) override;
        HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
        HRESULT get_accState(VARIANT varChild, VARIANT* pvarState) override;
        /// True while the options are shown.
        virtual bool IsToggled() const { return m_toggled; }
        /// Sets the toggle and redraws the button.
        virtual void SetToggled(bool toggled);

    protected:
        bool m_toggled;
    };

    CGvVariableEditCtrl();
    virtual ~CGvVariableEditCtrl();

    /// Orientation from the variable: 1 for fixed sizes of at most 2 columns,
    /// 0 for resizable ones, else the current one.
    int Create(HWND hParent, GvVariable* pVariable, bool showSetup, const GvGuid* pSourceId);
    /// The dialog as a child of hParent editing pVariable (not owned), the options at orientation and shown when
    /// showSetup; pSourceId goes with every NotifyNodeChanged. Zero when the window cannot be made.
    int Create(HWND hParent, GvVariable* pVariable, SetupOrientationType orientation, bool showSetup,
               const GvGuid* pSourceId);

    /// Reads the variable again and remakes the grid when its shape or options changed, or always with force.
    void InitializeControls(bool force);
    /// Shows or hides the options as the setup button says and lays the dialog out.
    void ShowSetup();
    /// The variable edited.
    GvNode* GetEditNode() const { return m_pVariable; }
    /// True while the options panel is shown.
    bool GetIsSetupShown() const { return m_showSetup; }
    /// Whether the options show at the next layout.
    void SetIsSetupShown(bool show) { m_showSetup = show; }
    /// Where the options panel stands.
    SetupOrientationType GetSetupOrientation() const { return m_setupOrientation; }
    /// Where the options panel stands from the next layout.
    void SetSetupOrientation(SetupOrientationType orientation) { m_setupOrientation = orientation; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnBnClickedShowSetupCheck();
    afx_msg void OnBnClickedClampCheck();
    afx_msg void OnBnClickedActionButton();
    afx_msg void OnMinControlChange();
    afx_msg void OnMaxControlChange();
    afx_msg void OnEnKillfocusRowsEdit();
    afx_msg void OnEnKillfocusColumnsEdit();
    afx_msg void OnDeltaposRowsSpin(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposColumnsSpin(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnValueSliderControlUpdated(WPARAM wParam, LPARAM lParam);
    afx_msg void OnValueControlChange(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    /// What the control reads and writes, per kind of variable.
    int GetDynamicVariableType() const;
    int GetNumRows() const;
    int GetNumColumns() const;
    bool IsFixedSize() const;
    void SetNumRows(int rows);
    void SetNumColumns(int columns);
    bool IsClamped() const;
    void SetIsClamped(bool clamped);
    bool IsNormalized() const;
    void SetIsNormalized(bool normalized);
    void GetFloatMinMax(float& min, float& max) const;
    void GetIntegerMinMax(int& min, int& max) const;
    void GetBooleanMinMax(int& min, int& max) const;
    float GetFloatData(int row, int column) const;
    int GetIntegerData(int row, int column) const;
    bool GetBooleanData(int row, int column) const;
    void SetFloatMinMax(float a, float b, bool notify);
    void SetIntegerMinMax(int a, int b, bool notify);
    void SetBooleanMinMax(int a, int b, bool notify);
    void SetFloatData(int row, int column, float value, bool notify);
    void SetIntegerData(int row, int column, int value, bool notify);
    void SetBooleanData(int row, int column, bool value, bool notify);
    void Notify(bool notify);

    void DeleteValueControls();
    void CalculateIdealDlgRect(const CRect& content, CRect& rect);
    void RepositionDialogControls();
    void RepositionValueControls(CRect& content, CRect& grid);
    void CreateCell(int row, int column, int id);
    void ShowValues();
    void SendChangeMessage(int kind);
    void OnRangeControlChange(bool maximum);
    void OnCountEditKillFocus(bool rows);

    CGvSetupButton m_setupButton;
    CButton m_clampCheck;
    CButton m_actionButton;
    CStatic m_optionsGroup;
    CStatic m_valuesGroup;
    CStatic m_rowsLabel, m_columnsLabel;
    CStatic m_clampFromLabel, m_clampToLabel;
    CEdit m_rowsEdit, m_columnsEdit;
    CGvSliderEdit m_minEdit, m_maxEdit;
    CEdit m_valueEditTemplate, m_valueLabelTemplate;
    CStatic m_valueFrameTemplate;
    int m_numRows, m_numColumns;
    bool m_showSetup;
    bool m_setupAvailable;
    bool m_rangeAvailable;
    bool m_actionAvailable;
    GvVariable* m_pVariable;
    const GvGuid* m_pSourceId;
    SetupOrientationType m_setupOrientation;
    int m_initializing;
    GvGridMetrics m_layout;
    GvControlPlacementContainer m_placement;
    int m_ctrlRows, m_ctrlColumns;
    CWnd** m_valueControls;
    CWnd** m_valueLabels;
    CRect m_contentRect, m_gridRect;
    CWnd m_scrollChildWindow;
    /// Scrolls m_scrollChildWindow when the grid is larger than its frame.
    CGvScrollWnd m_gridScroll;
};
