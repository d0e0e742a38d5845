#pragma once
// Shader source editor of GvMFCUtilities: the editor control over the code
// editor base, coloured from a shader syntax parser.
#include "shader_editor/GvMFCShaderEditorTextCtrl.h"
