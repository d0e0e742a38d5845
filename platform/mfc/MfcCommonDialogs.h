#pragma once
// The common find/replace and print dialogs.
#include "MfcDialog.h"
#include <commdlg.h>

// Base of the common dialogs: OK and Cancel belong to the system's dialog
// procedure, not to EndDialog.
class GVMFC_API CCommonDialog : public CDialog
{
protected:
    void OnOK() override;
    void OnCancel() override;
};

// Modeless; deletes itself when its window is destroyed, so it lives on the
// heap. Its owner hears of it through the registered message FINDMSGSTRINGW,
// whose lParam GetNotifier turns back into the object (the record's
// lCustData holds it).
class GVMFC_API CFindReplaceDialog : public CCommonDialog
{
public:
    CFindReplaceDialog();
    // A caller that set m_fr.lpstrFindWhat (and wFindWhatLen) before keeps
    // its own buffer; otherwise the dialog's is used and lpszFindWhat copied.
    virtual BOOL Create(BOOL bFindDialogOnly, LPCWSTR lpszFindWhat, LPCWSTR lpszReplaceWith = nullptr,
                        DWORD dwFlags = FR_DOWN, CWnd* pParentWnd = nullptr);
    static CFindReplaceDialog* GetNotifier(LPARAM lParam);

    CString GetFindString() const { return m_fr.lpstrFindWhat; }
    CString GetReplaceString() const { return m_fr.lpstrReplaceWith; }
    BOOL SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
    BOOL FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
    BOOL MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
    BOOL MatchWholeWord() const { return (m_fr.Flags & FR_WHOLEWORD) != 0; }
    BOOL ReplaceCurrent() const { return (m_fr.Flags & FR_REPLACE) != 0; }
    BOOL ReplaceAll() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
    BOOL IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }

    FINDREPLACEW m_fr;

protected:
    void PostNcDestroy() override;

    WCHAR m_szFindWhat[128];
    WCHAR m_szReplaceWith[128];
};

class GVMFC_API CPrintDialog : public CCommonDialog
{
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE
                                          | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;
    // IDOK when the user confirmed; the printer DC then belongs to the caller.
    virtual INT_PTR DoModal();
    HDC GetPrinterDC() const { return m_pd.hDC; }
    int GetFromPage() const { return m_pd.nFromPage; }
    int GetToPage() const { return m_pd.nToPage; }

    PRINTDLGW m_pd;
};

// What a printing view hears about the job: the drawing rectangle, the page
// range (1 to 0xFFFF until the view knows better) and the current page.
class GVMFC_API CPrintInfo
{
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = (WORD)nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = (WORD)nMaxPage; }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    UINT GetFromPage() const { return m_pPD->m_pd.nFromPage; }
    UINT GetToPage() const { return m_pPD->m_pd.nToPage; }

    CPrintDialog* m_pPD;
    BOOL m_bDirect;
    BOOL m_bPreview;
    BOOL m_bContinuePrinting;
    UINT m_nCurPage;
    UINT m_nNumPreviewPages;
    LPVOID m_lpUserData;
    CRect m_rectDraw;
    CString m_strPageDesc;
};
