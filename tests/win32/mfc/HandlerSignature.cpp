// Compiled by the tests, never linked: a handler whose signature is not the
// one MFC gives its message must not compile; with GV_RIGHT_SIGNATURE the
// same map must.
#include "platform/mfc/GvMfc.h"

class CSignatureWnd : public CWnd
{
protected:
#ifdef GV_RIGHT_SIGNATURE
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
#else
    afx_msg void OnMouseMove(UINT nFlags, POINT point);
    afx_msg UINT OnNcHitTest(CPoint point);
#endif
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSignatureWnd, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()
