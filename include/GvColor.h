#pragma once
// Colour selection of GvMFCUtilities: the colour wheel, the colour slider,
// the colour picker control and dialog, and the colour button. Their
// private messages are in GvMessages.h.
#include "GvMessages.h"
#include "color/GvColorWheel.h"
#include "color/GvColorSlider.h"
#include "color/GvColorPickerCtrl.h"
#include "color/GvColorPickerDlg.h"
#include "color/ColorButton.h"
