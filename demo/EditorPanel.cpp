#include "demo/EditorPanel.h"

#include <cstdio>
#include <string>

namespace {

// The sample shader as text; "\n" rows, as the file holds them.
CString ReadSample(LPCWSTR path)
{
    std::string bytes;
    if (FILE* file = _wfopen(path, L"rb")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof(buffer), file)) > 0;) {
            bytes.append(buffer, n);
        }
        fclose(file);
    }
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    CString text;
    if (length > 0) {
        ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.GetBufferSetLength(length),
                              length);
        text.ReleaseBuffer(length);
    }
    return text;
}

} // namespace

BOOL CEditorPanel::CreatePanel(CWnd* pParent, const CRect& rect, UINT nID)
{
    if (!CreateEx(WS_EX_CONTROLPARENT,
                  AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  L"", WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID)) {
        return FALSE;
    }
    CRect editRect(0, 0, rect.Width(), rect.Height());
    editRect.DeflateRect(AfxScaleForWindow(this, 12), AfxScaleForWindow(this, 12));
    if (!m_edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, editRect, this, 1)) {
        return FALSE;
    }
    m_edit.LoadXMLSettings(CString(L"" GV_DATA_DIR L"/syntax/hlsl.xml"));
    m_edit.SetWindowText(ReadSample(L"" GV_DATA_DIR L"/shaders/phong.hlsl"));
    return TRUE;
}

CString CEditorPanel::BeginScene(int scene)
{
    if (scene == 1) {
        m_marker = m_edit.SetLineColorMarker(10, RGB(255, 255, 255), RGB(200, 40, 40), TRUE, 0, 4, 0);
        m_edit.FindText(L"float4", TRUE, TRUE, TRUE);
        return L"selection";
    }
    return CString();
}

void CEditorPanel::EndScene(int scene)
{
    if (scene == 1) {
        m_edit.DeleteAllMarkers();
        m_edit.SetSel(-1, -1);
    }
}
