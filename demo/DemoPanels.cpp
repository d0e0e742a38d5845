#include "demo/DemoPanel.h"

#include "demo/NumericPanel.h"
#include "demo/ShaderPanel.h"

namespace {

template <class T>
CDemoPanel* Make()
{
    return new T;
}

} // namespace

const DemoPanelFactory g_demoPanels[] = {
    &Make<CNumericPanel>,
    &Make<CShaderPanel>,
    nullptr,
};
