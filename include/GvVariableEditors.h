#pragma once
// Variable editors of GvMFCUtilities.dll: the texture edit control.
#include <windows.h>
#include "GvMFCUtilitiesExport.h"
#include "GvMessages.h"
#include "variable_editors/GvTextureEditCtrl.h"
