#pragma once
// Arithmetic of the variable edit control: cell geometry and identifiers,
// labels, the window's size rules, the options panel per orientation, the
// action a variable offers and the shared notification throttle. Portable;
// CGvVariableEditCtrl calls it with its measured numbers.
#include <string>
#include "platform/portable/DpiScale.h"
#include "window_utils/NotifyThrottle.h"

// The 16 numbers measured from template 3000 at start-up, in this order,
// and the gap the template does not give, scaled to the window's DPI.
struct GvGridMetrics
{
    int optionsHeight, optionsWidth;
    int setupButtonHeight, setupButtonWidth;
    int marginLeft, marginTop, marginRight, marginBottom; // always 0
    int editX, editY, labelX, labelY;
    int editWidth, editHeight, labelWidth, labelHeight;
    int labelGap;
    int gap; // GvGridGap at the window's DPI
};

// The rectangles of template 3000 (client coordinates) the numbers come from.
struct GvGridTemplateRects
{
    GvRect setupButton, options, cellFrame, label, edit;
};
// The 16 numbers as measured (dialog units scale them already); the margins
// are 0; the gap is GvGridGap scaled to dpi.
GvGridMetrics GvMeasureGrid(const GvGridTemplateRects& rects, unsigned dpi = GvDefaultDpi);

// A fixed size needs no rows and columns controls: the options end at the
// maximum edit's right edge plus the clamp check's left margin.
int GvFixedSizeOptionsWidth(const GvRect& clampCheck, const GvRect& maxEdit);
// Without an action button the options frame ends below the maximum edit by
// the action button's left margin in the frame.
GvRect GvOptionsWithoutAction(GvRect options, const GvRect& maxEdit, const GvRect& actionButton);
// A resizable boolean variable has only the rows and columns block: the frame
// ends below "Cols:" by the rows edit's margin to the frame's right edge.
GvRect GvOptionsOfCountsOnly(GvRect options, const GvRect& columnsLabel, const GvRect& rowsEdit);

enum
{
    GvGridExtent = 4, // the window shows at most this many rows and columns
    GvGridGap = 4,    // between cells and between options and values, at 96 DPI
    GvFirstGridControlId = 0x8000
};

struct GvGridCell
{
    GvRect label, edit;
};
GvGridCell GvGridCellRects(const GvGridMetrics& m, int row, int column);

// Content: the extent of the rows x columns cells; grid: of a 4 x 4 grid.
// Both from (0, 0); empty for no cells.
void GvGridExtents(const GvGridMetrics& m, int rows, int columns, GvRect* content, GvRect* grid);

// The value control of (row, column) is 0x8000 + row x columns + column.
int GvGridCellId(int row, int column, int columns);
// Back from an identifier; columns below 1 count as 1.
void GvGridCellFromId(int id, int columns, int* row, int* column);
// Grid arrays are column-major.
int GvGridArrayIndex(int row, int column, int rows);

// "Value", "x".."w", "[%d]" or "[%d,%d]".
std::wstring GvGridCellLabel(int rows, int columns, int row, int column);

// The content size the window makes room for: the content with the bars it
// needs against a 4 x 4 viewport (itself widened for bars a larger content
// needs), limited to that viewport.
GvSize GvGridViewSize(GvSize content, GvSize grid, int cxV, int cyH);

enum GvSetupOrientationType
{
    GvSetupTop = 0,
    GvSetupRight = 1,
    GvSetupBottom = 2
};

// What the options panel takes: its full size when shown, else the setup
// button's.
GvSize GvOptionsSize(const GvGridMetrics& m, bool showSetup);
// The client size for a content of that size.
GvSize GvIdealClientSize(GvSize content, const GvGridMetrics& m, int orientation, bool setupAvailable, bool showSetup);

struct GvOptionsLayout
{
    GvRect options; // meaningful only with setupAvailable
    GvRect values;
};
GvOptionsLayout GvLayoutOptions(const GvRect& client, const GvGridMetrics& m, int orientation, bool setupAvailable,
                                bool showSetup);

// Orientation chosen by the Create without one: 1 for a fixed size with at
// most 2 columns, unchanged for wider fixed sizes, 0 when resizable.
int GvDefaultSetupOrientation(bool fixedSize, int columns, int current);

enum GvGridActionType
{
    GvGridNoAction,
    GvGridNormalize, // "Normalize (xyz)"
    GvGridIdentity   // "Identity"
};
// elementType: 0 float, 1 integer, 2 boolean.
GvGridActionType GvGridAction(bool fixedSize, int elementType, int rows, int columns);
// The action button's effect on a float variable of that size.
GvGridActionType GvGridActionEffect(int rows, int columns);
float GvIdentityElement(int row, int column);

// Nearest integer, halves away from zero.
int GvFloatToInt(float value);
// Within the controls' tolerance of 0.00001.
bool GvGridValuesEqual(float a, float b);

// The notification record shared by every variable edit control, as the
// host expects one stream of changes.
GvTickThrottle& GvGridThrottle();
