#include "demo/DemoPanel.h"

#include "demo/ColorPanel.h"
#include "demo/NumericPanel.h"
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
    &Make<CColorPanel>,
    &Make<CVariablePanel>,
    &Make<CTexturePanel>,
    nullptr,
};
