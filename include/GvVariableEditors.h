#pragma once
// Variable editors of GvMFCUtilities: the variable edit control. Its private
// messages are in GvMessages.h.
#include "GvMessages.h"
#include "variable_editors/GvVariableEditCtrl.h"
