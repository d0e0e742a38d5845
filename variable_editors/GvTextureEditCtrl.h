#pragma once
#include <vector>
#include "platform/mfc/GvMfc.h"
#include "GvMFCUtilitiesExport.h"
#include "GvGuid.h"
#include "GvUtilities.h"
#include "window_utils/GvEmbeddedDialog.h"
#include "window_utils/GvScrollWnd.h"

class GvTextureVariable;

/// What the thumbnail shows: the bitmap stretched onto the item rectangle,
/// drawn only inside the rectangles to paint (a zoomed thumbnail is far
/// larger than the part that is visible, and a pan uncovers strips of it).
struct TextureThumbnailState
{
    /// The button's rectangle the bitmap is stretched onto.
    CRect item;
    std::vector<CRect> parts; ///< within the item; drawn one after another
    HDC source;               ///< a memory DC holding the bitmap; null: the background alone
    /// The bitmap's size in pixels.
    CSize bitmapSize;
    /// Fills the parts when there is no bitmap.
    COLORREF background;
    /// The button has the keyboard focus: a focus rectangle 2 pixels inside the item.
    bool focused = false;
};
/// Paints a thumbnail as the button does, into any DC.
GVMFCUTILITIES_API void PaintTextureThumbnail(CDC& dc, const TextureThumbnailState& state);

/// A child dialog (template 4000) showing and editing one texture variable:
/// file, format, size, mip levels and origin, and a zoomable, pannable
/// thumbnail of any mip level and volume slice. It resizes itself with its
/// two option groups and tells the window given to Create each time
/// (GVM_CHILD_RESIZE).
class GVMFCUTILITIES_API CGvTextureEditCtrl : public CGvEmbeddedDialog
{
public:
    /// The thumbnail: draws the dialog's bitmap stretched over itself and
    /// pans the scroll window it sits in while it is dragged.
    class GVMFCUTILITIES_API CGvTextureButton : public CButton
    {
    public:
        CGvTextureButton();
        ~CGvTextureButton() override;
        /// Not owned, but held in a memory DC of the button's until the next
        /// call: call with null before deleting the bitmap.
        void SetThumbnailBitmap(HBITMAP hBitmap);
        /// The bitmap last given to SetThumbnailBitmap.
        HBITMAP GetThumbnailBitmap() const { return m_hBitmap; }
        /// True while a drag pans the scroll window.
        bool IsDragging() const { return m_dragging; }
        void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

        // Accessibility: a graphic named by the texture's file name and format.
        HRESULT get_accName(VARIANT varChild, BSTR* pszName) override;
        HRESULT get_accRole(VARIANT varChild, VARIANT* pvarRole) override;

    protected:
        afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
        afx_msg void OnMouseMove(UINT nFlags, CPoint point);
        afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
        afx_msg void OnCaptureChanged(CWnd* pWnd);
        afx_msg BOOL OnEraseBkgnd(CDC* pDC);
        DECLARE_MESSAGE_MAP()
        void PaintParts(HDC hDC, const CRect& item, std::vector<CRect>& parts);

        HBITMAP m_hBitmap;
        /// Kept from one paint to the next: the bitmap's DC, and the region a
        /// paint reads its rectangles from.
        CCachedBitmapDC m_source;
        HRGN m_hPaintRgn;
        CPoint m_grab;
        bool m_dragging;
    };

    CGvTextureEditCtrl();
    ~CGvTextureEditCtrl() override;

    /// The dialog as a child of parent, which also gets the size reports.
    int Create(HWND parent, GvTextureVariable* texture, const GvGuid* sourceId);
    /// Everything shown, read again from the texture.
    void UpdateTexture(bool reposition);
    /// Checks the origin radio button the texture names (top left without a texture).
    void UpdateOrigin();
    /// The picture size of the level (both 0 without a texture object).
    static void CalculateTextureBitmapInfo(GvTextureVariable* texture, int& width, int& height, int mipLevel);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    /// The texture variable shown (not owned).
    GvTextureVariable* GetTexture() const { return m_texture; }
    /// The thumbnail's size mode: the item data of the size box's choice, an index of GvThumbnailModeNames.
    int GetThumbnailSizeMode() const { return m_thumbnailSize; }
    /// The mip level shown, from 0.
    int GetMipLevel() const { return m_mipLevel; }
    /// The volume slice shown at the current mip level.
    int GetSlice() const { return m_slice; }
    /// The slice chosen at level 0, which other levels' slices follow.
    int GetLevel0Slice() const { return m_level0Slice; }
    /// The bitmap the thumbnail shows, owned by the control.
    HBITMAP GetThumbnailBitmap() const { return m_hThumbnailBitmap; }
    /// The thumbnail button.
    CGvTextureButton& GetThumbnailButton() { return m_thumbnail; }
    /// The scroll window the thumbnail pans in.
    CGvScrollWnd& GetScrollWnd() { return m_scrollWnd; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RepositionControls();
    CSize WindowSizeForClient(int cx, int cy);
    void ChangeOrigin(int origin);
    void BindPlacements();
    // A new thumbnail bitmap of the current view (none without a texture),
    // the button sized to it and repainted, the scroll window adjusted.
    void RebuildThumbnail();

    afx_msg void OnSelchangeFileNameCombo();
    afx_msg void OnBnClickedGvBrowseButton();
    afx_msg void OnBnClickedGvTextureOptionsCheck();
    afx_msg void OnBnClickedGvTextureViewOptionsCheck();
    afx_msg void OnBnClickedGvTextureOriginTopLeftRadio();
    afx_msg void OnBnClickedGvTextureOriginBottomLeftRadio();
    afx_msg void OnCbnSelchangeGvTextureViewThumbnailSizeCombo();
    afx_msg void OnEnKillfocusGvTextureViewMipMapLevelEdit();
    afx_msg void OnEnKillfocusGvTextureViewVolumeDepthEdit();
    afx_msg void OnDeltaposGvTextureViewMipMapLevelSpin(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposGvTextureViewVolumeDepthSpin(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBnClickedGvTextureViewAlphaCheck();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    GvTextureVariable* m_texture;
    const GvGuid* m_sourceId;
    HWND m_hNotifyWnd;
    bool m_initialized;
    bool m_resizingSelf;
    HBITMAP m_hThumbnailBitmap;

    CComboBox m_fileNameCombo;
    CButton m_browseButton;
    CButton m_propertiesGroup, m_propertiesCheck;
    CStatic m_formatLabel, m_dimensionsLabel, m_mipLevelsLabel;
    CButton m_originGroup, m_topLeftRadio, m_bottomLeftRadio;
    CButton m_viewGroup, m_viewCheck;
    CStatic m_thumbnailSizeLabel;
    CComboBox m_thumbnailSizeCombo;
    CStatic m_mipLevelLabel;
    CEdit m_mipLevelEdit;
    CSpinButtonCtrl m_mipLevelSpin;
    CStatic m_volumeDepthLabel;
    CEdit m_volumeDepthEdit;
    CSpinButtonCtrl m_volumeDepthSpin;
    CButton m_alphaCheck;
    CGvTextureButton m_thumbnail;
    /// After the thumbnail: it holds the thumbnail's window in its frame.
    CGvScrollWnd m_scrollWnd;

    bool m_showProperties, m_showViewOptions;
    int m_thumbnailSize;
    int m_mipCount, m_mipLevel;
    int m_volumeDepth, m_level0Slice, m_slice;
    bool m_hasAlpha, m_isVolume;
    GvControlPlacementContainer m_propertiesShown, m_propertiesHidden, m_viewShown, m_viewHidden;
};
