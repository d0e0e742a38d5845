#pragma once
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"
#include "GvNode.h"
#include "GvUtilities.h"
#include "color/ColorPickerMath.h"
#include "color/GvColorSlider.h"
#include "color/GvColorWheel.h"
#include "numeric/GvNumericEdit.h"
#include "window_utils/GvEmbeddedDialog.h"

/// The colour editor embedded in a host window (template 2001): swatch,
/// wheel, value slider and four rows of label, edit and channel slider,
/// showing RGBA or HSVA, 0-255 or floating point, in a large or a small view.
/// Keeps its own copy of the colour, mirrors each change into the caller's
/// float and packed outputs, tells its owner GVM_COLOR_CHANGED (unless the
/// change came from outside) and the host NotifyNodeChanged, throttled
/// during drags with the end always delivered.
class GVMFCUTILITIES_API CGvColorPickerCtrl : public CGvEmbeddedDialog
{
public:
    /// The swatch: the colour without alpha inside a sunken (large view) or
    /// raised (small view) edge; a click toggles the view.
    class GVMFCUTILITIES_API CGvColorButton : public CButton
    {
    public:
        CGvColorButton();
        void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
        /// True while the swatch is drawn for the large view (sunken edge).
        virtual bool GetLargeSize() const { return m_isLargeSize; }
        /// Chooses the edge: sunken for the large view, raised for the small one.
        virtual void SetLargeSize(bool large) { m_isLargeSize = large; }
        /// The RGBA floats the swatch shows (not owned); null draws the face only.
        virtual void SetColorPointer(float* color) { m_color = color; }

        // Accessibility: a push button named "Colour swatch", its colour as description.
        HRESULT get_accName(VARIANT varChild, BSTR* pszName) override;
        HRESULT get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
        HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) override;

    protected:
        bool m_isLargeSize;
        float* m_color;
    };

    CGvColorPickerCtrl();
    virtual ~CGvColorPickerCtrl();

    /// color (RGBA floats) and packedColor (0xAABBGGRR) are the caller's
    /// outputs and initial value (the floats win); either may be null. The
    /// last argument is accepted and has no effect.
    BOOL Create(HWND parent, RECT* rect, float* color, DWORD* packedColor, GvNode* node, GUID* nodeId,
                bool floatingPoint, int colorType, bool largeSize, bool);
    /// True while the picker shows its large view (wheel, sliders and edits).
    bool GetIsLargeSize() const { return m_isLargeSize; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    void UpdateControls(HWND source);
    void UpdateTextControls();
    void UpdateCtrlSize(bool notifyParent);

    afx_msg void OnSelchangeColorTypeCombo();
    afx_msg void OnKillfocusEdit1();
    afx_msg void OnKillfocusEdit2();
    afx_msg void OnKillfocusEdit3();
    afx_msg void OnKillfocusEdit4();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnFloatingPointCheck();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnBnClickedGvColorButton();
    afx_msg LRESULT OnValueChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnValueChangeStart(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnValueChangeEnd(WPARAM wParam, LPARAM lParam);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    DECLARE_MESSAGE_MAP()

    /// The item data of the combo box's selection.
    GvPickerColorType CurrentColorType() const;
    /// The value's NotifyNodeChanged, through the throttle when one is given.
    bool NotifyValue(GvTickThrottle* throttle = nullptr);
    void RedrawAll(UINT flags);
    void BindViews();
    CGvColorSlider* SliderOfEdit(HWND hEdit);

    CButton m_floatingPointCheck;
    CGvColorButton m_colorButton;
    CGvNumericEdit m_alphaEdit, m_blueEdit, m_greenEdit, m_redEdit;
    CStatic m_alphaLabel, m_blueLabel, m_greenLabel, m_redLabel;
    CComboBox m_colorTypeCombo;
    CGvColorSlider m_valueSlider, m_alphaSlider, m_blueSlider, m_greenSlider, m_redSlider;
    CGvColorWheel m_wheel;
    GvNode* m_node;
    GUID* m_nodeId;
    HWND m_owner;
    float* m_externalColor;
    DWORD* m_externalPacked;
    GvRGBA m_color;
    GvHSV m_hsv; ///< hue as a fraction of a turn
    float m_displayScale;
    int m_displayPrecision;
    GvControlPlacementContainer m_largeLayout, m_smallLayout;
    bool m_inUpdateSize;
    bool m_initialized;
    CRect m_largeRect, m_smallRect;
    bool m_floatingPoint;
    int m_colorType;
    bool m_isLargeSize;
};
