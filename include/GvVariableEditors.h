#pragma once
// Variable editors of GvMFCUtilities: the variable edit control and the
// texture edit control. Their private messages are in GvMessages.h.
#include "GvMessages.h"
#include "variable_editors/GvTextureEditCtrl.h"
#include "variable_editors/GvVariableEditCtrl.h"
