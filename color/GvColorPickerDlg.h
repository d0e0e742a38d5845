#pragma once
#include "color/GvColorPickerCtrl.h"

/// The free-floating "Color Editor" (template 2000) around one picker with
/// OK and Cancel. Modeless: edits the caller's outputs live, forwards every
/// change to the owner window, puts the colour it opened with back on
/// Cancel, and deletes itself once its window is destroyed (allocate it with
/// new and forget it after Create).
class GVMFCUTILITIES_API CGvColorPickerDlg : public CDialog
{
public:
    CGvColorPickerDlg();
    virtual ~CGvColorPickerDlg();

    /// Shows the dialog, owned by owner, which gets GVM_COLOR_CHANGED for every change. color (RGBA floats) and
    /// packedColor (0xAABBGGRR) are edited live and restored on Cancel; either may be null. node and nodeId, when
    /// given, are passed to NotifyNodeChanged; floatingPoint and colorType choose the picker's first display (0 RGBA, 1
    /// HSVA). FALSE when the window cannot be made; the object then still belongs to the caller.
    BOOL Create(HWND owner, const wchar_t* title, float* color, DWORD* packedColor, GvNode* node, GUID* nodeId,
                bool floatingPoint, int colorType);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChildResize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    CGvColorPickerCtrl m_picker;
    float* m_externalColor;
    DWORD* m_externalPacked;
    float m_savedColor[4];
    DWORD m_savedPacked;
    HWND m_owner;
};
