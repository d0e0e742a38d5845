// The variable editors: the grid editor on a vector, a matrix and a
// resizable variable, and the texture editor on a texture of data/.
#include <algorithm>
#include <ctime>
#include "ExampleHost.h"
#include "GvTextureVariable.h"
#include "GvVariableEditors.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

// The grid editors tell the application of a change at most once per 10
// clock ticks, all together. The host's clock runs ahead by what the check
// adds, so that each checked edit is heard whatever the machine's speed.
long g_clockAhead = 0;
long ExampleClock()
{
    return static_cast<long>(std::clock()) + g_clockAhead;
}

const GvGuid kSourceId = {0x5A3C, 1, 2, {3}};
const int kGap = 6;

// Node change kinds the editors report.
const int kResized = 1;
const int kValues = 6;
const int kOrigin = 10;

class CVariableFamily : public CExampleFamily
{
public:
    const wchar_t* Title() const override { return L"Variable editors: vector, matrix, resizable, texture"; }

    CSize CreateControls(const ExampleHostData& host) override
    {
        m_app = host.app;
        GvSetNotifyClock(&ExampleClock);
        // The variables outlive the editors (members declared before them).
        // Each editor is a child dialog that sizes itself and reports its
        // new size to its parent with GVM_CHILD_RESIZE.
        if (!m_vectorEdit.Create(m_hWnd, &m_vector, CGvVariableEditCtrl::SetupOrientationRight, false, &kSourceId)
            || !m_matrixEdit.Create(m_hWnd, &m_matrix, CGvVariableEditCtrl::SetupOrientationBottom, false, &kSourceId)
            || !m_resizableEdit.Create(m_hWnd, &m_resizable, CGvVariableEditCtrl::SetupOrientationTop, true,
                                       &kSourceId))
            return CSize();
        const std::wstring texture = host.dataDir + L"mips_bgra.dds";
        if (!m_texture.SetFileName(reinterpret_cast<const unsigned short*>(texture.c_str()), true)
            || !m_textureEdit.Create(m_hWnd, &m_texture, &kSourceId))
            return CSize();
        return Stack();
    }

    bool Check(std::string& seen) override
    {
        // Values read back from the cells.
        const float vectorY = CellValue(m_vectorEdit, 1), matrix11 = CellValue(m_matrixEdit, 5),
                    matrix01 = CellValue(m_matrixEdit, 1);
        bool ok = vectorY == 0.6f && matrix11 == 1.0f && matrix01 == 0.0f;

        // Typing into a cell writes the variable and tells the application.
        const int before = Changes(kValues);
        Type(FindDescendant(m_vectorEdit.m_hWnd, IDC_GV_FIRST_VALUE_CONTROL), L"0.5");
        Type(FindDescendant(m_matrixEdit.m_hWnd, IDC_GV_FIRST_VALUE_CONTROL + 1), L"2");
        ok =
            ok && m_vector.GetElement(0) == 0.5f && m_matrix.GetElement(0, 1) == 2.0f && Changes(kValues) == before + 2;

        // A new row count resizes the variable and the editor, which tells
        // its parent.
        const int resizes = m_childResizes;
        Type(FindDescendant(m_resizableEdit.m_hWnd, IDC_GV_ROWS_EDIT), L"3");
        ok = ok && m_resizable.GetNumRows() == 3 && Changes(kResized) == 1 && m_childResizes == resizes + 1;
        seen = Format("vector y %.2f, matrix [1,1] %.0f [0,1] %.0f; typed x 0.5 and [0,1] 2: %d node changes; rows "
                      "3: %d rows, %d resize",
                      vectorY, matrix11, matrix01, Changes(kValues) - before, m_resizable.GetNumRows(),
                      m_childResizes - resizes);
        return CheckTexture(seen) && ok;
    }

protected:
    // The texture: its labels, a texel at eight times its size (texel
    // (2, 1) of level 0 is R = 16, G = 16, B = 0), and an origin change that
    // the application records as an undo step.
    bool CheckTexture(std::string& seen)
    {
        const std::wstring format = WindowText(FindDescendant(m_textureEdit.m_hWnd, IDC_GV_TEXTURE_FORMAT_LABEL));
        const std::wstring size = WindowText(FindDescendant(m_textureEdit.m_hWnd, IDC_GV_TEXTURE_DIMENSIONS_LABEL));
        const HWND modes = FindDescendant(m_textureEdit.m_hWnd, IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO);
        ::SendMessageW(modes, CB_SETCURSEL, 6, 0);
        m_textureEdit.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GV_TEXTURE_VIEW_THUMBNAIL_SIZE_COMBO, CBN_SELCHANGE),
                                  reinterpret_cast<LPARAM>(modes));
        const COLORREF texel = ClientPixel(m_textureEdit.GetThumbnailButton().m_hWnd, CPoint(20, 12));

        const int resizes = m_childResizes;
        ::SendMessageW(FindDescendant(m_textureEdit.m_hWnd, IDC_GV_TEXTURE_OPTIONS_CHECK), BM_CLICK, 0, 0);
        ::SendMessageW(FindDescendant(m_textureEdit.m_hWnd, IDC_GV_TEXTURE_ORIGIN_BOTTOM_LEFT_RADIO), BM_CLICK, 0, 0);
        const bool changed = m_texture.GetOrigin() == GV_ORIGIN_BOTTOM_LEFT && Changes(kOrigin) == 1;
        const bool undone = m_app->Undo() && m_texture.GetOrigin() == GV_ORIGIN_TOP_LEFT;
        seen += Format("; texture \"%ls\", \"%ls\", texel %06lX, options shown: %d resize, origin %s and undone %s",
                       format.c_str(), size.c_str(), texel, m_childResizes - resizes, changed ? "recorded" : "LOST",
                       undone ? "yes" : "NO");
        return format == L"Format: B8G8R8A8" && size == L"Dimensions: 32 x 16" && texel == RGB(16, 16, 0)
               && m_childResizes == resizes + 1 && changed && undone;
    }

    // Lays the editors out: the grids in one column, the texture beside.
    CSize Stack()
    {
        int y = kTop, width = 0;
        for (CWnd* editor : {static_cast<CWnd*>(&m_vectorEdit), static_cast<CWnd*>(&m_resizableEdit),
                             static_cast<CWnd*>(&m_matrixEdit)}) {
            CRect rect;
            editor->GetWindowRect(&rect);
            editor->SetWindowPos(nullptr, kMargin, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            y += rect.Height() + kGap;
            width = std::max(width, static_cast<int>(rect.Width()));
        }
        CRect texture;
        m_textureEdit.GetWindowRect(&texture);
        m_textureEdit.SetWindowPos(nullptr, kMargin + width + kGap, kTop, 0, 0,
                                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return CSize(kMargin * 2 + width + kGap + texture.Width(),
                     std::max(y, kTop + static_cast<int>(texture.Height()) + kGap) + kMargin - kGap);
    }
    afx_msg LRESULT OnChildResize(WPARAM, LPARAM)
    {
        ++m_childResizes;
        const CSize size = Stack();
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetParent()->SendMessage(GVM_CHILD_RESIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

    static float CellValue(CGvVariableEditCtrl& editor, int index)
    {
        CWnd* cell = CWnd::FromHandlePermanent(FindDescendant(editor.m_hWnd, IDC_GV_FIRST_VALUE_CONTROL + index));
        auto* edit = dynamic_cast<CGvSliderEdit*>(cell);
        return edit ? edit->GetNumericValue() : -1.0f;
    }
    // Text typed into an edit, then the focus leaving it.
    static void Type(HWND edit, const wchar_t* text)
    {
        g_clockAhead += 11;
        ::SetWindowTextW(edit, text);
        ::SendMessageW(edit, WM_KILLFOCUS, 0, 0);
    }
    int Changes(int kind) const
    {
        int count = 0;
        const GvLinkedList<GvNodeChangeRecord>& changes = m_app->GetNodeChanges();
        for (auto it = changes.Begin(); it != changes.End(); ++it)
            count += it->m_kind == kind && it->m_sourceId == &kSourceId;
        return count;
    }

    CExampleApplication* m_app = nullptr;
    GvVectorVariable m_vector{0.0f, 0.6f, 0.8f, 1.0f};
    GvMatrixVariable m_matrix;
    GvDynamicVariable m_resizable{GvDynamicVariable::DYNAMIC_FLOAT, 2, 3, false};
    GvTextureVariable m_texture;
    CGvVariableEditCtrl m_vectorEdit, m_matrixEdit, m_resizableEdit;
    CGvTextureEditCtrl m_textureEdit;
    int m_childResizes = 0;
};

BEGIN_MESSAGE_MAP(CVariableFamily, CExampleFamily)
    ON_MESSAGE(GVM_CHILD_RESIZE, OnChildResize)
END_MESSAGE_MAP()

} // namespace

CExampleFamily* MakeVariableFamily()
{
    return new CVariableFamily;
}
