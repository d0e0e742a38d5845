#pragma once
#include "color/ColorSliderMath.h"
#include "window_utils/NotifyThrottle.h"

#include <string>

// Arithmetic of the colour picker control and dialog: the packed form, the
// two colour models kept in step, slider stops, edit values, typed values,
// the notification throttles and the dialog's layout. Portable; HSV goes
// through the host's RGBtoHSV and HSVtoRGB (degrees), the picker keeps hue
// as a fraction of a turn.

enum GvPickerColorType
{
    GvPickerRGB = 0,
    GvPickerHSV = 1
};

// The picker's five sliders, in the order it refreshes them.
enum GvPickerSliderType
{
    GvPickerRedSlider,   // hue in HSV
    GvPickerGreenSlider, // saturation in HSV
    GvPickerBlueSlider,  // value in HSV
    GvPickerAlphaSlider,
    GvPickerValueSlider
};

// 0xAABBGGRR, each byte trunc(x * 255) kept to its low 8 bits: a typed
// component outside 0..1 wraps, as hosts reading this form have always seen
// it (GvRGBA::ToPacked clamps instead).
uint32_t GvPickerPack(const GvRGBA& color);

// HSV of the colour's RGB, hue as a fraction of a turn.
GvHSV GvPickerHSVOf(const GvRGBA& color);
// RGB of hsv (hue a fraction of a turn) into color; alpha is kept.
void GvPickerSetRGB(GvRGBA& color, const GvHSV& hsv);

// The gradient of one slider in the given mode; returns the stop count
// (7 for the hue slider, else 2).
int GvPickerSliderStops(GvPickerColorType type, GvPickerSliderType slider, const GvRGBA& color, const GvHSV& hsv,
                        GvColorStop stops[7]);

// What the four edits show, red (hue) to alpha: HSV as H x 360, S, V, A;
// RGB each component x scale (255 or 1).
void GvPickerEditValues(GvPickerColorType type, const GvRGBA& color, const GvHSV& hsv, float scale, float values[4]);
// An edit is rewritten only when its value is off by more than 0.00001.
bool GvPickerEditDiffers(float shown, float value);

// Values typed into the four edits. RGB: divided by scale and kept as typed,
// even outside 0..1; HSV: hue / 360 and each clamped to 0..1. Both models
// follow.
void GvPickerApplyTyped(GvPickerColorType type, const float typed[4], float scale, GvRGBA& color, GvHSV& hsv);

// After a slider changed a value through its pointer: the model it edited
// wins (HSV mode and the value slider edit HSV, else RGB was edited).
void GvPickerSliderMoved(GvPickerColorType type, bool valueSlider, GvRGBA& color, GvHSV& hsv);

// The two process-wide records shared by every picker: slider changes and
// wheel changes.
GvTickThrottle& GvPickerValueThrottle();
GvTickThrottle& GvPickerColorThrottle();

// The layouts' own gaps (4 between swatch and labels and around the dialog's
// buttons, 32 of slider at least) are 96-DPI pixels, scaled to dpi.

// Small view: label, slider and swatch side by side, four slider rows high.
GvSize GvPickerSmallViewSize(int labelWidth, int sliderWidth, int swatchWidth, int sliderHeight,
                             unsigned dpi = GvDefaultDpi);
// Smallest client sizes the user can drag each view to.
GvSize GvPickerLargeMinimum(const GvRect& alphaSlider, const GvRect& swatch, const GvRect& redSlider,
                            const GvRect& combo, unsigned dpi = GvDefaultDpi);
GvSize GvPickerSmallMinimum(const GvRect& alphaSlider, unsigned dpi = GvDefaultDpi);

// The dialog around a picker: picker at the top, OK and Cancel of the OK
// button's size centred along the bottom with 4 pixels between them.
struct GvPickerDialogLayout
{
    GvRect picker, ok, cancel;
};
GvPickerDialogLayout GvPickerDialogLayoutOf(GvSize client, GvSize okButton, unsigned dpi = GvDefaultDpi);
// The client size that holds the picker and, when there is one, the buttons.
GvSize GvPickerDialogClientSize(GvSize picker, bool hasOk, int okHeight, unsigned dpi = GvDefaultDpi);

// What accessibility clients read for a colour: "R 255 G 128 B 0", each
// channel x 255 rounded half up and limited to 0..255 (NaN as 0); alpha is
// not read, as the swatch and the wheel do not show it.
std::u16string GvColorAccessibleText(const GvRGBA& color);
