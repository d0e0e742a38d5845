#include <gtest/gtest.h>
#include <tuple>
#include "variable_editors/VariableGridLayout.h"

namespace {

// Edits 70 x 20 at (40, 0) of a cell, labels 35 x 13 at (0, 3), gap 5: a
// column step of 5 + 70 + 35 + 4 = 114 and a row step of 24.
const GvGridMetrics kMetrics = {80, 200, 13, 13, 0, 0, 0, 0, 40, 0, 0, 3, 70, 20, 35, 13, 5, 4};
const int kBar = 17;

TEST(GridTemplate, MeasuredNumbersAndOptionsFrames)
{
    // Setup button 13 x 13; options 300 x 92; cell frame at (9, 108), label
    // 35 x 13 at (9, 111), edit 70 x 20 at (49, 108).
    const GvGridTemplateRects rects = {
        {0, 0, 13, 13}, {0, 0, 300, 92}, {9, 108, 146, 126}, {9, 111, 44, 124}, {49, 108, 119, 128}};
    const GvGridMetrics m = GvMeasureGrid(rects);
    EXPECT_EQ((std::vector<int>{92, 300, 13, 13, 0, 0, 0, 0, 40, 0, 0, 3, 70, 20, 35, 13, 5, 4}),
              (std::vector<int>{m.optionsHeight, m.optionsWidth, m.setupButtonHeight, m.setupButtonWidth, m.marginLeft,
                                m.marginTop, m.marginRight, m.marginBottom, m.editX, m.editY, m.labelX, m.labelY,
                                m.editWidth, m.editHeight, m.labelWidth, m.labelHeight, m.labelGap, m.gap}));
    EXPECT_EQ(6, GvMeasureGrid(rects, 144).gap);

    EXPECT_EQ(170 + 11, GvFixedSizeOptionsWidth({11, 20, 23, 35}, {96, 18, 170, 38}));
    const GvRect options = {0, 0, 300, 92};
    EXPECT_EQ(GvRect({0, 0, 300, 38 + 11}), GvOptionsWithoutAction(options, {96, 40, 170, 38}, {11, 62, 170, 86}));
    EXPECT_EQ(GvRect({0, 0, 300, 46 + 8}), GvOptionsOfCountsOnly(options, {200, 38, 240, 46}, {250, 18, 292, 38}));
}

TEST(GridCells, RectanglesAndExtents)
{
    const GvGridCell cell = GvGridCellRects(kMetrics, 1, 2);
    EXPECT_EQ((GvRect{228, 27, 263, 40}), cell.label);
    EXPECT_EQ((GvRect{268, 24, 338, 44}), cell.edit);

    const std::tuple<int, int, GvRect> cases[] = {
        {1, 1, {0, 0, 110, 20}}, {2, 3, {0, 0, 338, 44}}, {6, 1, {0, 0, 110, 140}}, {0, 0, {0, 0, 0, 0}}};
    for (const auto& [rows, columns, expected] : cases) {
        GvRect content, grid;
        GvGridExtents(kMetrics, rows, columns, &content, &grid);
        EXPECT_EQ(expected, content) << rows << "x" << columns;
        EXPECT_EQ((GvRect{0, 0, 452, 92}), grid);
    }
}

TEST(GridCells, IdentifiersAndColumnMajorArrays)
{
    EXPECT_EQ(0x8005, GvGridCellId(1, 2, 3));
    int row = -1, column = -1;
    GvGridCellFromId(0x8005, 3, &row, &column);
    EXPECT_EQ(std::make_pair(1, 2), std::make_pair(row, column));
    GvGridCellFromId(0x8002, 0, &row, &column); // no columns counts as one
    EXPECT_EQ(std::make_pair(2, 0), std::make_pair(row, column));
    EXPECT_EQ(5, GvGridArrayIndex(1, 2, 2));
    EXPECT_EQ(2, GvGridArrayIndex(0, 1, 2));
}

TEST(GridCells, LabelsPerKind)
{
    const std::tuple<int, int, int, int, const wchar_t*> cases[] = {
        {1, 1, 0, 0, L"Value"}, {4, 1, 0, 0, L"x"},   {4, 1, 3, 0, L"w"},     {1, 3, 0, 2, L"z"},
        {2, 1, 1, 0, L"y"},     {6, 1, 5, 0, L"[5]"}, {2, 3, 1, 2, L"[1,2]"}, {4, 4, 3, 3, L"[3,3]"},
    };
    for (const auto& [rows, columns, row, column, label] : cases)
        EXPECT_EQ(std::wstring(label), GvGridCellLabel(rows, columns, row, column));
}

TEST(GridSizing, ViewSizeUpToTheFourByFourExtent)
{
    const GvSize grid = {452, 92};
    EXPECT_EQ((GvSize{110, 20}), GvGridViewSize({110, 20}, grid, kBar, kBar));
    EXPECT_EQ((GvSize{127, 92}), GvGridViewSize({110, 140}, grid, kBar, kBar)); // 6 rows: vertical bar room
    EXPECT_EQ((GvSize{452, 92}), GvGridViewSize({452, 140}, grid, kBar, kBar));
    // Wider than the 4 x 4 grid: the viewport itself grows by the bars.
    EXPECT_EQ((GvSize{469, 109}), GvGridViewSize({500, 140}, grid, kBar, kBar));
}

TEST(GridSizing, ClientSizeAndPanelsPerOrientation)
{
    const GvSize content = {110, 92};
    const std::tuple<int, bool, bool, GvSize, GvRect, GvRect> cases[] = {
        {GvSetupRight, true, true, {314, 92}, {114, 0, 314, 80}, {0, 0, 110, 92}},
        {GvSetupTop, true, true, {200, 176}, {0, 0, 200, 80}, {0, 84, 200, 176}},
        {GvSetupBottom, true, true, {200, 176}, {0, 96, 200, 176}, {0, 0, 200, 92}},
        {GvSetupTop, true, false, {110, 109}, {0, 0, 110, 13}, {0, 17, 110, 109}},
        {GvSetupRight, true, false, {127, 92}, {114, 0, 127, 13}, {0, 0, 110, 92}},
        {GvSetupRight, false, true, {110, 92}, {0, 0, 0, 0}, {0, 0, 110, 92}},
    };
    for (const auto& [orientation, available, shown, expected, options, values] : cases) {
        SCOPED_TRACE(::testing::Message() << orientation << shown);
        const GvSize client = GvIdealClientSize(content, kMetrics, orientation, available, shown);
        EXPECT_EQ(expected, client);
        const GvOptionsLayout layout =
            GvLayoutOptions({0, 0, client.cx, client.cy}, kMetrics, orientation, available, shown);
        EXPECT_EQ(std::make_pair(options, values), std::make_pair(layout.options, layout.values));
    }
}

TEST(GridOptions, OrientationAndAction)
{
    EXPECT_EQ(GvSetupRight, GvDefaultSetupOrientation(true, 1, GvSetupBottom));
    EXPECT_EQ(GvSetupRight, GvDefaultSetupOrientation(true, 2, GvSetupTop));
    EXPECT_EQ(GvSetupBottom, GvDefaultSetupOrientation(true, 4, GvSetupBottom));
    EXPECT_EQ(GvSetupTop, GvDefaultSetupOrientation(false, 1, GvSetupBottom));

    EXPECT_EQ(GvGridNormalize, GvGridAction(true, 0, 4, 1));
    EXPECT_EQ(GvGridNormalize, GvGridAction(true, 0, 3, 1));
    EXPECT_EQ(GvGridNoAction, GvGridAction(true, 0, 1, 4));
    EXPECT_EQ(GvGridIdentity, GvGridAction(true, 0, 4, 4));
    EXPECT_EQ(GvGridIdentity, GvGridAction(true, 0, 2, 2));
    EXPECT_EQ(GvGridNoAction, GvGridAction(true, 0, 1, 1));
    EXPECT_EQ(GvGridNoAction, GvGridAction(true, 1, 4, 1));
    EXPECT_EQ(GvGridNoAction, GvGridAction(false, 0, 4, 4));
    EXPECT_EQ(GvGridNormalize, GvGridActionEffect(1, 4));
    EXPECT_EQ(GvGridIdentity, GvGridActionEffect(3, 3));
    EXPECT_EQ(GvGridNoAction, GvGridActionEffect(2, 1));
    EXPECT_EQ(1.0f, GvIdentityElement(2, 2));
    EXPECT_EQ(0.0f, GvIdentityElement(2, 1));
}

TEST(GridValues, RoundingAndTolerance)
{
    EXPECT_EQ((std::vector<int>{3, -3, 2, 0}),
              (std::vector<int>{GvFloatToInt(2.5f), GvFloatToInt(-2.5f), GvFloatToInt(2.49f), GvFloatToInt(-0.4f)}));
    EXPECT_TRUE(GvGridValuesEqual(1.0f, 1.000005f));
    EXPECT_FALSE(GvGridValuesEqual(1.0f, 1.0001f));
}

} // namespace
