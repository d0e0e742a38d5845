// The families of the example host: a family is one source file with a
// factory, and one line here.
#include "ExampleHost.h"

CExampleFamily* MakeNumericFamily();
CExampleFamily* MakeColorFamily();
CExampleFamily* MakeShaderEditorFamily();
CExampleFamily* MakeShaderBudgetFamily();
CExampleFamily* MakeVariableFamily();
CExampleFamily* MakeWindowUtilsFamily();

const ExampleFamilyEntry kExampleFamilies[] = {
    {"numeric", MakeNumericFamily},
    {"colour", MakeColorFamily},
    {"shader editor", MakeShaderEditorFamily},
    {"shader budget", MakeShaderBudgetFamily},
    {"variable editors", MakeVariableFamily},
    {"window utilities", MakeWindowUtilsFamily},
};
const int kExampleFamilyCount = static_cast<int>(sizeof(kExampleFamilies) / sizeof(kExampleFamilies[0]));
