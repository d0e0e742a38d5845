#include "variable_editors/VariableGridLayout.h"

#include <cmath>
#include <cstdio>
#include "window_utils/ScrollMath.h"

namespace {

int Max(int a, int b)
{
    return a > b ? a : b;
}

} // namespace

GvGridMetrics GvMeasureGrid(const GvGridTemplateRects& r, unsigned dpi)
{
    GvGridMetrics m = {};
    m.optionsHeight = r.options.Height();
    m.optionsWidth = r.options.Width();
    m.setupButtonHeight = r.setupButton.Height();
    m.setupButtonWidth = r.setupButton.Width();
    m.editX = r.edit.left - r.cellFrame.left;
    m.editY = r.edit.top - r.cellFrame.top;
    m.labelX = r.label.left - r.cellFrame.left;
    m.labelY = r.label.top - r.cellFrame.top;
    m.editWidth = r.edit.Width();
    m.editHeight = r.edit.Height();
    m.labelWidth = r.label.Width();
    m.labelHeight = r.label.Height();
    m.labelGap = r.edit.left - r.label.right;
    m.gap = GvScaleToDpi(GvGridGap, dpi);
    return m;
}

int GvFixedSizeOptionsWidth(const GvRect& clampCheck, const GvRect& maxEdit)
{
    return maxEdit.right + clampCheck.left;
}

GvRect GvOptionsWithoutAction(GvRect options, const GvRect& maxEdit, const GvRect& actionButton)
{
    options.bottom = maxEdit.bottom + (actionButton.left - options.left);
    return options;
}

GvRect GvOptionsOfCountsOnly(GvRect options, const GvRect& columnsLabel, const GvRect& rowsEdit)
{
    options.bottom = columnsLabel.bottom + (options.right - rowsEdit.right);
    return options;
}

GvGridCell GvGridCellRects(const GvGridMetrics& m, int row, int column)
{
    const int stepX = m.labelGap + m.editWidth + m.labelWidth + m.gap;
    const int stepY = m.editHeight + m.gap;
    GvGridCell cell;
    const int lx = m.labelX + column * stepX, ly = m.labelY + row * stepY;
    cell.label = {lx, ly, lx + m.labelWidth, ly + m.labelHeight};
    const int ex = m.editX + column * stepX, ey = m.editY + row * stepY;
    cell.edit = {ex, ey, ex + m.editWidth, ey + m.editHeight};
    return cell;
}

void GvGridExtents(const GvGridMetrics& m, int rows, int columns, GvRect* content, GvRect* grid)
{
    *content = {0, 0, 0, 0};
    *grid = {0, 0, 0, 0};
    for (int r = 0; r < Max(rows, GvGridExtent); ++r)
        for (int c = 0; c < Max(columns, GvGridExtent); ++c) {
            const GvGridCell cell = GvGridCellRects(m, r, c);
            const int right = Max(cell.label.right, cell.edit.right), bottom = Max(cell.label.bottom, cell.edit.bottom);
            if (r < GvGridExtent && c < GvGridExtent) {
                grid->right = Max(grid->right, right);
                grid->bottom = Max(grid->bottom, bottom);
            }
            if (r < rows && c < columns) {
                content->right = Max(content->right, right);
                content->bottom = Max(content->bottom, bottom);
            }
        }
}

int GvGridCellId(int row, int column, int columns)
{
    return GvFirstGridControlId + row * columns + column;
}

void GvGridCellFromId(int id, int columns, int* row, int* column)
{
    const int index = id - GvFirstGridControlId, n = Max(columns, 1);
    *row = index / n;
    *column = index % n;
}

int GvGridArrayIndex(int row, int column, int rows)
{
    return rows * column + row;
}

std::wstring GvGridCellLabel(int rows, int columns, int row, int column)
{
    wchar_t text[32];
    if (rows > 1 && columns > 1) {
        std::swprintf(text, 32, L"[%d,%d]", row, column);
        return text;
    }
    const int n = Max(rows, columns), k = Max(row, column);
    if (n == 1)
        return L"Value";
    if (n <= GvGridExtent && k < GvGridExtent)
        return std::wstring(1, L"xyzw"[k]);
    std::swprintf(text, 32, L"[%d]", k);
    return text;
}

GvSize GvGridViewSize(GvSize content, GvSize grid, int cxV, int cyH)
{
    if (content.cx > grid.cx) {
        grid.cy += cyH;
        if (content.cy > grid.cy)
            grid.cx += cxV;
    }
    const GvScrollBarNeeds needs = GvScrollBarRequirements(grid, content, cxV, cyH);
    if (needs.horizontal)
        content.cy += cyH;
    if (needs.vertical)
        content.cx += cxV;
    return {content.cx < grid.cx ? content.cx : grid.cx, content.cy < grid.cy ? content.cy : grid.cy};
}

GvSize GvOptionsSize(const GvGridMetrics& m, bool showSetup)
{
    return showSetup ? GvSize{m.optionsWidth, m.optionsHeight} : GvSize{m.setupButtonWidth, m.setupButtonHeight};
}

GvSize GvIdealClientSize(GvSize content, const GvGridMetrics& m, int orientation, bool setupAvailable, bool showSetup)
{
    const int w = content.cx + m.marginLeft + m.marginRight, h = content.cy + m.marginTop + m.marginBottom;
    if (!setupAvailable)
        return {w, h};
    const GvSize options = GvOptionsSize(m, showSetup);
    if (orientation == GvSetupRight)
        return {options.cx + w + m.gap, Max(options.cy, h)};
    return {Max(w, options.cx), options.cy + h + m.gap};
}

GvOptionsLayout GvLayoutOptions(const GvRect& client, const GvGridMetrics& m, int orientation, bool setupAvailable,
                                bool showSetup)
{
    GvOptionsLayout layout;
    layout.values = client;
    layout.options = {0, 0, 0, 0};
    if (!setupAvailable)
        return layout;
    const GvSize options = GvOptionsSize(m, showSetup);
    switch (orientation) {
    case GvSetupTop:
        layout.options = {client.left, client.top, client.right, client.top + options.cy};
        layout.values.top = layout.options.bottom + m.gap;
        break;
    case GvSetupRight:
        layout.options = {client.right - options.cx, client.top, client.right, client.top + options.cy};
        layout.values.right = client.left + client.Width() - options.cx - m.gap;
        break;
    default:
        layout.options = {client.left, client.bottom - options.cy, client.right, client.bottom};
        layout.values.bottom = client.top + client.Height() - options.cy - m.gap;
        break;
    }
    return layout;
}

int GvDefaultSetupOrientation(bool fixedSize, int columns, int current)
{
    if (!fixedSize)
        return GvSetupTop;
    return columns <= 2 ? GvSetupRight : current;
}

GvGridActionType GvGridActionEffect(int rows, int columns)
{
    const int small = rows < columns ? rows : columns, large = Max(rows, columns);
    if (small == 1 && (large == 3 || large == 4))
        return GvGridNormalize;
    if (rows == columns && rows > 1)
        return GvGridIdentity;
    return GvGridNoAction;
}

GvGridActionType GvGridAction(bool fixedSize, int elementType, int rows, int columns)
{
    if (!fixedSize || elementType != 0)
        return GvGridNoAction;
    if (columns == 1 && (rows == 3 || rows == 4))
        return GvGridNormalize;
    if (rows == columns && rows > 1)
        return GvGridIdentity;
    return GvGridNoAction;
}

float GvIdentityElement(int row, int column)
{
    return row == column ? 1.0f : 0.0f;
}

int GvFloatToInt(float value)
{
    return static_cast<int>(value >= 0.0f ? value + 0.5f : value - 0.5f);
}

bool GvGridValuesEqual(float a, float b)
{
    return std::fabs(a - b) <= 0.00001f;
}

GvTickThrottle& GvGridThrottle()
{
    static GvTickThrottle s_throttle;
    return s_throttle;
}
