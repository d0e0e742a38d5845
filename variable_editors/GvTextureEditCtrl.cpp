#include "GvTextureEditCtrl.h"
#include <algorithm>
#include <shellapi.h>
#include <string>
#include <vector>
#include "host_interfaces/GvCore.h"
#include "host_interfaces/GvGfxUtil.h"
#include "include/GvMessages.h"
#include "platform/mfc/MfcPortableTypes.h"
#include "resources/GvMFCUtilitiesRes.h"
#include "variable_editors/TextureViewMath.h"
#include "GvWindowUtils.h"

namespace {

// The host's texture viewer, opened by a double-click on the thumbnail.
const GvGuid kTextureViewerPlugIn = {0x047C91D6, 0x73F9, 0x4E64, {0xAE, 0x72, 0x20, 0x76, 0x07, 0xE5, 0x21, 0x23}};
// The host's texture editor, started by Browse.
const GvGuid kTextureEditorPlugIn = {0xF35B195D, 0xB325, 0x4365, {0x9E, 0x21, 0x67, 0xC1, 0xD0, 0x8B, 0x04, 0x02}};

CString Number(int value)
{
    return CString(std::to_wstring(value));
}

CString TextureFormatName(const GvTexture* object)
{
    if (!object)
        return L"Unknown";
    GvStringW name;
    GvPixelFormatTypeToString(name, object->GetFormat());
    return reinterpret_cast<LPCWSTR>(static_cast<const unsigned short*>(name));
}

GvRenderableTexture* AsRenderable(GvTextureVariable* texture)
{
    return dynamic_cast<GvRenderableTexture*>(texture);
}

} // namespace

void PaintTextureThumbnail(CDC& dc, const TextureThumbnailState& state)
{
    if (!state.source) {
        dc.FillSolidRect(&state.item, state.background);
    } else {
        ::SetStretchBltMode(dc.GetSafeHdc(), COLORONCOLOR);
        for (const CRect& clip : state.parts) {
            // Whole texels at the places the whole stretch gives them, so that
            // parts painted at different times meet without a seam.
            const GvStretchPart part =
                GvVisibleStretchPart(ToGvRect(state.item), ToGvSize(state.bitmapSize), ToGvRect(clip));
            if (!part.dst.IsEmpty())
                ::StretchBlt(dc.GetSafeHdc(), part.dst.left, part.dst.top, part.dst.Width(), part.dst.Height(),
                             state.source, part.src.left, part.src.top, part.src.Width(), part.src.Height(), SRCCOPY);
        }
    }
    if (state.focused) {
        // Drawn over what this paint drew only: the DC is clipped to it.
        CRect focus = state.item;
        focus.DeflateRect(2, 2);
        dc.DrawFocusRect(&focus);
    }
}

// --- CGvTextureButton -------------------------------------------------------

BEGIN_MESSAGE_MAP(CGvTextureEditCtrl::CGvTextureButton, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGvTextureEditCtrl::CGvTextureButton::CGvTextureButton()
    : m_hBitmap(nullptr), m_hPaintRgn(nullptr), m_grab(0, 0), m_dragging(false)
{
    EnableActiveAccessibility();
}

HRESULT CGvTextureEditCtrl::CGvTextureButton::get_accName(VARIANT varChild, BSTR* pszName)
{
    if (!AfxIsAccSelf(varChild))
        return CButton::get_accName(varChild, pszName);
    // The thumbnail pans inside the scroll window, so the control is an
    // ancestor further up.
    const CGvTextureEditCtrl* pCtrl = nullptr;
    for (CWnd* pWnd = GetParent(); pWnd && !pCtrl; pWnd = pWnd->GetParent())
        pCtrl = dynamic_cast<const CGvTextureEditCtrl*>(pWnd);
    const GvTextureVariable* texture = pCtrl ? pCtrl->m_texture : nullptr;
    CString name = texture && texture->GetFileName()
                       ? CString(reinterpret_cast<LPCWSTR>(GvFileNamePart(texture->GetFileName())))
                       : CString(L"No file");
    name += L", " + TextureFormatName(texture ? texture->GetTexture() : nullptr);
    return AfxSetAccString(pszName, name);
}

HRESULT CGvTextureEditCtrl::CGvTextureButton::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return AfxIsAccSelf(varChild) ? AfxSetAccLong(pvarRole, ROLE_SYSTEM_GRAPHIC)
                                  : CButton::get_accRole(varChild, pvarRole);
}

CGvTextureEditCtrl::CGvTextureButton::~CGvTextureButton()
{
    if (m_hPaintRgn)
        ::DeleteObject(m_hPaintRgn);
}

void CGvTextureEditCtrl::CGvTextureButton::SetThumbnailBitmap(HBITMAP hBitmap)
{
    m_hBitmap = hBitmap;
    m_source.Hold(hBitmap);
}

// The item draw covers every pixel it is asked for.
BOOL CGvTextureEditCtrl::CGvTextureButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// The rectangles of the region being painted (after a pan, the uncovered
// strips), else the clip box.
void CGvTextureEditCtrl::CGvTextureButton::PaintParts(HDC hDC, const CRect& item, std::vector<CRect>& parts)
{
    CRect box;
    if (::GetClipBox(hDC, &box) == NULLREGION || !box.IntersectRect(box, item))
        return;
    if (!m_hPaintRgn)
        m_hPaintRgn = ::CreateRectRgn(0, 0, 0, 0);
    POINT origin;
    // The system region is in screen coordinates; a simple one is the clip
    // box.
    if (m_hPaintRgn && ::GetRandomRgn(hDC, m_hPaintRgn, SYSRGN) == 1 && ::GetDCOrgEx(hDC, &origin)
        && ::OffsetRgn(m_hPaintRgn, -origin.x, -origin.y) == COMPLEXREGION) {
        std::vector<char> data(::GetRegionData(m_hPaintRgn, 0, nullptr));
        auto* region = reinterpret_cast<RGNDATA*>(data.data());
        if (!data.empty() && ::GetRegionData(m_hPaintRgn, static_cast<DWORD>(data.size()), region)) {
            const RECT* rects = reinterpret_cast<const RECT*>(region->Buffer);
            for (DWORD i = 0; i < region->rdh.nCount; ++i) {
                CRect part;
                if (part.IntersectRect(&rects[i], box))
                    parts.push_back(part);
            }
            return;
        }
    }
    parts.push_back(box);
}

void CGvTextureEditCtrl::CGvTextureButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDrawItemDC dc(lpDrawItemStruct);
    if (!dc.m_hDC)
        return;
    TextureThumbnailState state;
    state.item = dc.m_rcItem;
    if (m_source.m_hDC)
        PaintParts(dc, state.item, state.parts);
    state.source = m_source.m_hDC;
    state.bitmapSize = m_source.GetBitmapSize();
    state.background = ::GetSysColor(COLOR_BTNFACE);
    state.focused = (lpDrawItemStruct->itemState & ODS_FOCUS) != 0;
    PaintTextureThumbnail(dc, state);
}

void CGvTextureEditCtrl::CGvTextureButton::OnLButtonDown(UINT, CPoint point)
{
    m_grab = point;
    m_dragging = true;
    SetCapture();
}

void CGvTextureEditCtrl::CGvTextureButton::OnMouseMove(UINT, CPoint point)
{
    if (!m_dragging)
        return;
    // The grab point stays: the button moves under the mouse as it pans.
    const WORD dx = static_cast<WORD>(m_grab.x - point.x);
    const WORD dy = static_cast<WORD>(m_grab.y - point.y);
    ::SendMessageW(::GetParent(m_hWnd), GVM_CHILD_SCROLL, reinterpret_cast<WPARAM>(m_hWnd), MAKELPARAM(dx, dy));
}

void CGvTextureEditCtrl::CGvTextureButton::OnLButtonUp(UINT, CPoint)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_dragging = false;
}

void CGvTextureEditCtrl::CGvTextureButton::OnCaptureChanged(CWnd* pWnd)
{
    if (!pWnd || pWnd->GetSafeHwnd() != m_hWnd)
        m_dragging = false;
}

// --- CGvTextureEditCtrl -----------------------------------------------------

BEGIN_MESSAGE_MAP(CGvTextureEditCtrl, CGvEmbeddedDialog)
    ON_CBN_SELCHANGE(IDC_GV_TEXTURE_FILE_NAME_COMBO, OnSelchangeFileNameCombo)
    ON_BN_CLICKED(IDC_GV_BROWSE_BUTTON, OnBnClickedGvBrowseButton)
    ON_BN_CLICKED(IDC_GV_TEXTURE_OPTIONS_CHECK, OnBnClickedGvTextureOptionsCheck)
    ON_BN_CLICKED(IDC_GV_TEXTURE_VIEW_OPTIONS_CHECK, OnBnClickedGvTextureViewOptionsCheck)
    ON_BN_CLICKED(IDC_GV_TEXTURE_ORIGIN_TOP_LEFT_RADIO, OnBnClickedGvTextureOriginTopLeftRadio)
    ON_BN_CLICKED(IDC_GV_TEXTURE_ORIGIN_BOTTOM_LEFT_RADIO, OnBnClickedGvTextureOriginBottomLeftRadio)
    ON_CBN_SELCHANGE(IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO, OnCbnSelchangeGvTextureViewThumbnailSizeCombo)
    ON_EN_KILLFOCUS(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT, OnEnKillfocusGvTextureViewMipMapLevelEdit)
    ON_EN_KILLFOCUS(IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT, OnEnKillfocusGvTextureViewVolumeDepthEdit)
    ON_NOTIFY(UDN_DELTAPOS, IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_SPIN, OnDeltaposGvTextureViewMipMapLevelSpin)
    ON_NOTIFY(UDN_DELTAPOS, IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_SPIN, OnDeltaposGvTextureViewVolumeDepthSpin)
    ON_BN_CLICKED(IDC_GV_TEXTURE_VIEW_ALPHA_CHECK, OnBnClickedGvTextureViewAlphaCheck)
    ON_WM_SIZE()
    ON_WM_DROPFILES()
    ON_WM_GETMINMAXINFO()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CGvTextureEditCtrl::CGvTextureEditCtrl()
    : m_texture(nullptr), m_sourceId(nullptr), m_hNotifyWnd(nullptr), m_initialized(false), m_resizingSelf(false),
      m_hThumbnailBitmap(nullptr), m_showProperties(false), m_showViewOptions(false), m_thumbnailSize(0), m_mipCount(1),
      m_mipLevel(0), m_volumeDepth(1), m_level0Slice(0), m_slice(0), m_hasAlpha(false), m_isVolume(false)
{
}

CGvTextureEditCtrl::~CGvTextureEditCtrl()
{
    // The controls' objects go before the dialog's; their windows go first.
    if (m_hWnd)
        DestroyWindow();
    m_thumbnail.SetThumbnailBitmap(nullptr);
    if (m_hThumbnailBitmap)
        ::DeleteObject(m_hThumbnailBitmap);
}

int CGvTextureEditCtrl::Create(HWND parent, GvTextureVariable* texture, const GvGuid* sourceId)
{
    m_hNotifyWnd = parent;
    m_texture = texture;
    m_sourceId = sourceId;
    const BOOL created = CreateFromLibrary(IDD_GV_TEXTURE_EDIT_CTRL, parent);
    if (created) {
        DragAcceptFiles(TRUE);
        GvAddSmartEraseWindow(m_hWnd, ::GetSysColor(COLOR_BTNFACE), true);
    }
    return created;
}

void CGvTextureEditCtrl::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GV_TEXTURE_FILE_NAME_COMBO, m_fileNameCombo);
    DDX_Control(pDX, IDC_GV_BROWSE_BUTTON, m_browseButton);
    DDX_Control(pDX, IDC_GV_TEXTURE_PROPERTIES_GROUP, m_propertiesGroup);
    DDX_Control(pDX, IDC_GV_TEXTURE_OPTIONS_CHECK, m_propertiesCheck);
    DDX_Control(pDX, IDC_GV_TEXTURE_FORMAT_LABEL, m_formatLabel);
    DDX_Control(pDX, IDC_GV_TEXTURE_DIMENSIONS_LABEL, m_dimensionsLabel);
    DDX_Control(pDX, IDC_GV_TEXTURE_MIP_MAP_LEVELS_LABEL, m_mipLevelsLabel);
    DDX_Control(pDX, IDC_GV_TEXTURE_ORIGIN_GROUP, m_originGroup);
    DDX_Control(pDX, IDC_GV_TEXTURE_ORIGIN_TOP_LEFT_RADIO, m_topLeftRadio);
    DDX_Control(pDX, IDC_GV_TEXTURE_ORIGIN_BOTTOM_LEFT_RADIO, m_bottomLeftRadio);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_GROUP, m_viewGroup);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_OPTIONS_CHECK, m_viewCheck);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_LABEL, m_thumbnailSizeLabel);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO, m_thumbnailSizeCombo);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_LABEL, m_mipLevelLabel);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT, m_mipLevelEdit);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_SPIN, m_mipLevelSpin);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_LABEL, m_volumeDepthLabel);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT, m_volumeDepthEdit);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_SPIN, m_volumeDepthSpin);
    DDX_Control(pDX, IDC_GV_TEXTURE_VIEW_ALPHA_CHECK, m_alphaCheck);
    DDX_Control(pDX, IDC_GV_TEXTURE_BUTTON, m_thumbnail);
    DDX_Text(pDX, IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT, m_mipLevel);
    DDX_Text(pDX, IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT, m_slice);
}

BOOL CGvTextureEditCtrl::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_thumbnail.ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    m_thumbnail.ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    const CRect thumbRect = ChildRect(m_thumbnail);
    m_scrollWnd.CreateScrollWnd(m_hWnd, thumbRect, WS_CHILD | WS_VISIBLE, true);
    m_scrollWnd.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    m_scrollWnd.AttachScrollChild(&m_thumbnail);
    // The template's spins are not auto-buddies.
    m_mipLevelSpin.SetBuddy(&m_mipLevelEdit);
    m_volumeDepthSpin.SetBuddy(&m_volumeDepthEdit);

    // The check boxes sit on their groups' top lines: the groups go beneath
    // them and leave them out, or a group's repaint crosses out the text.
    m_propertiesGroup.ModifyStyle(0, WS_CLIPSIBLINGS);
    m_propertiesGroup.SetWindowPos(&m_propertiesCheck, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_viewGroup.ModifyStyle(0, WS_CLIPSIBLINGS);
    m_viewGroup.SetWindowPos(&m_viewCheck, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    GvAddSmartEraseWindow(m_hWnd, face, true);
    GvAddSmartEraseIncludeWindow(m_propertiesGroup.m_hWnd, false);
    GvAddSmartEraseIncludeWindow(m_originGroup.m_hWnd, false);
    GvAddSmartEraseIncludeWindow(m_viewGroup.m_hWnd, false);

    for (int mode = 0; mode < GvThumbnailModeCount; ++mode) {
        const int item = m_thumbnailSizeCombo.AddString(GvThumbnailModeNames[mode]);
        m_thumbnailSizeCombo.SetItemData(item, mode);
    }
    m_thumbnailSizeCombo.SetCurSel(0);

    BindPlacements();
    m_propertiesCheck.SetCheck(m_showProperties ? BST_CHECKED : BST_UNCHECKED);
    m_viewCheck.SetCheck(m_showViewOptions ? BST_CHECKED : BST_UNCHECKED);
    UpdateTexture(true);
    m_initialized = true;
    return FALSE;
}

void CGvTextureEditCtrl::BindPlacements()
{
    const int gap = AfxScaleForWindow(this, 4);
    CWnd* const propertyLines[] = {&m_formatLabel, &m_dimensionsLabel, &m_mipLevelsLabel,
                                   &m_originGroup, &m_topLeftRadio,    &m_bottomLeftRadio};
    m_propertiesShown.BindControlRelativeTo(m_propertiesGroup.m_hWnd, m_propertiesCheck.m_hWnd);
    for (CWnd* line : propertyLines)
        m_propertiesShown.BindControlRelativeTo(line->m_hWnd, m_propertiesCheck.m_hWnd);
    for (CWnd* line : propertyLines)
        m_propertiesShown.BindControlVisibility(line->m_hWnd, true);
    for (CWnd* line : propertyLines)
        m_propertiesHidden.BindControlVisibility(line->m_hWnd, false);
    m_propertiesHidden.BindControlRelativeTo(m_propertiesGroup.m_hWnd, m_propertiesCheck.m_hWnd);
    m_propertiesHidden.Bind(m_propertiesGroup.m_hWnd, GV_LOCATION_BOTTOM, m_propertiesCheck.m_hWnd, GV_LOCATION_BOTTOM,
                            gap, 0.0f, true);

    CWnd* const viewLines[] = {&m_thumbnailSizeLabel, &m_thumbnailSizeCombo, &m_mipLevelLabel,
                               &m_mipLevelEdit,       &m_mipLevelSpin,       &m_volumeDepthLabel,
                               &m_volumeDepthEdit,    &m_volumeDepthSpin,    &m_alphaCheck};
    m_viewShown.BindControlBottomOf(m_viewCheck.m_hWnd, m_propertiesGroup.m_hWnd, gap);
    m_viewShown.BindControlRelativeTo(m_viewGroup.m_hWnd, m_viewCheck.m_hWnd);
    for (CWnd* line : viewLines)
        m_viewShown.BindControlRelativeTo(line->m_hWnd, m_viewCheck.m_hWnd);
    for (CWnd* line : viewLines)
        m_viewShown.BindControlVisibility(line->m_hWnd, true);
    for (CWnd* line : viewLines)
        m_viewHidden.BindControlVisibility(line->m_hWnd, false);
    m_viewHidden.BindControlBottomOf(m_viewCheck.m_hWnd, m_propertiesGroup.m_hWnd, gap);
    m_viewHidden.BindControlRelativeTo(m_viewGroup.m_hWnd, m_viewCheck.m_hWnd);
    m_viewHidden.Bind(m_viewGroup.m_hWnd, GV_LOCATION_BOTTOM, m_viewCheck.m_hWnd, GV_LOCATION_BOTTOM, gap, 0.0f, true);
}

void CGvTextureEditCtrl::CalculateTextureBitmapInfo(GvTextureVariable* texture, int& width, int& height, int mipLevel)
{
    width = height = 0;
    const GvTexture* object = texture ? texture->GetTexture() : nullptr;
    if (!object)
        return;
    const GvSize size = GvTextureLevelSize(object->GetTextureType(), object->GetLevelWidth(0),
                                           object->GetLevelHeight(0), object->GetLevelWidth(0), mipLevel);
    width = size.cx;
    height = size.cy;
}

void CGvTextureEditCtrl::UpdateTexture(bool reposition)
{
    GvRenderableTexture* renderable = AsRenderable(m_texture);
    if (renderable)
        m_fileNameCombo.SetWindowText(L"<None>");
    else if (m_texture && m_texture->GetFileName())
        m_fileNameCombo.SetWindowText(reinterpret_cast<LPCWSTR>(GvFileNamePart(m_texture->GetFileName())));
    else
        m_fileNameCombo.SetWindowText(L"");

    if (renderable) {
        m_browseButton.SetWindowText(L"Refresh");
        getGvApp()->SendAppEvent(GvAppEventRenderClass, GvAppEventRefreshRenderTarget, 0, 0, 0);
        renderable->Refresh();
    } else
        m_browseButton.SetWindowText(L"Browse");

    const CString format = TextureFormatName(m_texture ? m_texture->GetTexture() : nullptr);
    CString size = L"Dimensions: Unknown";
    m_mipCount = 1;
    m_volumeDepth = 1;
    m_isVolume = false;
    m_hasAlpha = false;
    const GvTexture* object = m_texture ? m_texture->GetTexture() : nullptr;
    if (object) {
        m_hasAlpha = GvGfxFormatContainsAlpha(object->GetFormat());
        m_mipCount = object->GetNumMipmaps();
        switch (object->GetTextureType()) {
        case GV_TEXTURE_2D:
            size = L"Dimensions: " + Number(object->GetLevelWidth(0)) + L" x " + Number(object->GetLevelHeight(0));
            break;
        case GV_TEXTURE_3D:
            m_volumeDepth = object->GetLevelDepth(0);
            m_isVolume = true;
            size = L"Dimensions: " + Number(object->GetLevelWidth(0)) + L" x " + Number(object->GetLevelHeight(0))
                   + L" x " + Number(m_volumeDepth);
            break;
        case GV_TEXTURE_CUBE: size = L"Edge Size: " + Number(object->GetLevelWidth(0)); break;
        }
    }
    m_formatLabel.SetWindowText(L"Format: " + format);
    m_dimensionsLabel.SetWindowText(size);
    m_mipLevelsLabel.SetWindowText(renderable && renderable->GenerateMipMaps()
                                       ? CString(L"Mip Map Levels: <Auto Generated>")
                                       : L"Mip Map Levels: " + Number(m_mipCount));

    const GvTextureViewIndices view = GvClampViewIndices(m_mipLevel, m_level0Slice, m_mipCount, m_volumeDepth);
    m_mipLevelSpin.SetRange32(0, GvMaxMipLevel(m_mipCount));
    m_mipLevel = view.mipLevel;
    m_volumeDepthSpin.SetRange32(0, GvMaxSlice(m_volumeDepth, m_mipLevel));
    m_level0Slice = view.level0Slice;
    m_slice = view.slice;
    UpdateOrigin();
    UpdateData(FALSE);

    RebuildThumbnail();
    if (reposition)
        RepositionControls();
}

void CGvTextureEditCtrl::RebuildThumbnail()
{
    if (m_hThumbnailBitmap) {
        m_thumbnail.SetThumbnailBitmap(nullptr);
        ::DeleteObject(m_hThumbnailBitmap);
        m_hThumbnailBitmap = nullptr;
    }
    CSize thumbnailSize(0, 0);
    if (m_texture) {
        int w = 0, h = 0;
        CalculateTextureBitmapInfo(m_texture, w, h, m_mipLevel);
        CRect client;
        m_scrollWnd.GetClientRect(&client);
        const GvThumbnailSizes sizes = GvThumbnailSizesFor(m_thumbnailSize, {w, h}, ToGvSize(client.Size()));
        thumbnailSize = ToCSize(sizes.thumbnail);
        HDC dc = ::GetDC(m_hWnd);
        m_hThumbnailBitmap = static_cast<HBITMAP>(
            GvGfxCreateTextureBitmap(dc, m_texture, sizes.bitmap.cx, sizes.bitmap.cy, ::GetSysColor(COLOR_BTNFACE),
                                     m_alphaCheck.GetCheck() == BST_CHECKED && m_hasAlpha, m_mipLevel, m_slice));
        ::ReleaseDC(m_hWnd, dc);
    }
    m_thumbnail.SetThumbnailBitmap(m_hThumbnailBitmap);
    m_thumbnail.Invalidate();
    CRect buttonRect;
    m_thumbnail.GetWindowRect(&buttonRect);
    if (buttonRect.Size() != thumbnailSize)
        m_thumbnail.SetWindowPos(nullptr, 0, 0, thumbnailSize.cx, thumbnailSize.cy,
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_scrollWnd.AdjustScrollWindow();
}

void CGvTextureEditCtrl::UpdateOrigin()
{
    const bool topLeft = !m_texture || m_texture->GetOrigin() == GV_ORIGIN_TOP_LEFT;
    m_topLeftRadio.SetCheck(topLeft ? BST_CHECKED : BST_UNCHECKED);
    m_bottomLeftRadio.SetCheck(topLeft ? BST_UNCHECKED : BST_CHECKED);
}

CSize CGvTextureEditCtrl::WindowSizeForClient(int cx, int cy)
{
    CRect r(0, 0, cx, cy);
    ::AdjustWindowRectEx(&r, GetStyle(), FALSE, GetExStyle());
    return r.Size();
}

void CGvTextureEditCtrl::RepositionControls()
{
    const int gap = AfxScaleForWindow(this, 4);
    const GvTextureLayoutLines lines =
        GvTextureLayoutLinesFor(AsRenderable(m_texture) != nullptr, m_mipCount, m_isVolume, m_hasAlpha);
    if (m_showProperties) {
        m_propertiesShown.ProcessControlPlacementContainer();
        if (!lines.origin) {
            m_originGroup.ShowWindow(SW_HIDE);
            m_topLeftRadio.ShowWindow(SW_HIDE);
            m_bottomLeftRadio.ShowWindow(SW_HIDE);
        }
        const CRect group = ChildRect(m_propertiesGroup);
        const CRect lowest = ChildRect(lines.origin ? static_cast<CWnd&>(m_originGroup) : m_mipLevelsLabel);
        m_propertiesGroup.SetWindowPos(nullptr, 0, 0, group.Width(), lowest.bottom + gap - group.top,
                                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else
        m_propertiesHidden.ProcessControlPlacementContainer();

    if (m_showViewOptions)
        m_viewShown.ProcessControlPlacementContainer();
    else
        m_viewHidden.ProcessControlPlacementContainer();

    CWnd* lowest = &m_thumbnailSizeCombo;
    if (lines.mipLevel)
        lowest = &m_mipLevelEdit;
    else {
        m_mipLevelLabel.ShowWindow(SW_HIDE);
        m_mipLevelEdit.ShowWindow(SW_HIDE);
        m_mipLevelSpin.ShowWindow(SW_HIDE);
    }
    if (lines.volumeDepth)
        lowest = &m_volumeDepthEdit;
    else {
        m_volumeDepthLabel.ShowWindow(SW_HIDE);
        m_volumeDepthEdit.ShowWindow(SW_HIDE);
        m_volumeDepthSpin.ShowWindow(SW_HIDE);
    }
    if (lines.alpha) {
        const CRect alpha = ChildRect(m_alphaCheck);
        m_alphaCheck.SetWindowPos(nullptr, alpha.left, ChildRect(*lowest).bottom + gap, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        lowest = &m_alphaCheck;
    } else
        m_alphaCheck.ShowWindow(SW_HIDE);

    const CRect viewGroup = ChildRect(m_viewGroup);
    if (m_showViewOptions)
        m_viewGroup.SetWindowPos(nullptr, 0, 0, viewGroup.Width(), ChildRect(*lowest).bottom + gap - viewGroup.top,
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect group = ChildRect(m_viewGroup);
    m_scrollWnd.SetWindowPos(nullptr, group.left, group.bottom + gap, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    const CRect scroll = ChildRect(m_scrollWnd);
    const CSize needed = WindowSizeForClient(scroll.right, scroll.bottom);
    CRect window;
    GetWindowRect(&window);
    if (window.Size() != needed) {
        m_resizingSelf = true;
        SetWindowPos(nullptr, 0, 0, needed.cx, needed.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_resizingSelf = false;
        ::SendMessageW(m_hNotifyWnd, GVM_CHILD_RESIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
    }
}

BOOL CGvTextureEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_LBUTTONDBLCLK && pMsg->hwnd == m_thumbnail.m_hWnd && m_texture) {
        IGvApplication* app = getGvApp();
        GvLinkedList<IGvPlugIn*> plugIns = app->GetPlugInsForNode(m_texture);
        for (auto it = plugIns.Begin(); it != plugIns.End(); ++it)
            if ((*it)->GetPlugInInfo().m_id == kTextureViewerPlugIn) {
                app->OpenNodeInPlugIn(m_texture, *it);
                break;
            }
        return TRUE;
    }
    return CGvEmbeddedDialog::PreTranslateMessage(pMsg);
}

void CGvTextureEditCtrl::OnSelchangeFileNameCombo()
{
}

void CGvTextureEditCtrl::OnBnClickedGvBrowseButton()
{
    if (GvRenderableTexture* renderable = AsRenderable(m_texture)) {
        getGvApp()->SendAppEvent(GvAppEventRenderClass, GvAppEventRefreshRenderTarget, 0, 0, 0);
        renderable->Refresh();
        UpdateTexture(false);
        return;
    }
    if (auto* editor = dynamic_cast<IGvEditorPlugIn*>(getGvApp()->FindPlugIn(kTextureEditorPlugIn)))
        editor->EditNode(m_hWnd, m_texture);
}

void CGvTextureEditCtrl::OnBnClickedGvTextureOptionsCheck()
{
    m_showProperties = m_propertiesCheck.GetCheck() == BST_CHECKED;
    RepositionControls();
}

void CGvTextureEditCtrl::OnBnClickedGvTextureViewOptionsCheck()
{
    m_showViewOptions = m_viewCheck.GetCheck() == BST_CHECKED;
    RepositionControls();
}

void CGvTextureEditCtrl::ChangeOrigin(int origin)
{
    if (!m_texture || m_texture->GetOrigin() == origin)
        return;
    IGvApplication* app = getGvApp();
    const GvTextureOrigin newOrigin = static_cast<GvTextureOrigin>(origin);
    app->AddUndoOp(new GvTextureOriginChangeUndoOp(m_texture, newOrigin));
    app->UpdateUndoState();
    app->SetModified(true);
    m_texture->SetOrigin(newOrigin);
    NotifyNode(GvNodeChangeOrigin, m_texture, m_sourceId);
    UpdateOrigin();
}

void CGvTextureEditCtrl::OnBnClickedGvTextureOriginTopLeftRadio()
{
    ChangeOrigin(GV_ORIGIN_TOP_LEFT);
}

void CGvTextureEditCtrl::OnBnClickedGvTextureOriginBottomLeftRadio()
{
    ChangeOrigin(GV_ORIGIN_BOTTOM_LEFT);
}

void CGvTextureEditCtrl::OnCbnSelchangeGvTextureViewThumbnailSizeCombo()
{
    const int selection = m_thumbnailSizeCombo.GetCurSel();
    m_thumbnailSize = selection >= 0 ? static_cast<int>(m_thumbnailSizeCombo.GetItemData(selection)) : 0;
    UpdateTexture(false);
}

void CGvTextureEditCtrl::OnEnKillfocusGvTextureViewMipMapLevelEdit()
{
    UpdateData(TRUE);
    m_mipLevel = std::clamp(m_mipLevel, 0, GvMaxMipLevel(m_mipCount));
    UpdateTexture(false);
}

void CGvTextureEditCtrl::OnEnKillfocusGvTextureViewVolumeDepthEdit()
{
    UpdateData(TRUE);
    const GvTextureViewIndices view = GvViewIndicesForSlice(m_mipLevel, m_slice, m_volumeDepth);
    m_slice = view.slice;
    m_level0Slice = view.level0Slice;
    UpdateTexture(false);
}

void CGvTextureEditCtrl::OnDeltaposGvTextureViewMipMapLevelSpin(NMHDR*, LRESULT* pResult)
{
    CommitAfterSpin(m_mipLevelEdit, pResult);
}

void CGvTextureEditCtrl::OnDeltaposGvTextureViewVolumeDepthSpin(NMHDR*, LRESULT* pResult)
{
    CommitAfterSpin(m_volumeDepthEdit, pResult);
}

void CGvTextureEditCtrl::OnBnClickedGvTextureViewAlphaCheck()
{
    UpdateTexture(false);
}

void CGvTextureEditCtrl::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (!m_initialized || m_resizingSelf)
        return;
    const GvSize area = GvThumbnailAreaSize({cx, cy}, ChildRect(m_viewGroup).bottom, AfxGetWindowDpi(this));
    CRect scroll;
    m_scrollWnd.GetWindowRect(&scroll);
    if (scroll.Size() == ToCSize(area))
        return;
    m_scrollWnd.SetRedraw(FALSE);
    m_scrollWnd.SetWindowPos(nullptr, 0, 0, area.cx, area.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_scrollWnd.AdjustScrollWindow();
    m_scrollWnd.SetRedraw(TRUE);
    m_scrollWnd.Invalidate();
    UpdateTexture(false);
}

namespace {

// A dropped path, whole however long: a cut path could name another file.
std::u16string DroppedPath(HDROP drop, UINT index)
{
    std::wstring path(::DragQueryFileW(drop, index, nullptr, 0), L'\0');
    ::DragQueryFileW(drop, index, path.data(), static_cast<UINT>(path.size() + 1));
    return std::u16string(path.begin(), path.end());
}

} // namespace

void CGvTextureEditCtrl::OnDropFiles(HDROP hDropInfo)
{
    const UINT count = ::DragQueryFileW(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        if (GvIsWorkspaceFile(reinterpret_cast<const unsigned short*>(DroppedPath(hDropInfo, i).c_str()))) {
            ::PostMessageW(getGvApp()->GetMainWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(hDropInfo), 0);
            return;
        }
    }
    if (!m_texture || AsRenderable(m_texture) || !m_texture->GetTexture())
        return;
    IGvApplication* app = getGvApp();
    const int kind = m_texture->GetTexture()->GetTextureType();
    for (UINT i = 0; i < count; ++i) {
        const std::u16string path = DroppedPath(hDropInfo, i);
        const auto* full = reinterpret_cast<const unsigned short*>(path.c_str());
        // Each name of the base can become "..\" in the relative form.
        const unsigned short* base = GvGetBaseDirectory();
        const int baseChars = base ? GvStrLenW(base) : 0;
        std::vector<unsigned short> relative(path.size() + 3 * static_cast<size_t>(baseChars) + 2);
        if (!GvCalculateRelativePath(relative.data(), full, static_cast<int>(relative.size()))
            || !app->AcceptTextureFile(kind, full))
            continue;
        const unsigned short* current = m_texture->GetFileName();
        if (!current || GvStrCmpW(relative.data(), current, -1) != 0) {
            app->AddUndoOp(new GvUpdateNodeUndoOp(m_texture));
            app->UpdateUndoState();
            app->SetModified(true);
            m_texture->SetFileName(relative.data(), true);
            NotifyNode(GvNodeChangeUpdate, m_texture, nullptr);
            UpdateTexture(true);
        }
        break;
    }
    CDialog::OnDropFiles(hDropInfo);
}

void CGvTextureEditCtrl::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (m_initialized) {
        const CSize minimum =
            WindowSizeForClient(ChildRect(m_propertiesGroup).Width(), ChildRect(m_scrollWnd).top + 32);
        lpMMI->ptMinTrackSize = CPoint(minimum.cx, minimum.cy);
    }
    lpMMI->ptMaxTrackSize = CPoint(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

// The thumbnail's empty parts are painted into its bitmap.
void CGvTextureEditCtrl::OnSysColorChange()
{
    RebuildThumbnail();
    CGvEmbeddedDialog::OnSysColorChange();
}
