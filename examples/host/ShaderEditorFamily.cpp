// The shader editor, coloured by an HLSL parser whose keywords come from a
// keyword file of data/.
#include "ExampleHost.h"
#include "GvShaderEditor.h"

namespace {

const UINT kEditorId = 120;
const wchar_t kShader[] = L"float4 main(float2 uv : TEXCOORD0) : COLOR\n{\n    // tint\n"
                          L"    return tex2D(s, uv) * 0.5;\n}\n";

class CShaderEditorFamily : public CExampleFamily
{
public:
    const wchar_t* Title() const override { return L"Shader editor with the HLSL keywords"; }

    CSize CreateControls(const ExampleHostData& host) override
    {
        // The loader fills the parser from the file; the editor takes the
        // parser's colours and keywords and keeps no pointer to it.
        const std::wstring keywords = host.dataDir + L"hlsl.kwd";
        GvMFCShaderKeywordLoader loader;
        if (!loader.Load(reinterpret_cast<const unsigned short*>(keywords.c_str()), &m_parser))
            return CSize();
        if (!m_editor.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(kMargin, kTop, 368, kTop + 110),
                             this, kEditorId))
            return CSize();
        m_editor.LoadKeywords(&m_parser);
        m_editor.SetWindowText(kShader);
        m_app = host.app;
        return CSize(376, kTop + 118);
    }

    bool Check(std::string& seen) override
    {
        const bool sameText = WindowText(m_editor.m_hWnd) == kShader;
        // Line 1 (the first row) highlighted in the keyword file's colour,
        // as after a compiler error.
        m_editor.HighlightLine(1);
        CRect client;
        m_editor.GetClientRect(&client);
        const COLORREF highlighted = ClientPixel(m_editor.m_hWnd, CPoint(client.right - 4, 3));

        // The find dialog is modeless and registered with the host's
        // application, where the host finds it; closing it tells the host
        // "Ready" through its status text.
        m_editor.SendMessage(WM_COMMAND, ID_EDIT_FIND);
        const auto& modeless = m_app->GetModelessWindows();
        const HWND find = modeless.IsEmpty() ? nullptr : static_cast<HWND>(modeless.GetTail()->m_value.m_window);
        if (!find) {
            seen = "no find dialog";
            return false;
        }
        ::SetDlgItemTextW(find, edt1, L"tex2D");
        ::SendMessageW(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(find, IDOK)));
        const CString found = m_editor.GetSelectedText();
        const int statusBefore = m_app->m_statusTexts;
        ::SendMessageW(find, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(find, IDCANCEL)));
        AfxPumpPendingMessages();
        const std::wstring status(reinterpret_cast<const wchar_t*>(m_app->GetStatusText()));
        seen = Format("text %s, line 1 highlighted %06lX (expected %06X), found \"%ls\", find dialog %s, status "
                      "\"%ls\" (%d)",
                      sameText ? "read back" : "DIFFERS", highlighted, m_parser.m_highlightColor,
                      static_cast<LPCWSTR>(found), ::IsWindow(find) ? "open" : "closed", status.c_str(),
                      m_app->m_statusTexts - statusBefore);
        return sameText && highlighted == m_parser.m_highlightColor && found == L"tex2D" && !::IsWindow(find)
               && status == L"Ready" && m_app->m_statusTexts == statusBefore + 1;
    }

protected:
    GvMFCShaderHLSLParser m_parser;
    GvMFCShaderEditorTextCtrl m_editor;
    CExampleApplication* m_app = nullptr;
};

} // namespace

CExampleFamily* MakeShaderEditorFamily()
{
    return new CShaderEditorFamily;
}
