#pragma once
// CDialog (modeless, from a template found through the current resource
// handle) and dialog data exchange.
#include "MfcWnd.h"

class GVMFC_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls → members
    CWnd* m_pDlgWnd;

    // The control's window; a missing control throws CNotSupportedException.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Gives the focus back to the last prepared control and ends the exchange
    // (UpdateData returns FALSE).
    [[noreturn]] void Fail();

    HWND m_hWndLastControl;
    BOOL m_bEditLastControl;
};

// Attaches rControl to the dialog's control by subclassing it (once).
GVMFC_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Integers as window text. Text that is not an integer shows
// "Please enter an integer." and fails the exchange.
GVMFC_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
GVMFC_API void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);

class GVMFC_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    // Modeless creation. The template is looked up through the current
    // resource handle only (AfxGetResourceHandle). A dialog ended during its
    // initialisation (EndDialog) is destroyed again and the creation fails.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATEW lpDialogTemplate, CWnd* pParentWnd = nullptr,
                                HINSTANCE hInst = nullptr);

    virtual BOOL OnInitDialog();
    void EndDialog(int nResult);
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
    void NextDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl) { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1); }
    DWORD GetDefID() const { return (DWORD)::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0); }
    void SetDefID(UINT nID) { ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0); }
    BOOL PreTranslateMessage(MSG* pMsg) override;

    LPCWSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    // The constructor's parent, taken when Create is given none.
    CWnd* m_pParentWnd;

protected:
    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    // EndDialog was called since the last creation began.
    bool m_ended;
};
