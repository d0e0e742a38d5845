#include "variable_editors/GvVariableEditCtrl.h"

#include <new>
#include "GvApplicationInterface.h"
#include "GvMessages.h"
#include "resources/GvMFCUtilitiesRes.h"
#include "GvWindowUtils.h"

namespace {

const int kSteps = 300;
const int kPrecision = 5;

WPARAM VarFont(const CWnd* pWnd)
{
    return reinterpret_cast<WPARAM>(AfxGetStockFontForDpi(ANSI_VAR_FONT, AfxGetWindowDpi(pWnd)));
}

int Limit(int value, int lo, int hi)
{
    return value < lo ? lo : (value > hi ? hi : value);
}

void Show(CWnd& wnd, bool show)
{
    wnd.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

} // namespace

// ---- CGvSetupButton

void CGvVariableEditCtrl::CGvSetupButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDrawItemDC dc(lpDrawItemStruct);
    if (!dc.m_hDC)
        return;
    CRect rect = dc.m_rcItem;
    UINT state = DFCS_SCROLLDOWN;
    if (m_toggled)
        state |= DFCS_PUSHED;
    if (dc.m_itemState & ODS_DISABLED)
        state |= DFCS_INACTIVE;
    dc.DrawFrameControl(&rect, DFC_SCROLL, state);
    if (dc.m_itemState & ODS_FOCUS) {
        const int inset = AfxScaleForWindow(this, 2);
        rect.DeflateRect(inset, inset);
        dc.DrawFocusRect(&rect);
    }
}

void CGvVariableEditCtrl::CGvSetupButton::SetToggled(bool toggled)
{
    m_toggled = toggled;
    Invalidate(FALSE);
}

HRESULT CGvVariableEditCtrl::CGvSetupButton::get_accName(VARIANT varChild, BSTR* pszName)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccString(pszName, L"Options") : CButton::get_accName(varChild, pszName);
}

HRESULT CGvVariableEditCtrl::CGvSetupButton::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarRole, ROLE_SYSTEM_PUSHBUTTON)
                                  : CButton::get_accRole(varChild, pvarRole);
}

HRESULT CGvVariableEditCtrl::CGvSetupButton::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    if (!AfxIsAccSelf(varChild))
        return CButton::get_accState(varChild, pvarState);
    return AfxSetAccLong(pvarState, AfxAccFocusableState(this) | (m_toggled ? STATE_SYSTEM_PRESSED : 0));
}

// ---- Construction and creation

BEGIN_MESSAGE_MAP(CGvVariableEditCtrl, CGvEmbeddedDialog)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_GETMINMAXINFO()
    ON_BN_CLICKED(IDC_GV_SHOW_SETUP_CHECK, OnBnClickedShowSetupCheck)
    ON_BN_CLICKED(IDC_GV_CLAMP_CHECK, OnBnClickedClampCheck)
    ON_BN_CLICKED(IDC_GV_ACTION_BUTTON, OnBnClickedActionButton)
    ON_EN_CHANGE(IDC_GV_MIN_EDIT, OnMinControlChange)
    ON_EN_CHANGE(IDC_GV_MAX_EDIT, OnMaxControlChange)
    ON_EN_KILLFOCUS(IDC_GV_ROWS_EDIT, OnEnKillfocusRowsEdit)
    ON_EN_KILLFOCUS(IDC_GV_COLUMNS_EDIT, OnEnKillfocusColumnsEdit)
    ON_NOTIFY(UDN_DELTAPOS, IDC_GV_ROWS_SPIN, OnDeltaposRowsSpin)
    ON_NOTIFY(UDN_DELTAPOS, IDC_GV_COLUMNS_SPIN, OnDeltaposColumnsSpin)
    ON_MESSAGE(GVM_SLIDER_DELTA, OnValueSliderControlUpdated)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_GV_FIRST_VALUE_CONTROL, 0x10000, OnValueControlChange)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_GV_FIRST_VALUE_CONTROL, 0x10000, OnValueControlChange)
END_MESSAGE_MAP()

CGvVariableEditCtrl::CGvVariableEditCtrl()
    : CGvEmbeddedDialog(IDD_GV_VARIABLE_EDIT_CTRL), m_numRows(0), m_numColumns(0), m_showSetup(true), m_setupAvailable(true),
      m_rangeAvailable(true), m_actionAvailable(false), m_pVariable(nullptr), m_pSourceId(nullptr),
      m_setupOrientation(SetupOrientationBottom), m_initializing(FALSE), m_layout(), m_ctrlRows(0), m_ctrlColumns(0),
      m_valueControls(nullptr), m_valueLabels(nullptr), m_contentRect(0, 0, 0, 0), m_gridRect(0, 0, 0, 0)
{
}

CGvVariableEditCtrl::~CGvVariableEditCtrl()
{
    DeleteValueControls();
}

int CGvVariableEditCtrl::Create(HWND hParent, GvVariable* pVariable, bool showSetup, const GvGuid* pSourceId)
{
    m_pVariable = pVariable;
    const int orientation = GvDefaultSetupOrientation(IsFixedSize(), GetNumColumns(), m_setupOrientation);
    return Create(hParent, pVariable, static_cast<SetupOrientationType>(orientation), showSetup, pSourceId);
}

int CGvVariableEditCtrl::Create(HWND hParent, GvVariable* pVariable, SetupOrientationType orientation, bool showSetup,
                                const GvGuid* pSourceId)
{
    m_pVariable = pVariable;
    m_pSourceId = pSourceId;
    m_showSetup = showSetup;
    m_setupOrientation = orientation;
    return CreateFromLibrary(IDD_GV_VARIABLE_EDIT_CTRL, hParent);
}

void CGvVariableEditCtrl::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GV_SHOW_SETUP_CHECK, m_setupButton);
    DDX_Control(pDX, IDC_GV_CLAMP_CHECK, m_clampCheck);
    DDX_Control(pDX, IDC_GV_ACTION_BUTTON, m_actionButton);
    DDX_Control(pDX, IDC_GV_OPTIONS_GROUP, m_optionsGroup);
    DDX_Control(pDX, IDC_GV_VALUES_GROUP, m_valuesGroup);
    DDX_Control(pDX, IDC_GV_ROWS_LABEL, m_rowsLabel);
    DDX_Control(pDX, IDC_GV_COLUMNS_LABEL, m_columnsLabel);
    DDX_Control(pDX, IDC_GV_CLAMP_FROM_LABEL, m_clampFromLabel);
    DDX_Control(pDX, IDC_GV_CLAMP_TO_LABEL, m_clampToLabel);
    DDX_Control(pDX, IDC_GV_ROWS_EDIT, m_rowsEdit);
    DDX_Control(pDX, IDC_GV_COLUMNS_EDIT, m_columnsEdit);
    DDX_CGvSliderEdit(pDX, IDC_GV_MIN_EDIT, m_minEdit, 0);
    DDX_CGvSliderEdit(pDX, IDC_GV_MAX_EDIT, m_maxEdit, 0);
    DDX_Control(pDX, IDC_GV_VALUE_EDIT_TEMPLATE, m_valueEditTemplate);
    DDX_Control(pDX, IDC_GV_VALUE_LABEL_TEMPLATE, m_valueLabelTemplate);
    DDX_Control(pDX, IDC_GV_VALUE_FRAME_TEMPLATE, m_valueFrameTemplate);
    DDX_Text(pDX, IDC_GV_ROWS_EDIT, m_numRows);
    DDX_Text(pDX, IDC_GV_COLUMNS_EDIT, m_numColumns);
}

BOOL CGvVariableEditCtrl::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_gridScroll.CreateScrollWnd(m_hWnd, CRect(0, 0, 0, 0), WS_CHILD | WS_VISIBLE, false);
    m_scrollChildWindow.CreateEx(WS_EX_CONTROLPARENT, nullptr, L"CGvVariableEditCtrl::m_scrollChildWindow",
                                 WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, IDC_GV_VARIABLE_SCROLL_CHILD);
    GvAddSmartEraseWindow(m_hWnd, ::GetSysColor(COLOR_BTNFACE), true);
    GvAddSmartEraseIncludeWindow(m_scrollChildWindow.m_hWnd, false);
    GvAddSmartEraseIncludeWindow(m_optionsGroup.m_hWnd, false);
    GvAddSmartEraseIncludeWindow(m_valuesGroup.m_hWnd, false);
    GvInterceptMessage(m_hWnd, m_scrollChildWindow.m_hWnd, WM_COMMAND);
    GvInterceptMessage(m_hWnd, m_scrollChildWindow.m_hWnd, GVM_SLIDER_DELTA);
    m_gridScroll.AttachScrollChild(&m_scrollChildWindow);

    SendDlgItemMessage(IDC_GV_ROWS_SPIN, UDM_SETRANGE32, 1, GvGridExtent);
    SendDlgItemMessage(IDC_GV_COLUMNS_SPIN, UDM_SETRANGE32, 1, GvGridExtent);

    GvRect options = ToGvRect(ChildRect(m_optionsGroup));
    m_layout = GvMeasureGrid({ToGvRect(ChildRect(m_setupButton)), options, ToGvRect(ChildRect(m_valueFrameTemplate)),
                              ToGvRect(ChildRect(m_valueLabelTemplate)), ToGvRect(ChildRect(m_valueEditTemplate))},
                             AfxGetWindowDpi(this));
    m_setupButton.SetButtonStyle(BS_OWNERDRAW, FALSE);
    Show(m_valuesGroup, false);

    const int type = GetDynamicVariableType();
    const GvRect clampCheck = ToGvRect(ChildRect(m_clampCheck)), maxEdit = ToGvRect(ChildRect(m_maxEdit));
    if (IsFixedSize()) {
        if (type == GvDynamicVariable::DYNAMIC_BOOLEAN)
            m_setupAvailable = false;
        const GvGridActionType action = GvGridAction(true, type, GetNumRows(), GetNumColumns());
        if (action == GvGridNormalize) {
            m_actionAvailable = true;
            m_actionButton.SetWindowText(L"Normalize (xyz)");
            m_actionButton.SetButtonStyle(BS_AUTOCHECKBOX, FALSE);
            m_actionButton.SetCheck(IsNormalized() ? BST_CHECKED : BST_UNCHECKED);
        } else if (action == GvGridIdentity) {
            m_actionAvailable = true;
            m_actionButton.SetWindowText(L"Identity");
            if (GetNumRows() == GvGridExtent) {
                for (CWnd* pWnd : {static_cast<CWnd*>(&m_clampCheck), static_cast<CWnd*>(&m_clampFromLabel),
                                   static_cast<CWnd*>(&m_clampToLabel), static_cast<CWnd*>(&m_minEdit),
                                   static_cast<CWnd*>(&m_maxEdit)})
                    pWnd->EnableWindow(FALSE);
            }
        }
        m_layout.optionsWidth = GvFixedSizeOptionsWidth(clampCheck, maxEdit);
    }
    if (!m_actionAvailable) {
        Show(m_actionButton, false);
        options = GvOptionsWithoutAction(options, maxEdit, ToGvRect(ChildRect(m_actionButton)));
        m_optionsGroup.MoveWindow(ToCRect(options));
        m_layout.optionsHeight = options.Height();
    }
    if (type == GvDynamicVariable::DYNAMIC_BOOLEAN) {
        m_rangeAvailable = false;
        if (!IsFixedSize()) {
            options =
                GvOptionsOfCountsOnly(options, ToGvRect(ChildRect(m_columnsLabel)), ToGvRect(ChildRect(m_rowsEdit)));
            m_optionsGroup.MoveWindow(ToCRect(options));
            m_layout.optionsHeight = options.Height();
            // The block moves left to where the clamp check stands.
            const int dx = ChildRect(m_rowsLabel).left - clampCheck.left;
            for (int id : {IDC_GV_ROWS_LABEL, IDC_GV_ROWS_EDIT, IDC_GV_COLUMNS_EDIT, IDC_GV_ROWS_SPIN,
                           IDC_GV_COLUMNS_LABEL, IDC_GV_COLUMNS_SPIN}) {
                CWnd* pItem = GetDlgItem(id);
                CRect r = ChildRect(*pItem);
                r.OffsetRect(-dx, 0);
                pItem->MoveWindow(&r);
            }
            m_layout.optionsWidth -= dx;
        }
    }

    m_valueControls = m_valueLabels = nullptr;
    m_setupButton.SetToggled(m_showSetup);

    for (int id : {IDC_GV_SHOW_SETUP_CHECK, IDC_GV_ROWS_EDIT, IDC_GV_COLUMNS_EDIT, IDC_GV_CLAMP_CHECK, IDC_GV_MIN_EDIT,
                   IDC_GV_MAX_EDIT, IDC_GV_ACTION_BUTTON, IDC_GV_ROWS_LABEL, IDC_GV_ROWS_SPIN, IDC_GV_COLUMNS_LABEL,
                   IDC_GV_COLUMNS_SPIN, IDC_GV_CLAMP_FROM_LABEL, IDC_GV_CLAMP_TO_LABEL})
        m_placement.BindControlRelativeTo(::GetDlgItem(m_hWnd, id), m_optionsGroup.m_hWnd);

    m_toolTip.Create(this, TTS_ALWAYSTIP);
    m_toolTip.SetMaxTipWidth(::GetSystemMetrics(SM_CXSCREEN));
    m_toolTip.AddTool(&m_setupButton, L"Toggle Show / Hide Setup");
    m_toolTip.Activate(TRUE);

    m_initializing = TRUE;
    ShowSetup();
    m_initializing = FALSE;
    return TRUE;
}

// ---- Layout

void CGvVariableEditCtrl::ShowSetup()
{
    m_showSetup = m_setupButton.IsToggled();
    if (!m_setupAvailable) {
        m_showSetup = false;
        Show(m_setupButton, false);
    }
    Show(m_optionsGroup, m_showSetup);
    const bool resizable = !IsFixedSize();
    for (CWnd* pWnd :
         {static_cast<CWnd*>(&m_rowsEdit), static_cast<CWnd*>(&m_columnsEdit), static_cast<CWnd*>(&m_rowsLabel),
          static_cast<CWnd*>(&m_columnsLabel), GetDlgItem(IDC_GV_ROWS_SPIN), GetDlgItem(IDC_GV_COLUMNS_SPIN)}) {
        pWnd->EnableWindow(resizable);
        Show(*pWnd, resizable && m_showSetup);
    }
    for (CWnd* pWnd :
         {static_cast<CWnd*>(&m_clampCheck), static_cast<CWnd*>(&m_clampFromLabel), static_cast<CWnd*>(&m_clampToLabel),
          static_cast<CWnd*>(&m_minEdit), static_cast<CWnd*>(&m_maxEdit)})
        Show(*pWnd, m_showSetup && m_rangeAvailable);
    Show(m_actionButton, m_showSetup && m_actionAvailable);
    m_toolTip.UpdateTipText(m_showSetup ? L"Hide Options" : L"Show Options", &m_setupButton);
    ShowValues();
}

void CGvVariableEditCtrl::ShowValues()
{
    CRect content, grid;
    RepositionValueControls(content, grid);
    const GvSize view = GvGridViewSize(ToGvRect(content).Size(), ToGvRect(grid).Size(),
                                       ::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    CRect ideal, window;
    CalculateIdealDlgRect(CRect(0, 0, view.cx, view.cy), ideal);
    GetWindowRect(&window);
    if (ideal.Size() == window.Size()) {
        RepositionDialogControls();
        return;
    }
    SetWindowPos(nullptr, 0, 0, ideal.Width(), ideal.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
    if (!m_initializing)
        ::SendMessageW(::GetParent(m_hWnd), GVM_CHILD_RESIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CGvVariableEditCtrl::CalculateIdealDlgRect(const CRect& content, CRect& rect)
{
    const GvSize size =
        GvIdealClientSize(ToGvRect(content).Size(), m_layout, m_setupOrientation, m_setupAvailable, m_showSetup);
    rect.SetRect(0, 0, size.cx, size.cy);
    CalcWindowRect(&rect);
}

void CGvVariableEditCtrl::RepositionDialogControls()
{
    if (!m_optionsGroup.m_hWnd || !m_valuesGroup.m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    const GvOptionsLayout layout =
        GvLayoutOptions(ToGvRect(client), m_layout, m_setupOrientation, m_setupAvailable, m_showSetup);
    if (m_setupAvailable) {
        const CRect options = ToCRect(layout.options);
        m_optionsGroup.MoveWindow(&options);
        m_placement.ProcessControlPlacementContainer();
    }
    const CRect values = ToCRect(layout.values);
    m_valuesGroup.MoveWindow(&values);
    if (m_gridScroll.m_hWnd) {
        m_gridScroll.SetWindowPos(&m_valuesGroup, values.left + m_layout.marginLeft, values.top + m_layout.marginTop,
                                  values.Width() - m_layout.marginLeft - m_layout.marginRight,
                                  values.Height() - m_layout.marginTop - m_layout.marginBottom, SWP_NOACTIVATE);
        m_gridScroll.AdjustScrollWindow();
        m_gridScroll.Invalidate();
    }
    m_valuesGroup.Invalidate();
}

void CGvVariableEditCtrl::DeleteValueControls()
{
    const int count = m_ctrlRows * m_ctrlColumns;
    for (int i = 0; i < count; ++i) {
        if (m_valueControls)
            delete m_valueControls[i];
        if (m_valueLabels)
            delete m_valueLabels[i];
    }
    delete[] m_valueControls;
    delete[] m_valueLabels;
    m_valueControls = m_valueLabels = nullptr;
    m_ctrlRows = m_ctrlColumns = 0;
}

void CGvVariableEditCtrl::RepositionValueControls(CRect& content, CRect& grid)
{
    const int rows = GetNumRows(), columns = GetNumColumns();
    if (rows == m_ctrlRows && columns == m_ctrlColumns) {
        content = m_contentRect;
        grid = m_gridRect;
        return;
    }
    DeleteValueControls();
    content.SetRectEmpty();
    grid.SetRectEmpty();
    if (m_pVariable) {
        const size_t count = static_cast<size_t>(rows) * static_cast<size_t>(columns);
        m_valueControls = new (std::nothrow) CWnd*[count ? count : 1]();
        m_valueLabels = new (std::nothrow) CWnd*[count ? count : 1]();
        if (m_valueControls && m_valueLabels) {
            m_ctrlRows = rows;
            m_ctrlColumns = columns;
            GvRect gvContent, gvGrid;
            GvGridExtents(m_layout, rows, columns, &gvContent, &gvGrid);
            content = ToCRect(gvContent);
            grid = ToCRect(gvGrid);
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < columns; ++c)
                    CreateCell(r, c, GvGridCellId(r, c, columns));
        } else {
            delete[] m_valueControls;
            delete[] m_valueLabels;
            m_valueControls = m_valueLabels = nullptr;
        }
    }
    m_scrollChildWindow.SetWindowPos(nullptr, 0, 0, content.Width(), content.Height(),
                                     SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
    InitializeControls(true);
    m_contentRect = content;
    m_gridRect = grid;
}

void CGvVariableEditCtrl::CreateCell(int row, int column, int id)
{
    const GvGridCell cell = GvGridCellRects(m_layout, row, column);
    const std::wstring text = GvGridCellLabel(m_ctrlRows, m_ctrlColumns, row, column);
    const int index = GvGridArrayIndex(row, column, m_ctrlRows);
    const int type = GetDynamicVariableType();
    if (type != GvDynamicVariable::DYNAMIC_BOOLEAN) {
        CStatic* pLabel = new CStatic;
        if (pLabel->Create(text.c_str(), WS_CHILD | WS_VISIBLE | SS_RIGHT, ToCRect(cell.label), &m_scrollChildWindow,
                           static_cast<UINT>(IDC_GV_VALUE_LABEL))) {
            pLabel->SendMessage(WM_SETFONT, VarFont(this), FALSE);
            m_valueLabels[index] = pLabel;
        } else {
            delete pLabel;
        }
        CGvSliderEdit* pEdit = new CGvSliderEdit;
        if (pEdit->Create(0, 0, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, ToCRect(cell.edit), &m_scrollChildWindow,
                          id)) {
            pEdit->SendMessage(WM_SETFONT, VarFont(this), FALSE);
            pEdit->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
            m_valueControls[index] = pEdit;
        } else {
            delete pEdit;
        }
        return;
    }
    CButton* pCheck = new CButton;
    const CRect rect(cell.label.left, cell.edit.top, cell.edit.right, cell.edit.bottom);
    if (pCheck->Create(text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, rect, &m_scrollChildWindow,
                       id)) {
        pCheck->SendMessage(WM_SETFONT, VarFont(this), FALSE);
        m_valueControls[index] = pCheck;
    } else {
        delete pCheck;
    }
}

// ---- Values

void CGvVariableEditCtrl::InitializeControls(bool force)
{
    if (!m_pVariable)
        return;
    m_numRows = GetNumRows();
    m_numColumns = GetNumColumns();
    if ((m_clampCheck.GetCheck() == BST_CHECKED) != IsClamped()) {
        m_clampCheck.SetCheck(IsClamped() ? BST_CHECKED : BST_UNCHECKED);
        force = true;
    }
    if ((m_actionButton.GetCheck() == BST_CHECKED) != IsNormalized()) {
        m_actionButton.SetCheck(IsNormalized() ? BST_CHECKED : BST_UNCHECKED);
        force = true;
    }
    const int type = GetDynamicVariableType();
    const int count = m_ctrlRows * m_ctrlColumns;
    if (type == GvDynamicVariable::DYNAMIC_FLOAT || type == GvDynamicVariable::DYNAMIC_INTEGER) {
        const bool integer = type == GvDynamicVariable::DYNAMIC_INTEGER;
        float min, max;
        if (integer) {
            int lo, hi;
            GetIntegerMinMax(lo, hi);
            min = static_cast<float>(lo);
            max = static_cast<float>(hi);
        } else {
            GetFloatMinMax(min, max);
        }
        m_minEdit.SetNumericDisplayType(integer);
        m_maxEdit.SetNumericDisplayType(integer);
        if (!force && GvGridValuesEqual(m_minEdit.GetNumericValue(), min)
            && GvGridValuesEqual(m_maxEdit.GetNumericValue(), max)) {
            m_minEdit.SetSliderRange(min, max, false);
            m_maxEdit.SetSliderRange(min, max, false);
        } else {
            m_minEdit.SetData(min, min, max, false, kSteps, kPrecision, true);
            m_maxEdit.SetData(max, min, max, false, kSteps, kPrecision, true);
            force = true;
        }
        const bool clamped = IsClamped();
        for (int i = 0; i < count; ++i) {
            CGvSliderEdit* pEdit = dynamic_cast<CGvSliderEdit*>(m_valueControls[i]);
            if (!pEdit || !pEdit->m_hWnd)
                continue;
            const int row = i % m_ctrlRows, column = i / m_ctrlRows;
            const float value = integer ? static_cast<float>(GetIntegerData(row, column)) : GetFloatData(row, column);
            pEdit->SetNumericDisplayType(integer);
            if (force || !GvGridValuesEqual(pEdit->GetNumericValue(), value))
                pEdit->SetData(value, min, max, clamped, kSteps, kPrecision, true);
            else
                pEdit->SetSliderRange(min, max, clamped);
        }
    } else if (type == GvDynamicVariable::DYNAMIC_BOOLEAN) {
        if (force) {
            m_minEdit.SetData(0.0f, 0.0f, 1.0f, false, kSteps, kPrecision, true);
            m_maxEdit.SetData(1.0f, 0.0f, 1.0f, false, kSteps, kPrecision, true);
        }
        for (int i = 0; i < count; ++i) {
            CButton* pCheck = dynamic_cast<CButton*>(m_valueControls[i]);
            if (!pCheck || !pCheck->m_hWnd)
                continue;
            const bool value = GetBooleanData(i % m_ctrlRows, i / m_ctrlRows);
            if (force || (pCheck->GetCheck() == BST_CHECKED) != value)
                pCheck->SetCheck(value ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    UpdateData(FALSE);
}

void CGvVariableEditCtrl::SendChangeMessage(int kind)
{
    if (NotifyNode(kind, m_pVariable, m_pSourceId, &GvGridThrottle()))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// ---- Handlers

void CGvVariableEditCtrl::OnSize(UINT, int, int)
{
    Default();
    RepositionDialogControls();
}

void CGvVariableEditCtrl::OnDestroy()
{
    DeleteValueControls();
    Default();
}

void CGvVariableEditCtrl::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    Default();
    CRect window;
    GetWindowRect(&window);
    lpMMI->ptMinTrackSize.x = lpMMI->ptMaxTrackSize.x = window.Width();
    lpMMI->ptMinTrackSize.y = lpMMI->ptMaxTrackSize.y = window.Height();
}

void CGvVariableEditCtrl::OnBnClickedShowSetupCheck()
{
    m_setupButton.SetToggled(!m_setupButton.IsToggled());
    ShowSetup();
}

void CGvVariableEditCtrl::OnBnClickedClampCheck()
{
    if (!m_pVariable)
        return;
    SetIsClamped(m_clampCheck.GetCheck() == BST_CHECKED);
    m_pVariable->NotifyChange(nullptr, m_pVariable);
    SendChangeMessage(GvNodeChangeValue);
    InitializeControls(false);
}

void CGvVariableEditCtrl::OnBnClickedActionButton()
{
    if (!m_pVariable)
        return;
    if (IsFixedSize() && GetDynamicVariableType() == GvDynamicVariable::DYNAMIC_FLOAT) {
        const int rows = GetNumRows(), columns = GetNumColumns();
        switch (GvGridActionEffect(rows, columns)) {
        case GvGridNormalize:
            SetIsNormalized(m_actionButton.GetCheck() == BST_CHECKED);
            m_pVariable->NotifyChange(nullptr, m_pVariable);
            break;
        case GvGridIdentity:
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < columns; ++c)
                    SetFloatData(r, c, GvIdentityElement(r, c), false);
            m_pVariable->NotifyChange(nullptr, m_pVariable);
            break;
        default: break;
        }
    }
    SendChangeMessage(GvNodeChangeValue);
    InitializeControls(false);
}

void CGvVariableEditCtrl::OnMinControlChange()
{
    OnRangeControlChange(false);
}

void CGvVariableEditCtrl::OnMaxControlChange()
{
    OnRangeControlChange(true);
}

void CGvVariableEditCtrl::OnRangeControlChange(bool maximum)
{
    if (!m_pVariable)
        return;
    const float typed = (maximum ? m_maxEdit : m_minEdit).GetNumericValue();
    const int type = GetDynamicVariableType();
    if (type == GvDynamicVariable::DYNAMIC_FLOAT) {
        float min, max;
        GetFloatMinMax(min, max);
        if (GvGridValuesEqual(typed, maximum ? max : min))
            return;
        SetFloatMinMax(maximum ? min : typed, maximum ? typed : max, true);
    } else if (type == GvDynamicVariable::DYNAMIC_INTEGER) {
        int min, max;
        GetIntegerMinMax(min, max);
        const int value = GvFloatToInt(typed);
        if (value == (maximum ? max : min))
            return;
        SetIntegerMinMax(maximum ? min : value, maximum ? value : max, true);
    } else {
        return;
    }
    SendChangeMessage(GvNodeChangeValue);
    InitializeControls(false);
}

void CGvVariableEditCtrl::OnCountEditKillFocus(bool rows)
{
    if (!m_pVariable || !UpdateData(TRUE))
        return;
    int& count = rows ? m_numRows : m_numColumns;
    if (count == (rows ? GetNumRows() : GetNumColumns()))
        return;
    count = Limit(count, 1, GvGridExtent);
    if (rows)
        SetNumRows(count);
    else
        SetNumColumns(count);
    SendChangeMessage(GvNodeChangeUpdate);
    ShowSetup();
}

void CGvVariableEditCtrl::OnEnKillfocusRowsEdit()
{
    OnCountEditKillFocus(true);
}

void CGvVariableEditCtrl::OnEnKillfocusColumnsEdit()
{
    OnCountEditKillFocus(false);
}

void CGvVariableEditCtrl::OnDeltaposRowsSpin(NMHDR*, LRESULT* pResult)
{
    CommitAfterSpin(m_rowsEdit, pResult);
}

void CGvVariableEditCtrl::OnDeltaposColumnsSpin(NMHDR*, LRESULT* pResult)
{
    CommitAfterSpin(m_columnsEdit, pResult);
}

LRESULT CGvVariableEditCtrl::OnValueSliderControlUpdated(WPARAM wParam, LPARAM)
{
    CGvSliderEdit* pEdit = reinterpret_cast<CGvSliderEdit*>(wParam);
    if (pEdit) {
        const UINT id = static_cast<UINT>(pEdit->GetDlgCtrlID());
        if (id - IDC_GV_FIRST_VALUE_CONTROL <= 0x8000u)
            OnValueControlChange(id);
    }
    return 1;
}

void CGvVariableEditCtrl::OnValueControlChange(UINT nID)
{
    if (!m_pVariable)
        return;
    int row, column;
    GvGridCellFromId(static_cast<int>(nID), GetNumColumns(), &row, &column);
    CWnd* pControl = CWnd::FromHandlePermanent(::GetDlgItem(m_scrollChildWindow.m_hWnd, static_cast<int>(nID)));
    const int type = GetDynamicVariableType();
    if (type == GvDynamicVariable::DYNAMIC_BOOLEAN) {
        CButton* pCheck = dynamic_cast<CButton*>(pControl);
        if (!pCheck)
            return;
        const bool value = pCheck->GetCheck() == BST_CHECKED;
        if (value == GetBooleanData(row, column))
            return;
        SetBooleanData(row, column, value, true);
    } else {
        CGvSliderEdit* pEdit = dynamic_cast<CGvSliderEdit*>(pControl);
        if (!pEdit)
            return;
        const float value = pEdit->GetNumericValue();
        if (type == GvDynamicVariable::DYNAMIC_INTEGER) {
            const int integer = GvFloatToInt(value);
            if (integer == GetIntegerData(row, column))
                return;
            SetIntegerData(row, column, integer, true);
        } else {
            if (GvGridValuesEqual(value, GetFloatData(row, column)))
                return;
            SetFloatData(row, column, value, true);
        }
    }
    SendChangeMessage(GvNodeChangeValue);
    InitializeControls(false);
}
