#pragma once
// Numeric value controls of GvMFCUtilities: the numeric edit, the pop-up
// slider, the slider edit and its data-exchange function. Their private
// messages are in GvMessages.h.
#include "GvMessages.h"
#include "numeric/GvNumericEdit.h"
#include "numeric/PopupSlider.h"
#include "numeric/GvSliderEdit.h"
