#include <gtest/gtest.h>
#include <shlobj.h>
#include <cstring>
#include <string>
#include <vector>
#include "GvApplication.h"
#include "GvPath.h"
#include "GvTextureVariable.h"
#include "GvVariableEditors.h"
#include "HostTestSupport.h"
#include "TestFrame.h"
#include "TestPixels.h"
#include "ResizeRecorder.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

const GvGuid kViewerId = {0x047C91D6, 0x73F9, 0x4E64, {0xAE, 0x72, 0x20, 0x76, 0x07, 0xE5, 0x21, 0x23}};
const GvGuid kEditorId = {0xF35B195D, 0xB325, 0x4365, {0x9E, 0x21, 0x67, 0xC1, 0xD0, 0x8B, 0x04, 0x02}};
const GvGuid kOtherId = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
const GvGuid kSourceId = {9, 9, 9, {9}};

// What the host's plug-ins were asked to do, in order.
std::vector<std::string> g_plugInCalls;

class TestPlugIn : public IGvEditorPlugIn
{
public:
    TestPlugIn(const GvGuid& id, const char* name) : m_id(id), m_name(name) {}
    bool Initialize(IGvApplication*) override { return true; }
    void Shutdown() override {}
    GvPlugInInfo GetPlugInInfo() const override { return {1, m_id, nullptr}; }
    bool CanOpenNode(GvNode*) override { return true; }
    bool OpenNode(GvNode*) override
    {
        g_plugInCalls.push_back(m_name + " open");
        return true;
    }
    bool EditNode(GvHWND parent, GvNode*) override
    {
        g_plugInCalls.push_back(m_name + " edit " + (::GetDlgItem(parent, IDC_GV_BROWSE_BUTTON) ? "dialog" : "?"));
        return true;
    }

private:
    GvGuid m_id;
    std::string m_name;
};

// The control's parent: records the size reports and takes the workspace
// drops forwarded to the main window.
class CHostFrame : public CResizeRecorder
{
public:
    std::vector<HDROP> m_drops;

protected:
    afx_msg void OnDropFiles(HDROP hDrop) { m_drops.push_back(hDrop); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostFrame, CResizeRecorder)
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

std::wstring Wide(const std::u16string& s)
{
    return std::wstring(s.begin(), s.end());
}

// A drop of the files as the shell hands it over.
HDROP MakeDrop(const std::vector<std::wstring>& paths)
{
    size_t chars = 1;
    for (const std::wstring& p : paths)
        chars += p.size() + 1;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(drop + 1);
    for (const std::wstring& p : paths) {
        wcscpy(text, p.c_str());
        text += p.size() + 1;
    }
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

class TextureEditCtrlTest : public GvLeakCheckedTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame());
        m_app.SetMainWindow(m_frame.m_hWnd);
        g_plugInCalls.clear();
    }
    void TearDown() override
    {
        m_ctrl.reset();
        m_frame.DestroyWindow();
        AfxPumpPendingMessages();
        EXPECT_EQ(0u, AfxGetTemporaryObjectCount());
        GvSetBaseDirectory(nullptr);
    }
    void Make(GvTextureVariable* texture)
    {
        m_ctrl = std::make_unique<CGvTextureEditCtrl>();
        ASSERT_TRUE(m_ctrl->Create(m_frame.m_hWnd, texture, &kSourceId));
        AfxPumpPendingMessages();
    }
    void Load(GvTextureVariable& texture, const char* name)
    {
        ASSERT_TRUE(texture.SetFileName(Units(SamplePath(name)), true)) << name;
    }
    CString Text(int id) const { return WindowText(Item(id)); }
    HWND Item(int id) const { return ::GetDlgItem(m_ctrl->m_hWnd, id); }
    CRect Rect(int id) const { return RectIn(Item(id)); }
    bool Visible(int id) const { return (::GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    void Command(int id, int code)
    {
        m_ctrl->SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
        AfxPumpPendingMessages();
    }
    void SelectMode(int mode)
    {
        ::SendMessageW(Item(IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO), CB_SETCURSEL, mode, 0);
        Command(IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO, CBN_SELCHANGE);
    }
    void Type(int id, const wchar_t* text)
    {
        ::SetWindowTextW(Item(id), text);
        ::SendMessageW(Item(id), WM_KILLFOCUS, 0, 0);
        AfxPumpPendingMessages();
    }
    void Click(int id)
    {
        ::SendMessageW(Item(id), BM_CLICK, 0, 0);
        AfxPumpPendingMessages();
    }
    CSize BitmapSize() const
    {
        BITMAP info = {};
        ::GetObjectW(m_ctrl->GetThumbnailBitmap(), sizeof(info), &info);
        return CSize(info.bmWidth, info.bmHeight);
    }
    CSize ButtonSize() const { return RectIn(m_ctrl->GetThumbnailButton().m_hWnd).Size(); }
    LRESULT Checked(int id) const { return ::SendMessageW(Item(id), BM_GETCHECK, 0, 0); }
    // Drops the files on the control as the shell would; returns the drop's
    // handle, freed already (for comparison only).
    HDROP Drop(const std::vector<std::wstring>& paths, int times = 1)
    {
        HDROP drop = MakeDrop(paths);
        for (int i = 0; i < times; ++i)
            m_ctrl->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        AfxPumpPendingMessages();
        ::GlobalFree(drop);
        return drop;
    }

    GvApplication m_app;
    CHostFrame m_frame;
    std::unique_ptr<CGvTextureEditCtrl> m_ctrl;
};

TEST_F(TextureEditCtrlTest, TextsPerKindAndFormat)
{
    struct Case
    {
        const char* file;
        const wchar_t *name, *format, *size, *mips;
    } const cases[] = {
        {"mips_bgra.dds", L"mips_bgra.dds", L"Format: B8G8R8A8", L"Dimensions: 32 x 16", L"Mip Map Levels: 6"},
        {"volume_rgba.dds", L"volume_rgba.dds", L"Format: R8G8B8A8", L"Dimensions: 8 x 8 x 4", L"Mip Map Levels: 4"},
        {"cube_bgrx.dds", L"cube_bgrx.dds", L"Format: B8G8R8X8", L"Edge Size: 8", L"Mip Map Levels: 4"},
        {"gradient.png", L"gradient.png", L"Format: R8G8B8", L"Dimensions: 24 x 12", L"Mip Map Levels: 1"},
    };
    for (const Case& c : cases) {
        GvTextureVariable texture;
        Load(texture, c.file);
        Make(&texture);
        EXPECT_EQ(CString(c.name), Text(IDC_GV_TEXTURE_FILE_NAME_COMBO));
        EXPECT_EQ(CString(L"Browse"), Text(IDC_GV_BROWSE_BUTTON));
        EXPECT_EQ(CString(c.format), Text(IDC_GV_TEXTURE_FORMAT_LABEL));
        EXPECT_EQ(CString(c.size), Text(IDC_GV_TEXTURE_DIMENSIONS_LABEL));
        EXPECT_EQ(CString(c.mips), Text(IDC_GV_TEXTURE_MIP_MAP_LEVELS_LABEL));
        m_ctrl.reset();
    }

    GvRenderableTexture target(64, 32, true);
    Make(&target);
    EXPECT_EQ(CString(L"<None>"), Text(IDC_GV_TEXTURE_FILE_NAME_COMBO));
    EXPECT_EQ(CString(L"Refresh"), Text(IDC_GV_BROWSE_BUTTON));
    EXPECT_EQ(CString(L"Mip Map Levels: <Auto Generated>"), Text(IDC_GV_TEXTURE_MIP_MAP_LEVELS_LABEL));
    EXPECT_EQ(1, target.GetRefreshCount());
    Click(IDC_GV_BROWSE_BUTTON);
    EXPECT_EQ(3, target.GetRefreshCount()); // the click, then the refresh of the view
    ASSERT_EQ(3, m_app.GetAppEvents().GetCount());
    EXPECT_EQ(GvAppEventRefreshRenderTarget, m_app.GetAppEvents().Begin()->m_eventId);
    m_ctrl.reset();

    Make(nullptr);
    EXPECT_EQ(CString(L""), Text(IDC_GV_TEXTURE_FILE_NAME_COMBO));
    EXPECT_EQ(CString(L"Format: Unknown"), Text(IDC_GV_TEXTURE_FORMAT_LABEL));
    EXPECT_EQ(CString(L"Dimensions: Unknown"), Text(IDC_GV_TEXTURE_DIMENSIONS_LABEL));
    EXPECT_EQ(CString(L"Mip Map Levels: 1"), Text(IDC_GV_TEXTURE_MIP_MAP_LEVELS_LABEL));
    EXPECT_EQ(nullptr, m_ctrl->GetThumbnailBitmap());
    EXPECT_EQ(CSize(0, 0), ButtonSize());
    EXPECT_EQ(BST_CHECKED, Checked(IDC_GV_TEXTURE_ORIGIN_TOP_LEFT_RADIO));
}

TEST_F(TextureEditCtrlTest, BitmapAndThumbnailSizesPerModeAndLevelThumbnailPixelsAndPlugIns)
{
    GvTextureVariable texture;
    Load(texture, "mips_bgra.dds"); // 32 x 16, 6 levels
    Make(&texture);
    CRect client;
    m_ctrl->GetScrollWnd().GetClientRect(&client);
    const float r = std::max(32.0f / client.Width(), 16.0f / client.Height());
    const CSize fitted(int(32 / r), int(16 / r));
    EXPECT_EQ(std::make_tuple(fitted, fitted), std::make_tuple(BitmapSize(), ButtonSize()));

    // The size arithmetic is tested natively; here, that the mode and the level reach it.
    Type(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT, L"2");
    SelectMode(6);
    EXPECT_EQ(std::make_tuple(6, CSize(8, 4)), std::make_tuple(m_ctrl->GetThumbnailSizeMode(), BitmapSize()));
    EXPECT_EQ(CSize(64, 32), ButtonSize());

    GvTextureVariable cube;
    Load(cube, "cube_bgrx.dds");
    m_ctrl.reset();
    Make(&cube);
    SelectMode(3);
    EXPECT_EQ(CSize(32, 32), BitmapSize());

    // Sizing fills the thumbnail area and fits the picture again.
    m_ctrl.reset();
    Make(&texture);
    MINMAXINFO info = {};
    m_ctrl->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const CRect group = Rect(IDC_GV_TEXTURE_PROPERTIES_GROUP);
    const CRect scroll = RectIn(m_ctrl->GetScrollWnd().m_hWnd);
    EXPECT_EQ(CPoint(group.Width(), scroll.top + 32), CPoint(info.ptMinTrackSize));

    m_ctrl->SetWindowPos(nullptr, 0, 0, 300, scroll.top + 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect grown = RectIn(m_ctrl->GetScrollWnd().m_hWnd);
    EXPECT_EQ(CRect(scroll.left, scroll.top, scroll.left + 300, scroll.top + 200), grown);
    m_ctrl->GetScrollWnd().GetClientRect(&client);
    const float refit = std::max(32.0f / client.Width(), 16.0f / client.Height());
    EXPECT_EQ(CSize(int(32 / refit), int(16 / refit)), ButtonSize()); // refitted

    // The thumbnail's pixels; a double click opens the viewer, Browse the editor.
    ASSERT_TRUE(m_app.RegisterPlugIn(new TestPlugIn(kOtherId, "other")));
    ASSERT_TRUE(m_app.RegisterPlugIn(new TestPlugIn(kViewerId, "viewer")));
    ASSERT_TRUE(m_app.RegisterPlugIn(new TestPlugIn(kEditorId, "editor")));
    SelectMode(6);
    HWND button = m_ctrl->GetThumbnailButton().m_hWnd;
    ::UpdateWindow(m_frame.m_hWnd);
    ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // Texel (2, 1) of level 0 covers pixels 16..23 x 8..15: R = 16, G = 16.
    HDC dc = ::GetDC(button);
    EXPECT_EQ(RGB(16, 16, 0), ::GetPixel(dc, 20, 12));
    EXPECT_EQ(RGB(8, 0, 0), ::GetPixel(dc, 15, 7));
    ::ReleaseDC(button, dc);

    ::PostMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    AfxPumpPendingMessages();
    Click(IDC_GV_BROWSE_BUTTON);
    const std::vector<std::string> expected = {"viewer open", "editor edit dialog"};
    EXPECT_EQ(expected, g_plugInCalls);
}

// The sample named through "./" steps so that the whole path has length
// units: the emulator folds the steps before the file system sees them.
std::wstring LongPath(const char* name, size_t length)
{
    std::wstring path = Wide(SamplePath(""));
    if ((length - path.size() - strlen(name)) % 2)
        path += L"x/../";
    while (path.size() + strlen(name) < length)
        path += L"./";
    return path + Wide(SamplePath(name)).substr(Wide(SamplePath("")).size());
}

TEST_F(TextureEditCtrlTest, DropsShortAndLong)
{
    GvSetBaseDirectory(Units(SamplePath("")));
    GvTextureVariable texture;
    Load(texture, "mips_bgra.dds");
    Make(&texture);
    const std::wstring gradient = Wide(SamplePath("gradient.png")), volume = Wide(SamplePath("volume_rgba.dds"));

    const HDROP workspace = Drop({gradient, L"C:\\scenes\\a.GVX"});
    ASSERT_EQ(1u, m_frame.m_drops.size());
    EXPECT_EQ(workspace, m_frame.m_drops[0]);
    EXPECT_EQ(0, m_app.GetUndoCount());

    // The volume does not fit a 2-D texture; the picture after it is taken,
    // the one after that ignored.
    // The same drop twice: the second changes nothing.
    Drop({Wide(SamplePath("missing.dds")), volume, gradient, Wide(SamplePath("gray.png"))}, 2);
    EXPECT_EQ(u"gradient.png", ::Text(texture.GetFileName()));
    EXPECT_EQ(1, m_app.GetUndoCount());
    ASSERT_EQ(1, m_app.GetNodeChanges().GetCount());
    EXPECT_EQ(GvNodeChangeUpdate, m_app.GetNodeChanges().Begin()->m_kind);
    EXPECT_EQ(nullptr, m_app.GetNodeChanges().Begin()->m_sourceId);
    EXPECT_EQ(CString(L"Dimensions: 24 x 12"), Text(IDC_GV_TEXTURE_DIMENSIONS_LABEL));

    ASSERT_TRUE(m_app.Undo());
    EXPECT_EQ(32, texture.GetTexture()->GetLevelWidth(0));

    // Long dropped paths are read whole, by a fresh control.
    GvTextureVariable fresh;
    Load(fresh, "mips_bgra.dds");
    Make(&fresh);
    m_frame.m_drops.clear();
    const std::u16string loaded = ::Text(fresh.GetFileName());
    const int undos = m_app.GetUndoCount();

    // A workspace is known by the end of its name, past any short buffer.
    Drop({L"C:\\scenes\\" + std::wstring(4096 - 14, L'w') + L".GVX"});
    EXPECT_EQ(1u, m_frame.m_drops.size());

    // Paths whose first 2,047 units name a picture but whose whole name does
    // not are refused; a 4,096-unit path naming one is taken.
    const std::wstring prefix = LongPath("gradient.png", 2047);
    Drop({prefix + L"x", prefix + std::wstring(40000, L'x')});
    EXPECT_EQ(loaded, ::Text(fresh.GetFileName()));
    EXPECT_EQ(undos, m_app.GetUndoCount());

    Drop({LongPath("gradient.png", 4096)});
    EXPECT_EQ(u"gradient.png", ::Text(fresh.GetFileName()));
    EXPECT_EQ(undos + 1, m_app.GetUndoCount());
    EXPECT_EQ(CString(L"Dimensions: 24 x 12"), Text(IDC_GV_TEXTURE_DIMENSIONS_LABEL));
}

TEST_F(TextureEditCtrlTest, LayoutFollowsGroupsAndLinesOriginsAreUndoneLevelsClamped)
{
    GvTextureVariable texture;
    Load(texture, "gradient.png"); // one level, no alpha
    Make(&texture);
    ASSERT_FALSE(m_frame.m_resizes.empty()); // the first layout
    const size_t resizes = m_frame.m_resizes.size();
    EXPECT_EQ(reinterpret_cast<WPARAM>(m_ctrl->m_hWnd), m_frame.m_resizes.back());
    const CRect check = Rect(IDC_GV_TEXTURE_OPTIONS_CHECK);
    EXPECT_EQ(check.bottom + 4, Rect(IDC_GV_TEXTURE_PROPERTIES_GROUP).bottom);
    EXPECT_FALSE(Visible(IDC_GV_TEXTURE_FORMAT_LABEL));
    EXPECT_FALSE(Visible(IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO));
    const CRect closedScroll = RectIn(m_ctrl->GetScrollWnd().m_hWnd);
    EXPECT_EQ(Rect(IDC_GV_TEXTURE_VIEW_GROUP).bottom + 4, closedScroll.top);
    CRect client;
    m_ctrl->GetClientRect(&client);
    EXPECT_EQ(closedScroll.bottom, client.bottom);

    Click(IDC_GV_TEXTURE_OPTIONS_CHECK);
    EXPECT_TRUE(Visible(IDC_GV_TEXTURE_FORMAT_LABEL));
    EXPECT_TRUE(Visible(IDC_GV_TEXTURE_ORIGIN_TOP_LEFT_RADIO));
    EXPECT_EQ(Rect(IDC_GV_TEXTURE_ORIGIN_GROUP).bottom + 4, Rect(IDC_GV_TEXTURE_PROPERTIES_GROUP).bottom);
    EXPECT_EQ(Rect(IDC_GV_TEXTURE_PROPERTIES_GROUP).bottom + 4, Rect(IDC_GV_TEXTURE_VIEW_OPTIONS_CHECK).top);
    EXPECT_EQ(resizes + 1, m_frame.m_resizes.size());

    Click(IDC_GV_TEXTURE_VIEW_OPTIONS_CHECK);
    EXPECT_TRUE(Visible(IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO));
    EXPECT_FALSE(Visible(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT));
    EXPECT_FALSE(Visible(IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT));
    EXPECT_FALSE(Visible(IDC_GV_TEXTURE_VIEW_ALPHA_CHECK));
    EXPECT_EQ(Rect(IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO).bottom + 4, Rect(IDC_GV_TEXTURE_VIEW_GROUP).bottom);
    EXPECT_EQ(resizes + 2, m_frame.m_resizes.size());

    // Origin changes (the radios shown: hidden ones cannot be clicked) are recorded and undone.
    m_app.ClearNodeChanges();
    Click(IDC_GV_TEXTURE_ORIGIN_TOP_LEFT_RADIO);
    EXPECT_EQ(0, m_app.GetUndoCount());
    EXPECT_EQ(0, m_app.GetNodeChanges().GetCount());

    Click(IDC_GV_TEXTURE_ORIGIN_BOTTOM_LEFT_RADIO);
    EXPECT_EQ(GV_ORIGIN_BOTTOM_LEFT, texture.GetOrigin());
    EXPECT_EQ(1, m_app.GetUndoCount());
    EXPECT_EQ(1, m_app.GetUndoStateUpdateCount());
    EXPECT_TRUE(m_app.IsModified());
    ASSERT_EQ(1, m_app.GetNodeChanges().GetCount());
    EXPECT_EQ(GvNodeChangeOrigin, m_app.GetNodeChanges().Begin()->m_kind);
    EXPECT_EQ(&kSourceId, m_app.GetNodeChanges().Begin()->m_sourceId);
    Click(IDC_GV_TEXTURE_ORIGIN_BOTTOM_LEFT_RADIO);
    EXPECT_EQ(1, m_app.GetUndoCount());

    ASSERT_TRUE(m_app.Undo());
    EXPECT_EQ(GV_ORIGIN_TOP_LEFT, texture.GetOrigin());
    m_ctrl->UpdateOrigin();
    EXPECT_EQ(BST_CHECKED, Checked(IDC_GV_TEXTURE_ORIGIN_TOP_LEFT_RADIO));
    EXPECT_EQ(BST_UNCHECKED, Checked(IDC_GV_TEXTURE_ORIGIN_BOTTOM_LEFT_RADIO));
    m_ctrl.reset();

    GvTextureVariable volume;
    Load(volume, "volume_rgba.dds"); // levels, slices and alpha
    Make(&volume);
    Click(IDC_GV_TEXTURE_VIEW_OPTIONS_CHECK);
    EXPECT_TRUE(Visible(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT));
    EXPECT_TRUE(Visible(IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT));
    EXPECT_TRUE(Visible(IDC_GV_TEXTURE_VIEW_ALPHA_CHECK));
    const CRect depth = Rect(IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT);
    const CRect alpha = Rect(IDC_GV_TEXTURE_VIEW_ALPHA_CHECK);
    EXPECT_EQ(depth.bottom + 4, alpha.top);
    EXPECT_EQ(alpha.bottom + 4, Rect(IDC_GV_TEXTURE_VIEW_GROUP).bottom);

    // Typed and spun levels and slices are clamped.
    Type(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT, L"7");
    EXPECT_EQ(CString(L"3"), Text(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT));
    EXPECT_EQ(3, m_ctrl->GetMipLevel());
    Type(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT, L"1");
    Type(IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT, L"9");
    EXPECT_EQ(CString(L"1"), Text(IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT)); // 2 slices at level 1
    EXPECT_EQ(2, m_ctrl->GetLevel0Slice());

    // The spin writes its text, then the posted kill-focus takes it.
    Type(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT, L"0");
    ::SendMessageW(Item(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT), WM_KEYDOWN, VK_UP, 0);
    AfxPumpPendingMessages();
    EXPECT_EQ(CString(L"1"), Text(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT));
    EXPECT_EQ(std::make_tuple(1, 1), std::make_tuple(m_ctrl->GetMipLevel(), m_ctrl->GetSlice()));
    for (int i = 0; i < 5; ++i)
        ::SendMessageW(Item(IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT), WM_KEYDOWN, VK_UP, 0);
    AfxPumpPendingMessages();
    EXPECT_EQ(std::make_tuple(3, 0), std::make_tuple(m_ctrl->GetMipLevel(), m_ctrl->GetSlice()));
    EXPECT_EQ(2, m_ctrl->GetLevel0Slice()); // kept for the way back
    m_ctrl.reset();

    GvRenderableTexture target(16, 16, false);
    Make(&target);
    Click(IDC_GV_TEXTURE_OPTIONS_CHECK);
    EXPECT_FALSE(Visible(IDC_GV_TEXTURE_ORIGIN_GROUP));
    EXPECT_EQ(Rect(IDC_GV_TEXTURE_MIP_MAP_LEVELS_LABEL).bottom + 4, Rect(IDC_GV_TEXTURE_PROPERTIES_GROUP).bottom);
}

TEST_F(TextureEditCtrlTest, APanPaintsTheUncoveredStripsAloneAndWithoutSeamsAndDraggingPans)
{
    GvTextureVariable texture;
    Load(texture, "cube_bgrx.dds");
    Make(&texture);
    SelectMode(6);
    HWND button = m_ctrl->GetThumbnailButton().m_hWnd;
    HWND frame = ::GetParent(button);
    ::UpdateWindow(m_frame.m_hWnd);
    // A mark on a kept pixel: the pan moves it along, a repaint covers it.
    const CPoint mark(40, 30);
    const COLORREF magenta = RGB(255, 0, 255);
    HDC dc = ::GetDC(button);
    ::SetPixel(dc, mark.x, mark.y, magenta);
    ::ReleaseDC(button, dc);

    ::SendMessageW(frame, GVM_CHILD_SCROLL, reinterpret_cast<WPARAM>(button), MAKELPARAM(10, 6));
    ASSERT_EQ(CPoint(-10, -6), RectIn(button).TopLeft());
    CRect visible;
    ::GetClientRect(frame, &visible);
    visible.OffsetRect(10, 6);
    const CPixels panned(button, CPixels::ClientArea);
    ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const CPixels repainted(button, CPixels::ClientArea);
    EXPECT_EQ(magenta, panned.At(mark.x, mark.y));
    EXPECT_NE(magenta, repainted.At(mark.x, mark.y));
    int differing = 0;
    for (int y = visible.top; y < visible.bottom; ++y)
        for (int x = visible.left; x < visible.right; ++x)
            differing += panned.At(x, y) != repainted.At(x, y);
    EXPECT_EQ(1, differing) << "the mark alone";

    // Dragging pans: the grab point stays where the press was, in the moved button.
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 50));
    EXPECT_EQ(button, ::GetCapture());
    ::SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 45));
    EXPECT_EQ(CPoint(-30, -11), RectIn(button).TopLeft());
    ::SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 50));
    EXPECT_EQ(CPoint(-40, -11), RectIn(button).TopLeft());
    ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_FALSE(m_ctrl->GetThumbnailButton().IsDragging());
    ::SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(CPoint(-40, -11), RectIn(button).TopLeft());
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 50));
    ::SetCapture(m_frame.m_hWnd);
    EXPECT_FALSE(m_ctrl->GetThumbnailButton().IsDragging());
    ::ReleaseCapture();
}

} // namespace
