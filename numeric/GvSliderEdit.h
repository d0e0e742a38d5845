#pragma once
#include "numeric/GvNumericEdit.h"

class CPopupSlider;

/// A numeric edit with a drop-down button in its non-client area (80 % of the
/// client height wide, at the right or left end). The button, or the Down
/// arrow, opens a pop-up slider under it; each swept value is shown and
/// forwarded to the notify window (by default the parent) with this object as
/// wParam.
class GVMFCUTILITIES_API CGvSliderEdit : public CGvNumericEdit
{
public:
    /// How the drop-down button is drawn.
    enum MouseButtonState
    {
        MouseButtonNormal = 0,
        MouseButtonPushed = 1,
        MouseButtonDisabled = 2
    };

    CGvSliderEdit();
    /// Closes an open pop-up, which would otherwise outlive its owner.
    virtual ~CGvSliderEdit();

    /// The numeric edit's Init and SetData stay callable beside the slider's.
    using CGvNumericEdit::Init;
    using CGvNumericEdit::SetData;

    /// Creates the edit (class EDIT) with the button at the right (alignment 0) or left end, and takes its parent's
    /// font. Zero when the window cannot be made.
    virtual int Create(int alignment, DWORD dwExStyle, LPCWSTR lpszText, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID);
    /// As CGvNumericEdit::Init, with the slider's range and the window told of every swept value (null: the parent).
    void Init(CWnd* pNotifyWnd, float value, float min, float max, bool clamp, int numSteps, int precision,
              bool allowNegative);
    /// Value, slider range (clamp: the slider never leaves it), steps of the slider (0: continuous), digits after the
    /// point and whether a minus sign may be typed.
    void SetData(float value, float min, float max, bool clamp, int numSteps, int precision, bool allowNegative);
    /// The range the pop-up slider sweeps; clamp keeps values inside it.
    void SetSliderRange(float min, float max, bool clamp);
    /// The range as set, or as the pop-up left it after a range drag.
    void GetSliderRange(float& min, float& max, bool& clamp) const;
    /// Takes effect at the next non-client size calculation.
    void SetAlignment(int alignment) { m_alignment = alignment; }

protected:
    void SliderButtonClicked();
    void DrawSliderButton(MouseButtonState state);
    BOOL IsScreenPtInSliderButtonRect(CPoint screenPoint) const;
    int GetIntPosition() const;
    int GetPosPerc() const;
    void OnInvalidInput();

    CWnd* GetNotifyWnd();
    void RecalcFrame();
    void EndButtonTracking();
    void DestroyPopup();
    bool PopupHasFocus() const;
    /// The window went before the object: an open pop-up goes with it.
    void PostNcDestroy() override;

    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnUpdate();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnSliderDelta(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSliderClose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSliderRangeChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    float m_sliderMin;
    float m_sliderMax;
    bool m_clampToRange;
    int m_numSteps;
    int m_alignment;
    BOOL m_buttonTracking;
    CRect m_buttonRect;
    MouseButtonState m_buttonState;
    CPopupSlider* m_pPopup;
    CWnd* m_pNotifyWnd;

    friend GVMFCUTILITIES_API void DDX_CGvSliderEdit(CDataExchange* pDX, int nIDC, CGvSliderEdit& rControl,
                                                     int alignment);
};

/// Attaches rControl to the dialog's edit nIDC (once, when it has no window).
GVMFCUTILITIES_API void DDX_CGvSliderEdit(CDataExchange* pDX, int nIDC, CGvSliderEdit& rControl, int alignment);
