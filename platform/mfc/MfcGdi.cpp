#include "MfcGdi.h"
#include "MfcWnd.h"
#include "MfcState.h"
#include "platform/portable/DpiScale.h"
#include <map>
#include <mutex>
#include <utility>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)
IMPLEMENT_DYNAMIC(CMemoryDC, CDC)
IMPLEMENT_DYNAMIC(CCachedBitmapDC, CDC)
IMPLEMENT_DYNAMIC(CDrawItemDC, CDC)

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return AfxGetThreadState()->m_gdiObjects.FromHandle(
        hObject, [] { return new CGdiObject; }, [](CGdiObject* p, HGDIOBJ h) { p->m_hObject = h; });
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    return this ? m_hObject : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    return AfxAttachHandle(AfxGetThreadState()->m_gdiObjects, m_hObject, hObject, this);
}

HGDIOBJ CGdiObject::Detach()
{
    AFX_THREAD_STATE* pState = AfxPeekThreadState();
    return AfxDetachHandle(pState ? &pState->m_gdiObjects : nullptr, m_hObject, this);
}

BOOL CGdiObject::DeleteObject()
{
    HGDIOBJ hObject = Detach();
    return hObject && ::DeleteObject(hObject);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC)
{
    LOGFONTW logFont = {};
    HDC hDC = pDC ? pDC->m_hDC : ::GetDC(nullptr);
    // nPointSize is in tenths of a point.
    logFont.lfHeight = -MulDiv(nPointSize, ::GetDeviceCaps(hDC, LOGPIXELSY), 720);
    if (!pDC)
        ::ReleaseDC(nullptr, hDC);
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreateFontIndirect(&logFont);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW(nIDResource), (LPCWSTR)RT_BITMAP);
    return hInst && Attach(::LoadBitmapW(hInst, MAKEINTRESOURCEW(nIDResource)));
}

// --- CDC ---------------------------------------------------------------------------

CDC::~CDC()
{
    if (m_hDC)
        DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    return AfxGetThreadState()->m_dcs.FromHandle(
        hDC, [] { return new CDC; }, [](CDC* p, HDC h) { p->m_hDC = p->m_hAttribDC = h; });
}

HDC CDC::GetSafeHdc() const
{
    return this ? m_hDC : nullptr;
}

BOOL CDC::Attach(HDC hDC)
{
    if (!AfxAttachHandle(AfxGetThreadState()->m_dcs, m_hDC, hDC, this))
        return FALSE;
    m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    AFX_THREAD_STATE* pState = AfxPeekThreadState();
    m_hAttribDC = nullptr;
    return AfxDetachHandle(pState ? &pState->m_dcs : nullptr, m_hDC, this);
}

BOOL CDC::DeleteDC()
{
    HDC hDC = Detach();
    return hDC && ::DeleteDC(hDC);
}

CGdiObject* CDC::SelectGdiObject(HGDIOBJ hObject)
{
    if (!m_hDC || !hObject)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, hObject));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    int x = lpRect->left, y = lpRect->top, cx = lpRect->right - x, cy = lpRect->bottom - y;
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::GradientFill(TRIVERTEX* pVertices, ULONG nVertices, void* pMesh, ULONG nMeshElements, DWORD dwMode)
{
    return ::GradientFill(m_hDC, pVertices, nVertices, pMesh, nMeshElements, dwMode);
}

CSize CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return size;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    VERIFY(::ReleaseDC(m_hWnd, Detach()));
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    VERIFY(::ReleaseDC(m_hWnd, Detach()));
}

CMemoryDC::CMemoryDC(HDC hTarget, const RECT& rect) : m_hTarget(hTarget), m_rect(rect), m_hOldBitmap(nullptr)
{
    if (m_rect.IsRectEmpty() || !hTarget)
        return;
    HDC hMemory = ::CreateCompatibleDC(hTarget);
    HBITMAP hBitmap = hMemory ? ::CreateCompatibleBitmap(hTarget, m_rect.Width(), m_rect.Height()) : nullptr;
    if (!hBitmap) {
        if (hMemory)
            ::DeleteDC(hMemory);
        return;
    }
    m_bitmap.Attach(hBitmap);
    Attach(hMemory);
    m_hOldBitmap = ::SelectObject(hMemory, hBitmap);
    ::SetViewportOrgEx(hMemory, -m_rect.left, -m_rect.top, nullptr);
}

CMemoryDC::~CMemoryDC()
{
    if (!m_hDC)
        return;
    ::BitBlt(m_hTarget, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left, m_rect.top,
             SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    DeleteDC();
}

CCachedBitmapDC::CCachedBitmapDC() : m_hOldBitmap(nullptr), m_size(0, 0), m_key(0)
{
}

CCachedBitmapDC::~CCachedBitmapDC()
{
    Release();
}

void CCachedBitmapDC::Release()
{
    if (m_hDC && m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    m_hOldBitmap = nullptr;
    DeleteDC();
    m_picture.DeleteObject();
    m_size = CSize(0, 0);
}

BOOL CCachedBitmapDC::Prepare(CDC* pCompatible, CSize size, ULONGLONG key)
{
    if (m_picture.m_hObject && size == m_size) {
        if (key == m_key)
            return FALSE;
        m_key = key;
        return TRUE;
    }
    Release();
    const HDC hCompatible = pCompatible->GetSafeHdc();
    const HDC hMemory = ::CreateCompatibleDC(hCompatible);
    const HBITMAP hBitmap = hMemory ? ::CreateCompatibleBitmap(hCompatible, size.cx, size.cy) : nullptr;
    if (!hBitmap) {
        if (hMemory)
            ::DeleteDC(hMemory);
        return FALSE;
    }
    Attach(hMemory);
    m_picture.Attach(hBitmap);
    m_hOldBitmap = ::SelectObject(hMemory, hBitmap);
    m_size = size;
    m_key = key;
    return TRUE;
}

void CCachedBitmapDC::Hold(HBITMAP hBitmap)
{
    Release();
    BITMAP info;
    if (!hBitmap || !::GetObjectW(hBitmap, sizeof(info), &info) || !Attach(::CreateCompatibleDC(nullptr)))
        return;
    m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
    m_size = CSize(info.bmWidth, info.bmHeight);
}

CDrawItemDC::CDrawItemDC(const DRAWITEMSTRUCT* pDraw) : m_rcItem(0, 0, 0, 0), m_itemState(0)
{
    if (!pDraw)
        return;
    // Borrowed without entering the handle map: the DC may belong to another
    // object (a print canvas) that keeps its place there.
    m_hDC = m_hAttribDC = pDraw->hDC;
    m_rcItem = pDraw->rcItem;
    m_itemState = pDraw->itemState;
}

CDrawItemDC::~CDrawItemDC()
{
    m_hDC = m_hAttribDC = nullptr;
}

void AfxPaintBuffered(CWnd* pWnd, HDC hPrintDC, void (*paint)(CWnd* pWnd, CDC& dc))
{
    if (hPrintDC) {
        CRect client;
        pWnd->GetClientRect(&client);
        CMemoryDC memory(hPrintDC, client);
        if (memory.m_hDC)
            paint(pWnd, memory);
        return;
    }
    CPaintDC dc(pWnd);
    CMemoryDC memory(dc.m_hDC, dc.m_ps.rcPaint);
    if (memory.m_hDC)
        paint(pWnd, memory);
}

HFONT AfxGetStockFontForDpi(int nStockFont, UINT dpi)
{
    const HFONT hStock = static_cast<HFONT>(::GetStockObject(nStockFont));
    if (!hStock || dpi == 0 || dpi == GvDefaultDpi)
        return hStock;
    static std::mutex s_lock;
    static std::map<std::pair<int, UINT>, HFONT> s_fonts;
    const std::lock_guard<std::mutex> hold(s_lock);
    HFONT& hFont = s_fonts[{nStockFont, dpi}];
    if (!hFont) {
        LOGFONTW font = {};
        ::GetObjectW(hStock, sizeof(font), &font);
        font.lfHeight = GvScaleToDpi(font.lfHeight, dpi);
        font.lfWidth = GvScaleToDpi(font.lfWidth, dpi);
        hFont = ::CreateFontIndirectW(&font);
    }
    return hFont ? hFont : hStock;
}
