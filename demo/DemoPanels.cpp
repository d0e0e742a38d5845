#include "demo/DemoPanel.h"

#include "demo/EditorPanel.h"
#include "demo/ColorPanel.h"
#include "demo/NumericPanel.h"
#include "demo/ShaderPanel.h"
#include "demo/VariablePanel.h"
#include "demo/TexturePanel.h"

namespace {

template <class T>
CDemoPanel* Make()
{
    return new T;
}

} // namespace

const DemoPanelFactory kDemoPanels[] = {
    &Make<CNumericPanel>,
    &Make<CEditorPanel>,
    &Make<CShaderPanel>,
    &Make<CColorPanel>,
    &Make<CVariablePanel>,
    &Make<CTexturePanel>,
    nullptr,
};
