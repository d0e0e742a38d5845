#include "color/GvColorPickerCtrl.h"

#include "GvCore.h"
#include "GvMessages.h"
#include "GvWindowUtils.h"
#include "color/ColorPickerMath.h"
#include "platform/mfc/MfcPortableTypes.h"
#include "window_utils/ScrollMath.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

const UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
const int kPickerIconId = 11;

static_assert(sizeof(GvRGBA) == 4 * sizeof(float) && sizeof(GvHSV) == 3 * sizeof(float),
              "the wheel and the sliders point into the colour as float arrays");

CRect WindowRectOf(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect;
}

} // namespace

CGvColorPickerCtrl::CGvColorButton::CGvColorButton() : m_isLargeSize(true), m_color(nullptr)
{
    EnableActiveAccessibility();
}

void CGvColorPickerCtrl::CGvColorButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDrawItemDC dc(lpDrawItemStruct);
    if (!dc.m_hDC)
        return;
    CRect rect = dc.m_rcItem;
    // The system's edge is two lines of one pixel; scaled, each line is drawn
    // as many times as it has pixels.
    const int edge = AfxScaleForWindow(this, 2);
    for (int line = 0; line < edge; ++line) {
        const UINT outer = m_isLargeSize ? BDR_SUNKENOUTER : BDR_RAISEDOUTER;
        const UINT inner = m_isLargeSize ? BDR_SUNKENINNER : BDR_RAISEDINNER;
        dc.DrawEdge(&rect, line < (edge + 1) / 2 ? outer : inner, BF_RECT | BF_ADJUST);
    }
    const COLORREF fill =
        m_color ? RGB(GvChannel8(m_color[0]), GvChannel8(m_color[1]), GvChannel8(m_color[2])) : RGB(0, 0, 0);
    dc.FillSolidRect(&rect, fill);
    if (dc.m_itemState & ODS_FOCUS) {
        CRect focus = dc.m_rcItem;
        focus.DeflateRect(edge, edge);
        dc.DrawFocusRect(&focus);
    }
}

HRESULT CGvColorPickerCtrl::CGvColorButton::get_accName(VARIANT varChild, BSTR* pszName)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccString(pszName, L"Colour swatch")
                                  : CButton::get_accName(varChild, pszName);
}

HRESULT CGvColorPickerCtrl::CGvColorButton::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    if (!AfxIsAccSelf(varChild) || !m_color)
        return CButton::get_accDescription(varChild, pszDescription);
    const std::u16string text = GvColorAccessibleText({m_color[0], m_color[1], m_color[2], m_color[3]});
    return AfxSetAccString(pszDescription, reinterpret_cast<LPCWSTR>(text.c_str()));
}

HRESULT CGvColorPickerCtrl::CGvColorButton::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarRole, ROLE_SYSTEM_PUSHBUTTON)
                                  : CButton::get_accRole(varChild, pvarRole);
}

BEGIN_MESSAGE_MAP(CGvColorPickerCtrl, CGvEmbeddedDialog)
    ON_CBN_SELCHANGE(IDC_GV_COLOR_TYPE_COMBO, OnSelchangeColorTypeCombo)
    ON_EN_KILLFOCUS(IDC_GV_RED_EDIT, OnKillfocusEdit1)
    ON_EN_KILLFOCUS(IDC_GV_GREEN_EDIT, OnKillfocusEdit2)
    ON_EN_KILLFOCUS(IDC_GV_BLUE_EDIT, OnKillfocusEdit3)
    ON_EN_KILLFOCUS(IDC_GV_ALPHA_EDIT, OnKillfocusEdit4)
    ON_WM_MOUSEWHEEL()
    ON_BN_CLICKED(IDC_GV_FLOATING_POINT_CHECK, OnFloatingPointCheck)
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_GV_COLOR_BUTTON, OnBnClickedGvColorButton)
    ON_MESSAGE(GVM_VALUE_CHANGED, OnValueChanged)
    ON_MESSAGE(GVM_COLOR_CHANGED, OnColorChanged)
    ON_MESSAGE(GVM_VALUE_CHANGE_START, OnValueChangeStart)
    ON_MESSAGE(GVM_VALUE_CHANGE_END, OnValueChangeEnd)
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CGvColorPickerCtrl::CGvColorPickerCtrl()
    : CGvEmbeddedDialog(IDD_GV_COLOR_PICKER_CTRL), m_node(nullptr), m_nodeId(nullptr), m_owner(nullptr), m_externalColor(nullptr),
      m_externalPacked(nullptr), m_color{1.0f, 1.0f, 1.0f, 1.0f}, m_hsv(GvPickerHSVOf(m_color)), m_displayScale(255.0f),
      m_displayPrecision(0), m_inUpdateSize(false), m_initialized(false), m_largeRect(0, 0, 0, 0),
      m_smallRect(0, 0, 0, 0), m_floatingPoint(false), m_colorType(0), m_isLargeSize(true)
{
}

CGvColorPickerCtrl::~CGvColorPickerCtrl()
{
}

BOOL CGvColorPickerCtrl::Create(HWND parent, RECT* rect, float* color, DWORD* packedColor, GvNode* node, GUID* nodeId,
                                bool floatingPoint, int colorType, bool largeSize, bool)
{
    m_node = node;
    m_nodeId = nodeId;
    m_externalColor = color;
    m_externalPacked = packedColor;
    m_floatingPoint = floatingPoint;
    m_owner = parent;
    m_colorType = colorType;
    m_isLargeSize = largeSize;
    const BOOL created = CreateFromLibrary(IDD_GV_COLOR_PICKER_CTRL, parent);
    if (created && rect)
        SetWindowPos(nullptr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                     SWP_NOZORDER | SWP_FRAMECHANGED);
    GvAddSmartEraseWindow(m_hWnd, ::GetSysColor(COLOR_BTNFACE), true);
    return created;
}

void CGvColorPickerCtrl::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GV_FLOATING_POINT_CHECK, m_floatingPointCheck);
    DDX_Control(pDX, IDC_GV_COLOR_BUTTON, m_colorButton);
    DDX_Control(pDX, IDC_GV_ALPHA_EDIT, m_alphaEdit);
    DDX_Control(pDX, IDC_GV_BLUE_EDIT, m_blueEdit);
    DDX_Control(pDX, IDC_GV_GREEN_EDIT, m_greenEdit);
    DDX_Control(pDX, IDC_GV_RED_EDIT, m_redEdit);
    DDX_Control(pDX, IDC_GV_ALPHA_LABEL, m_alphaLabel);
    DDX_Control(pDX, IDC_GV_BLUE_LABEL, m_blueLabel);
    DDX_Control(pDX, IDC_GV_GREEN_LABEL, m_greenLabel);
    DDX_Control(pDX, IDC_GV_RED_LABEL, m_redLabel);
    DDX_Control(pDX, IDC_GV_COLOR_TYPE_COMBO, m_colorTypeCombo);
    DDX_Control(pDX, IDC_GV_VALUE_SLIDER, m_valueSlider);
    DDX_Control(pDX, IDC_GV_ALPHA_SLIDER, m_alphaSlider);
    DDX_Control(pDX, IDC_GV_BLUE_SLIDER, m_blueSlider);
    DDX_Control(pDX, IDC_GV_GREEN_SLIDER, m_greenSlider);
    DDX_Control(pDX, IDC_GV_RED_SLIDER, m_redSlider);
    DDX_Control(pDX, IDC_GV_COLOR_WHEEL, m_wheel);
}

BOOL CGvColorPickerCtrl::OnInitDialog()
{
    if (!CDialog::OnInitDialog())
        return FALSE; // a control of the template is missing: the creation fails
    m_floatingPointCheck.SetCheck(m_floatingPoint ? BST_CHECKED : BST_UNCHECKED);
    const bool checked = m_floatingPointCheck.GetCheck() == BST_CHECKED;
    m_displayScale = checked ? 1.0f : 255.0f;
    m_displayPrecision = checked ? 4 : 0;

    m_colorButton.SetLargeSize(m_isLargeSize);
    m_colorButton.SetColorPointer(&m_color.r);
    m_alphaSlider.m_value = &m_color.a;
    m_valueSlider.m_value = &m_hsv.v;
    m_wheel.m_color = &m_color.r;
    m_redSlider.m_pValueEdit = &m_redEdit;
    m_greenSlider.m_pValueEdit = &m_greenEdit;
    m_blueSlider.m_pValueEdit = &m_blueEdit;
    m_alphaSlider.m_pValueEdit = &m_alphaEdit;

    CGvNumericEdit* const edits[4] = {&m_redEdit, &m_greenEdit, &m_blueEdit, &m_alphaEdit};
    for (CGvNumericEdit* pEdit : edits)
        pEdit->SetData(0.0f, m_displayPrecision, true);

    if (m_externalPacked)
        m_color = GvRGBA::FromPacked(*m_externalPacked);
    if (m_externalColor)
        m_color = {m_externalColor[0], m_externalColor[1], m_externalColor[2], m_externalColor[3]};
    m_hsv = GvPickerHSVOf(m_color);

    m_colorTypeCombo.SetItemData(m_colorTypeCombo.AddString(L"RGB"), GvPickerRGB);
    m_colorTypeCombo.SetItemData(m_colorTypeCombo.AddString(L"HSV"), GvPickerHSV);
    int selection = 0;
    for (int i = 0; i < m_colorTypeCombo.GetCount(); ++i)
        if (m_colorTypeCombo.GetItemData(i) == static_cast<DWORD_PTR>(m_colorType))
            selection = i;
    m_colorTypeCombo.SetCurSel(selection);
    OnSelchangeColorTypeCombo();

    m_redEdit.SetFocus();
    if (IGvApplication* pApp = getGvApp())
        SetIcon(pApp->GetAppIcon(kPickerIconId, 0), TRUE);

    GetClientRect(&m_largeRect);
    BindViews();

    m_toolTip.Create(this, TTS_ALWAYSTIP);
    m_toolTip.SetMaxTipWidth(::GetSystemMetrics(SM_CXFULLSCREEN));
    CWnd* const tools[5] = {&m_colorButton, &m_redSlider, &m_greenSlider, &m_blueSlider, &m_alphaSlider};
    for (CWnd* pTool : tools)
        m_toolTip.AddTool(pTool, LPSTR_TEXTCALLBACKW);
    m_toolTip.Activate(TRUE);

    UpdateCtrlSize(false);
    m_initialized = true;
    return FALSE;
}

void CGvColorPickerCtrl::BindViews()
{
    CWnd* const rows[4][2] = {{&m_redLabel, &m_redSlider},
                              {&m_greenLabel, &m_greenSlider},
                              {&m_blueLabel, &m_blueSlider},
                              {&m_alphaLabel, &m_alphaSlider}};
    CWnd* const hidden[8] = {&m_colorTypeCombo, &m_floatingPointCheck, &m_valueSlider, &m_redEdit,
                             &m_greenEdit,      &m_blueEdit,           &m_alphaEdit,   &m_wheel};

    // Large view: the bottom row stays at the bottom, the rows move with it,
    // the sliders stretch to the value slider's right edge and the wheel
    // fills what is left above them.
    m_largeLayout.BindControlRelativeBottom(m_colorTypeCombo, 0);
    m_largeLayout.BindControlRelativeBottom(m_floatingPointCheck, 0);
    CWnd* const moving[12] = {&m_redSlider, &m_greenSlider, &m_blueSlider, &m_alphaSlider, &m_redEdit,   &m_greenEdit,
                              &m_blueEdit,  &m_alphaEdit,   &m_redLabel,   &m_greenLabel,  &m_blueLabel, &m_alphaLabel};
    for (CWnd* pWnd : moving)
        m_largeLayout.BindControlRelativeTo(*pWnd, m_colorTypeCombo);
    m_largeLayout.BindControlRelativeRight(m_valueSlider, 0);
    for (const auto& row : rows)
        m_largeLayout.Bind(*row[1], GV_LOCATION_RIGHT, m_valueSlider, GV_LOCATION_RIGHT, 0, 0.0f, true);
    m_largeLayout.Bind(m_valueSlider, GV_LOCATION_BOTTOM, m_redSlider, GV_LOCATION_TOP, 0, 0.0f, true);
    m_largeLayout.Bind(m_wheel, GV_LOCATION_RIGHT, m_valueSlider, GV_LOCATION_LEFT, 0, 0.0f, true);
    m_largeLayout.Bind(m_wheel, GV_LOCATION_BOTTOM, m_redSlider, GV_LOCATION_TOP, 0, 0.0f, true);
    for (CWnd* pWnd : hidden)
        m_largeLayout.BindControlVisibility(*pWnd, true);

    // Small view: the swatch, then one row of label and slider per channel.
    for (CWnd* pWnd : hidden)
        m_smallLayout.BindControlVisibility(*pWnd, false);
    const int gap = AfxScaleForWindow(this, 4);
    const int dy = WindowRectOf(m_redLabel).top - WindowRectOf(m_redSlider).top;
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    const int clientRightInset = client.right - WindowRectOf(*this).right;
    for (int i = 0; i < 4; ++i) {
        CWnd& label = *rows[i][0];
        CWnd& slider = *rows[i][1];
        if (i == 0) {
            m_smallLayout.BindControlTop(label, dy);
            m_smallLayout.BindControlRightOf(label, m_colorButton, gap);
            m_smallLayout.BindControlTop(slider, 0);
        } else {
            m_smallLayout.BindControlBottomOf(label, *rows[i - 1][1], dy);
            m_smallLayout.BindControlRightOf(label, m_colorButton, gap);
            m_smallLayout.BindControlBottomOf(slider, *rows[i - 1][1], 0);
        }
        m_smallLayout.BindControlRightOf(slider, label, 0);
        m_smallLayout.Bind(slider, GV_LOCATION_RIGHT, m_hWnd, GV_LOCATION_RIGHT, clientRightInset, 0.0f, true);
    }
    const GvSize small = GvPickerSmallViewSize(WindowRectOf(m_redLabel).Width(), WindowRectOf(m_redSlider).Width(),
                                               WindowRectOf(m_colorButton).Width(), WindowRectOf(m_redSlider).Height(),
                                               AfxGetWindowDpi(this));
    m_smallRect.SetRect(0, 0, small.cx, small.cy);
}

GvPickerColorType CGvColorPickerCtrl::CurrentColorType() const
{
    const int selection = m_colorTypeCombo.GetCurSel();
    return selection != CB_ERR && m_colorTypeCombo.GetItemData(selection) == GvPickerHSV ? GvPickerHSV : GvPickerRGB;
}

bool CGvColorPickerCtrl::NotifyValue(GvTickThrottle* throttle)
{
    return NotifyNode(GvNodeChangeValue, m_node, m_nodeId, throttle);
}

void CGvColorPickerCtrl::RedrawAll(UINT flags)
{
    RedrawWindow(nullptr, nullptr, flags);
}

void CGvColorPickerCtrl::UpdateControls(HWND source)
{
    const GvPickerColorType type = CurrentColorType();
    const bool hsv = type == GvPickerHSV;
    m_redSlider.m_value = hsv ? &m_hsv.h : &m_color.r;
    m_greenSlider.m_value = hsv ? &m_hsv.s : &m_color.g;
    m_blueSlider.m_value = hsv ? &m_hsv.v : &m_color.b;

    float values[4];
    GvPickerEditValues(type, m_color, m_hsv, m_displayScale, values);
    CGvNumericEdit* const edits[4] = {&m_redEdit, &m_greenEdit, &m_blueEdit, &m_alphaEdit};
    for (int i = 0; i < 4; ++i)
        if (GvPickerEditDiffers(edits[i]->GetNumericValue(), values[i]))
            edits[i]->SetData(values[i], hsv ? 4 : m_displayPrecision, !hsv);

    CGvColorSlider* const sliders[5] = {&m_redSlider, &m_greenSlider, &m_blueSlider, &m_alphaSlider, &m_valueSlider};
    for (int i = 0; i < 5; ++i)
        sliders[i]->m_stopCount =
            GvPickerSliderStops(type, static_cast<GvPickerSliderType>(i), m_color, m_hsv, sliders[i]->m_stops);

    if (m_externalColor) {
        m_externalColor[0] = m_color.r;
        m_externalColor[1] = m_color.g;
        m_externalColor[2] = m_color.b;
        m_externalColor[3] = m_color.a;
    }
    if (m_externalPacked)
        *m_externalPacked = GvPickerPack(m_color);

    const WPARAM self = reinterpret_cast<WPARAM>(m_hWnd);
    m_wheel.SendMessage(GVM_COLOR_CHANGED, self, 0);
    for (CGvColorSlider* pSlider : sliders)
        pSlider->SendMessage(GVM_VALUE_CHANGED, self, 0);
    m_colorButton.Invalidate(TRUE);

    if (m_owner && (!source || source == m_hWnd || ::IsChild(m_hWnd, source)))
        ::SendMessageW(m_owner, GVM_COLOR_CHANGED, self, 0);
}

void CGvColorPickerCtrl::UpdateTextControls()
{
    const float typed[4] = {m_redEdit.GetNumericValue(), m_greenEdit.GetNumericValue(), m_blueEdit.GetNumericValue(),
                            m_alphaEdit.GetNumericValue()};
    GvPickerApplyTyped(CurrentColorType(), typed, m_displayScale, m_color, m_hsv);
    UpdateControls(m_colorTypeCombo.m_hWnd);
    NotifyValue();
    RedrawAll(kRedrawAll);
}

void CGvColorPickerCtrl::UpdateCtrlSize(bool notifyParent)
{
    m_toolTip.UpdateTipText(m_isLargeSize ? L"Small View" : L"Large View", &m_colorButton);
    CRect rect = m_isLargeSize ? m_largeRect : m_smallRect;
    CalcWindowRect(&rect);
    m_inUpdateSize = true;
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    m_inUpdateSize = false;
    if (!notifyParent)
        return;
    if (HWND hParent = ::GetParent(m_hWnd))
        ::SendMessageW(hParent, GVM_CHILD_RESIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
    CRect client;
    GetClientRect(&client);
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
}

void CGvColorPickerCtrl::OnSelchangeColorTypeCombo()
{
    const bool hsv = CurrentColorType() == GvPickerHSV;
    m_redLabel.SetWindowText(hsv ? L"H:" : L"R:");
    m_greenLabel.SetWindowText(hsv ? L"S:" : L"G:");
    m_blueLabel.SetWindowText(hsv ? L"V:" : L"B:");
    m_alphaLabel.SetWindowText(L"A:");
    if (hsv)
        m_hsv = GvPickerHSVOf(m_color);
    else
        GvPickerSetRGB(m_color, m_hsv);
    m_floatingPointCheck.EnableWindow(!hsv);
    UpdateControls(m_colorTypeCombo.m_hWnd);
    UpdateControls(m_floatingPointCheck.m_hWnd);
}

void CGvColorPickerCtrl::OnKillfocusEdit1()
{
    UpdateTextControls();
}

void CGvColorPickerCtrl::OnKillfocusEdit2()
{
    UpdateTextControls();
}

void CGvColorPickerCtrl::OnKillfocusEdit3()
{
    UpdateTextControls();
}

void CGvColorPickerCtrl::OnKillfocusEdit4()
{
    UpdateTextControls();
}

CGvColorSlider* CGvColorPickerCtrl::SliderOfEdit(HWND hEdit)
{
    if (!hEdit)
        return nullptr;
    if (hEdit == m_redEdit.m_hWnd)
        return &m_redSlider;
    if (hEdit == m_greenEdit.m_hWnd)
        return &m_greenSlider;
    if (hEdit == m_blueEdit.m_hWnd)
        return &m_blueSlider;
    if (hEdit == m_alphaEdit.m_hWnd)
        return &m_alphaSlider;
    return nullptr;
}

BOOL CGvColorPickerCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (CGvColorSlider* pSlider = SliderOfEdit(::GetFocus())) {
        const int notches = GvWheelNotches(zDelta);
        for (int i = 0; i < notches; ++i)
            pSlider->SendMessage(WM_KEYDOWN, zDelta > 0 ? VK_UP : VK_DOWN, 0);
    }
    return (BOOL)Default();
}

void CGvColorPickerCtrl::OnFloatingPointCheck()
{
    const bool checked = m_floatingPointCheck.GetCheck() == BST_CHECKED;
    m_displayScale = checked ? 1.0f : 255.0f;
    m_displayPrecision = checked ? 4 : 0;
    UpdateControls(m_floatingPointCheck.m_hWnd);
}

void CGvColorPickerCtrl::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_initialized && !m_inUpdateSize)
        (m_isLargeSize ? m_largeRect : m_smallRect).SetRect(0, 0, cx, cy);
    (m_isLargeSize ? m_largeLayout : m_smallLayout).ProcessControlPlacementContainer();
}

void CGvColorPickerCtrl::OnBnClickedGvColorButton()
{
    m_isLargeSize = !m_isLargeSize;
    m_colorButton.SetLargeSize(m_isLargeSize);
    UpdateCtrlSize(true);
}

LRESULT CGvColorPickerCtrl::OnValueChanged(WPARAM wParam, LPARAM lParam)
{
    GvPickerSliderMoved(CurrentColorType(), reinterpret_cast<HWND>(wParam) == m_valueSlider.m_hWnd, m_color, m_hsv);
    UpdateControls(reinterpret_cast<HWND>(lParam));
    if (NotifyValue(&GvPickerValueThrottle()))
        RedrawAll(kRedrawAll);
    return 1;
}

LRESULT CGvColorPickerCtrl::OnColorChanged(WPARAM wParam, LPARAM lParam)
{
    if (const float* pColor = reinterpret_cast<const float*>(lParam)) {
        m_color = {pColor[0], pColor[1], pColor[2], pColor[3]};
        RedrawAll(kRedrawAll);
    }
    m_hsv = GvPickerHSVOf(m_color);
    // An outside colour names no window of ours, so the owner is not told.
    UpdateControls(reinterpret_cast<HWND>(lParam));
    if (!lParam && NotifyValue(&GvPickerColorThrottle()))
        RedrawAll(RDW_ALLCHILDREN | RDW_UPDATENOW);
    return 1;
}

LRESULT CGvColorPickerCtrl::OnValueChangeStart(WPARAM, LPARAM)
{
    return 1;
}

LRESULT CGvColorPickerCtrl::OnValueChangeEnd(WPARAM, LPARAM)
{
    NotifyValue();
    RedrawAll(kRedrawAll);
    return 1;
}

void CGvColorPickerCtrl::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CDialog::OnGetMinMaxInfo(lpMMI);
    if (!m_alphaSlider.m_hWnd)
        return;
    const CRect alpha = ChildRect(m_alphaSlider);
    const UINT dpi = AfxGetWindowDpi(this);
    const GvSize minimum = m_isLargeSize
                               ? GvPickerLargeMinimum(ToGvRect(alpha), ToGvRect(ChildRect(m_colorButton)),
                                                      ToGvRect(ChildRect(m_redSlider)),
                                                      ToGvRect(ChildRect(m_colorTypeCombo)), dpi)
                               : GvPickerSmallMinimum(ToGvRect(alpha), dpi);
    CRect window(0, 0, minimum.cx, minimum.cy);
    CalcWindowRect(&window);
    lpMMI->ptMinTrackSize = CPoint(window.Width(), window.Height());
    lpMMI->ptMaxTrackSize =
        CPoint(::GetSystemMetrics(SM_CXSCREEN), m_isLargeSize ? ::GetSystemMetrics(SM_CYSCREEN) : window.Height());
}

BOOL CGvColorPickerCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHeader = reinterpret_cast<NMHDR*>(lParam);
    if (pHeader && pHeader->code == TTN_GETDISPINFOW && !m_isLargeSize) {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        const HWND hUnder = ::WindowFromPoint(cursor);
        CGvNumericEdit* const edits[4] = {&m_redEdit, &m_greenEdit, &m_blueEdit, &m_alphaEdit};
        CGvColorSlider* const sliders[4] = {&m_redSlider, &m_greenSlider, &m_blueSlider, &m_alphaSlider};
        for (int i = 0; i < 4; ++i)
            if (hUnder && hUnder == sliders[i]->m_hWnd) {
                NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(lParam);
                edits[i]->GetWindowText(pInfo->szText, 80);
                pInfo->lpszText = pInfo->szText;
            }
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}
