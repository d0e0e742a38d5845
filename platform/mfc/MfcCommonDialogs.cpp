#include "MfcCommonDialogs.h"

void CCommonDialog::OnOK()
{
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}

CFindReplaceDialog::CFindReplaceDialog()
{
    m_fr = FINDREPLACEW();
    m_fr.lStructSize = sizeof(m_fr);
    m_szFindWhat[0] = 0;
    m_szReplaceWith[0] = 0;
}

BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCWSTR lpszFindWhat, LPCWSTR lpszReplaceWith, DWORD dwFlags,
                                CWnd* pParentWnd)
{
    if (!m_fr.lpstrFindWhat) {
        m_fr.lpstrFindWhat = m_szFindWhat;
        m_fr.wFindWhatLen = (WORD)_countof(m_szFindWhat);
    }
    if (lpszFindWhat)
        lstrcpynW(m_fr.lpstrFindWhat, lpszFindWhat, m_fr.wFindWhatLen);
    m_fr.lpstrReplaceWith = m_szReplaceWith;
    m_fr.wReplaceWithLen = (WORD)_countof(m_szReplaceWith);
    if (lpszReplaceWith)
        lstrcpynW(m_szReplaceWith, lpszReplaceWith, _countof(m_szReplaceWith));
    m_fr.Flags |= dwFlags;
    m_fr.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : ::GetActiveWindow();
    m_fr.lCustData = (LPARAM)this;
    m_pParentWnd = pParentWnd;
    AfxHookWindowCreate(this);
    HWND hWnd = bFindDialogOnly ? ::FindTextW(&m_fr) : ::ReplaceTextW(&m_fr);
    AfxUnhookWindowCreate();
    return hWnd != nullptr;
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam)
{
    const FINDREPLACEW* pRecord = reinterpret_cast<const FINDREPLACEW*>(lParam);
    return pRecord ? reinterpret_cast<CFindReplaceDialog*>(pRecord->lCustData) : nullptr;
}

void CFindReplaceDialog::PostNcDestroy()
{
    delete this;
}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
{
    m_pd = PRINTDLGW();
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
    m_pParentWnd = pParentWnd;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDevMode)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames)
        ::GlobalFree(m_pd.hDevNames);
}

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)), m_bDirect(FALSE),
      m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1), m_nNumPreviewPages(0), m_lpUserData(nullptr)
{
    SetMinPage(1);
    SetMaxPage(0xFFFF);
}

CPrintInfo::~CPrintInfo()
{
    if (m_pPD->m_pd.hDC)
        ::DeleteDC(m_pPD->m_pd.hDC);
    delete m_pPD;
}

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hwndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    return ::PrintDlgW(&m_pd) ? IDOK : IDCANCEL;
}
