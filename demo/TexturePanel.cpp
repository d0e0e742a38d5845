#include "demo/TexturePanel.h"

#include <string>
#include "GvMessages.h"
#include "host_interfaces/GvTextureVariable.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

enum
{
    kMips,
    kVolume,
    kCube,
    kAlpha,
    kTarget
};
const int kGap = 8;

// A render target with a picture worth zooming into: a colour ramp crossed
// by an XOR pattern.
class CPatternTarget : public GvRenderableTexture
{
public:
    CPatternTarget() : GvRenderableTexture(256, 256, true) {}

protected:
    void Render(Gv2DTexture& target) override
    {
        uint8_t* p = target.GetLevelData(0, 0);
        for (int y = 0; y < target.GetHeight(); ++y)
            for (int x = 0; x < target.GetWidth(); ++x, p += 4) {
                const int xor8 = (x ^ y) & 0x20 ? 48 : 0;
                p[0] = static_cast<uint8_t>(std::min(255, x + xor8));
                p[1] = static_cast<uint8_t>(std::min(255, y + xor8));
                p[2] = static_cast<uint8_t>(255 - x);
                p[3] = 255;
            }
    }
};

void Command(CWnd& dialog, int id, int code)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, id)));
}

void SelectMode(CWnd& dialog, int mode)
{
    ::SendDlgItemMessageW(dialog.m_hWnd, IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO, CB_SETCURSEL, mode, 0);
    Command(dialog, IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO, CBN_SELCHANGE);
}

void Click(CWnd& dialog, int id)
{
    ::SendDlgItemMessageW(dialog.m_hWnd, id, BM_CLICK, 0, 0);
}

void TypeNumber(CWnd& dialog, int id, int value)
{
    ::SetDlgItemInt(dialog.m_hWnd, id, value, TRUE);
    ::SendDlgItemMessageW(dialog.m_hWnd, id, WM_KILLFOCUS, 0, 0);
}

} // namespace

BEGIN_MESSAGE_MAP(CTexturePanel::CStrip, CWnd)
    ON_MESSAGE(GVM_CHILD_RESIZE, OnChildResize)
END_MESSAGE_MAP()

void CTexturePanel::CStrip::Arrange()
{
    const int gap = AfxScaleForWindow(this, kGap);
    int x = gap, bottom = 0;
    for (auto& control : m_controls) {
        CRect r;
        control->GetWindowRect(&r);
        control->SetWindowPos(nullptr, x, gap, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        x += r.Width() + gap;
        bottom = std::max(bottom, gap + r.Height());
    }
    SetWindowPos(nullptr, 0, 0, x, bottom + gap, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CTexturePanel::CStrip::OnChildResize(WPARAM, LPARAM)
{
    Arrange();
    ::SendMessageW(::GetParent(m_hWnd), GVM_CHILD_RESIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return 0;
}

CTexturePanel::CTexturePanel() = default;
CTexturePanel::~CTexturePanel()
{
    // The controls refer to the textures.
    m_strip.m_controls.clear();
}

BOOL CTexturePanel::CreatePanel(CWnd* pParent, const CRect& rect, UINT nID)
{
    if (!CreateEx(WS_EX_CONTROLPARENT,
                  AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  L"", WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID))
        return FALSE;
    if (!m_scroll.CreateScrollWnd(m_hWnd, CRect(0, 0, rect.Width(), rect.Height()), WS_CHILD | WS_VISIBLE, false)
        || !m_strip.CreateEx(
            WS_EX_CONTROLPARENT,
            AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), L"",
            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 10, 10), this, 1))
        return FALSE;
    m_scroll.AttachScrollChild(&m_strip);

    const wchar_t* const files[] = {L"mips_bgra.dds", L"volume_rgba.dds", L"cube_bgrx.dds", L"alpha.png"};
    for (const wchar_t* file : files) {
        const std::wstring path = std::wstring(L"" GV_DATA_DIR "/textures/") + file;
        m_textures.emplace_back(new GvTextureVariable);
        m_textures.back()->SetFileName(reinterpret_cast<const unsigned short*>(path.c_str()), true);
    }
    m_textures.emplace_back(new CPatternTarget);
    for (auto& texture : m_textures) {
        std::unique_ptr<CGvTextureEditCtrl> control(new CGvTextureEditCtrl);
        if (!control->Create(m_strip.m_hWnd, texture.get(), nullptr))
            return FALSE;
        m_strip.m_controls.push_back(std::move(control));
    }
    m_strip.Arrange();
    m_scroll.AdjustScrollWindow();
    return TRUE;
}

void CTexturePanel::ScrollTo(int index)
{
    int x = 0;
    if (index > 0) {
        CRect r;
        Control(index).GetWindowRect(&r);
        m_strip.ScreenToClient(&r);
        x = r.left - AfxScaleForWindow(this, kGap);
    }
    m_scroll.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, x), 0);
}

CString CTexturePanel::BeginScene(int scene)
{
    switch (scene) {
    case 1: {
        // The render target at 400 %, dragged until its middle shows.
        CGvTextureEditCtrl& control = Control(kTarget);
        ScrollTo(kTarget);
        SelectMode(control, 5);
        HWND button = control.GetThumbnailButton().m_hWnd;
        CRect thumb, view;
        ::GetWindowRect(button, &thumb);
        ::GetClientRect(::GetParent(button), &view);
        const int dx = (thumb.Width() - view.Width()) / 2, dy = (thumb.Height() - view.Height()) / 2;
        ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(dx + 1, dy + 1));
        ::SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 1));
        ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
        return L"zoom400";
    }
    case 2: {
        CGvTextureEditCtrl& control = Control(kVolume);
        Click(control, IDC_GV_TEXTURE_VIEW_OPTIONS_CHECK);
        SelectMode(control, 6);
        TypeNumber(control, IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT, 1);
        TypeNumber(control, IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT, 1);
        return L"volume-level1";
    }
    case 3: {
        CGvTextureEditCtrl& control = Control(kAlpha);
        ScrollTo(kAlpha);
        Click(control, IDC_GV_TEXTURE_OPTIONS_CHECK);
        Click(control, IDC_GV_TEXTURE_VIEW_OPTIONS_CHECK);
        Click(control, IDC_GV_TEXTURE_VIEW_ALPHA_CHECK);
        return L"alpha";
    }
    default: return CString();
    }
}

void CTexturePanel::EndScene(int scene)
{
    switch (scene) {
    case 1: SelectMode(Control(kTarget), 0); break;
    case 2: {
        CGvTextureEditCtrl& control = Control(kVolume);
        TypeNumber(control, IDC_GV_TEXTURE_VIEW_MIP_MAP_LEVEL_EDIT, 0);
        TypeNumber(control, IDC_GV_TEXTURE_VIEW_VOLUME_DEPTH_EDIT, 0);
        SelectMode(control, 0);
        Click(control, IDC_GV_TEXTURE_VIEW_OPTIONS_CHECK);
        break;
    }
    case 3: {
        CGvTextureEditCtrl& control = Control(kAlpha);
        Click(control, IDC_GV_TEXTURE_VIEW_ALPHA_CHECK);
        Click(control, IDC_GV_TEXTURE_VIEW_OPTIONS_CHECK);
        Click(control, IDC_GV_TEXTURE_OPTIONS_CHECK);
        ScrollTo(0);
        break;
    }
    default: break;
    }
}
