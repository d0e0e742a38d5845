#include <gtest/gtest.h>
#include <tuple>
#include "variable_editors/VariableGridLayout.h"
#include "variable_editors/TextureViewMath.h"

namespace {

// Edits 70 x 20 at (40, 0) of a cell, labels 35 x 13 at (0, 3), gap 5: a
// column step of 5 + 70 + 35 + 4 = 114 and a row step of 24.
const GvGridMetrics kMetrics = {80, 200, 13, 13, 0, 0, 0, 0, 40, 0, 0, 3, 70, 20, 35, 13, 5, 4};
const int kBar = 17;

TEST(GridTemplate, MeasuredNumbersOptionsFramesCellRectanglesAndExtents)
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

TEST(GridCells, IdentifiersLabelsAndColumnMajorArrays)
{
    EXPECT_EQ(0x8005, GvGridCellId(1, 2, 3));
    int row = -1, column = -1;
    GvGridCellFromId(0x8005, 3, &row, &column);
    EXPECT_EQ(std::make_pair(1, 2), std::make_pair(row, column));
    GvGridCellFromId(0x8002, 0, &row, &column); // no columns counts as one
    EXPECT_EQ(std::make_pair(2, 0), std::make_pair(row, column));
    EXPECT_EQ(5, GvGridArrayIndex(1, 2, 2));
    EXPECT_EQ(2, GvGridArrayIndex(0, 1, 2));
    const std::tuple<int, int, int, int, const wchar_t*> cases[] = {
        {1, 1, 0, 0, L"Value"}, {4, 1, 0, 0, L"x"},   {4, 1, 3, 0, L"w"},     {1, 3, 0, 2, L"z"},
        {2, 1, 1, 0, L"y"},     {6, 1, 5, 0, L"[5]"}, {2, 3, 1, 2, L"[1,2]"}, {4, 4, 3, 3, L"[3,3]"}};
    for (const auto& [rows, columns, row, column, label] : cases)
        EXPECT_EQ(std::wstring(label), GvGridCellLabel(rows, columns, row, column));
}

TEST(GridSizing, ViewSizeUpToTheFourByFourExtentClientSizeAndPanelsPerOrientation)
{
    const GvSize grid = {452, 92};
    EXPECT_EQ((GvSize{110, 20}), GvGridViewSize({110, 20}, grid, kBar, kBar));
    EXPECT_EQ((GvSize{127, 92}), GvGridViewSize({110, 140}, grid, kBar, kBar)); // 6 rows: vertical bar room
    EXPECT_EQ((GvSize{452, 92}), GvGridViewSize({452, 140}, grid, kBar, kBar));
    // Wider than the 4 x 4 grid: the viewport itself grows by the bars.
    EXPECT_EQ((GvSize{469, 109}), GvGridViewSize({500, 140}, grid, kBar, kBar));
    const GvSize content = {110, 92};
    const std::tuple<int, bool, bool, GvSize, GvRect, GvRect> cases[] = {
        {GvSetupRight, true, true, {314, 92}, {114, 0, 314, 80}, {0, 0, 110, 92}},
        {GvSetupTop, true, true, {200, 176}, {0, 0, 200, 80}, {0, 84, 200, 176}},
        {GvSetupBottom, true, true, {200, 176}, {0, 96, 200, 176}, {0, 0, 200, 92}},
        {GvSetupTop, true, false, {110, 109}, {0, 0, 110, 13}, {0, 17, 110, 109}},
        {GvSetupRight, true, false, {127, 92}, {114, 0, 127, 13}, {0, 0, 110, 92}},
        {GvSetupRight, false, true, {110, 92}, {0, 0, 0, 0}, {0, 0, 110, 92}}};
    for (const auto& [orientation, available, shown, expected, options, values] : cases) {
        SCOPED_TRACE(::testing::Message() << orientation << shown);
        const GvSize client = GvIdealClientSize(content, kMetrics, orientation, available, shown);
        EXPECT_EQ(expected, client);
        const GvOptionsLayout layout =
            GvLayoutOptions({0, 0, client.cx, client.cy}, kMetrics, orientation, available, shown);
        EXPECT_EQ(std::make_pair(options, values), std::make_pair(layout.options, layout.values));
    }
}

TEST(GridOptions, OrientationActionRoundingAndTolerance)
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
    EXPECT_EQ((std::vector<int>{3, -3, 2, 0}),
              (std::vector<int>{GvFloatToInt(2.5f), GvFloatToInt(-2.5f), GvFloatToInt(2.49f), GvFloatToInt(-0.4f)}));
    EXPECT_TRUE(GvGridValuesEqual(1.0f, 1.000005f));
    EXPECT_FALSE(GvGridValuesEqual(1.0f, 1.0001f));
}

TEST(TextureViewMath, LevelSizesPerKindLevelAndSliceClamps)
{
    const std::tuple<int, int, int, int, int, GvSize> cases[] = {
        {GvTexture2D, 256, 128, 0, 0, {256, 128}}, {GvTexture2D, 256, 128, 0, 2, {64, 32}},
        {GvTexture2D, 256, 128, 0, 8, {1, 1}},     {GvTexture2D, 256, 1, 0, 3, {32, 1}},
        {GvTextureVolume, 64, 32, 0, 1, {32, 16}}, {GvTextureCube, 0, 0, 64, 0, {256, 256}},
        {GvTextureCube, 0, 0, 64, 3, {32, 32}},    {GvTextureCube, 0, 0, 1, 5, {1, 1}}};
    for (const auto& [kind, width, height, edge, level, expected] : cases)
        EXPECT_EQ(expected, GvTextureLevelSize(kind, width, height, edge, level))
            << kind << " " << width << "x" << height << " level " << level;
    const std::tuple<int, int, int, int, GvTextureViewIndices> clamps[] = {
        {7, 0, 3, 1, {2, 0, 0}},    // typed beyond the levels
        {-3, 0, 3, 1, {0, 0, 0}},   //
        {0, 5, 1, 1, {0, 0, 0}},    // no volume: one slice
        {1, 13, 5, 16, {1, 13, 6}}, // slice 13 of 16 falls into 6 at level 1
        {4, 15, 5, 16, {4, 15, 0}}, // one slice left at the last level
        {2, 99, 5, 16, {2, 15, 3}}, {0, 0, 0, 0, {0, 0, 0}}};
    for (const auto& [mipLevel, level0Slice, mipCount, depth, expected] : clamps) {
        const GvTextureViewIndices v = GvClampViewIndices(mipLevel, level0Slice, mipCount, depth);
        EXPECT_EQ(std::make_tuple(expected.mipLevel, expected.level0Slice, expected.slice),
                  std::make_tuple(v.mipLevel, v.level0Slice, v.slice))
            << mipLevel << " " << level0Slice;
    }
    const std::tuple<int, int, int, int, int> typed[] = {
        {1, 100, 16, 7, 14}, // beyond the depth at level 1: the last slice there
        {0, 100, 16, 15, 15}, {2, 1, 16, 1, 4}, {0, -1, 16, 0, 0}, {3, 5, 1, 0, 0},
    };
    for (const auto& [mipLevel, slice, depth, expectedSlice, level0] : typed) {
        const GvTextureViewIndices v = GvViewIndicesForSlice(mipLevel, slice, depth);
        EXPECT_EQ(std::make_pair(expectedSlice, level0), std::make_pair(v.slice, v.level0Slice))
            << mipLevel << " " << slice;
    }
    EXPECT_EQ(0, GvMaxSlice(16, 5));
    EXPECT_EQ(3, GvMaxSlice(16, 2));
}

TEST(TextureViewMath, ThumbnailModesAndTheVisiblePartOfAZoomedThumbnail)
{
    const std::tuple<int, GvSize, GvSize, GvSize, GvSize> cases[] = {
        {GvThumbnail25, {64, 32}, {100, 100}, {16, 8}, {16, 8}}, // 256 x 128 at level 2
        {GvThumbnail100, {1, 1}, {100, 100}, {1, 1}, {1, 1}},    // level 8 of 9
        {GvThumbnailFit, {512, 256}, {100, 100}, {100, 50}, {100, 50}},
        {GvThumbnailFit, {16, 16}, {100, 100}, {100, 100}, {100, 100}},
        {GvThumbnailFit, {300, 600}, {200, 100}, {50, 100}, {50, 100}},
        {GvThumbnailFit, {64, 64}, {0, 100}, {64, 64}, {64, 64}},
        {GvThumbnail25, {3, 2}, {100, 100}, {1, 1}, {1, 1}},
        {GvThumbnail50, {5, 7}, {100, 100}, {2, 3}, {2, 3}},
        {GvThumbnail100, {256, 256}, {100, 100}, {256, 256}, {256, 256}},
        {GvThumbnail200, {256, 128}, {100, 100}, {256, 128}, {512, 256}},
        {GvThumbnail400, {4096, 4096}, {100, 100}, {4096, 4096}, {16384, 16384}},
        {GvThumbnail800, {4096, 4096}, {100, 100}, {4096, 4096}, {32768, 32768}},
        {99, {512, 256}, {100, 100}, {100, 50}, {100, 50}}};
    for (const auto& [mode, level, client, bitmap, thumbnail] : cases) {
        const GvThumbnailSizes s = GvThumbnailSizesFor(mode, level, client);
        EXPECT_EQ(std::make_pair(bitmap, thumbnail), std::make_pair(s.bitmap, s.thumbnail))
            << "mode " << mode << " " << level.cx << "x" << level.cy;
    }
    const std::tuple<GvRect, GvSize, GvRect, GvRect, GvRect> parts[] = {
        // 800 %: a 200 x 100 view at offset (16000, 16000) of 4096 x 4096.
        {{0, 0, 32768, 32768},
         {4096, 4096},
         {16000, 16000, 16200, 16100},
         {16000, 16000, 16200, 16104},
         {2000, 2000, 2025, 2013}},
        // 800 % of 4096 capped at 32767 pixels: still 8 pixels a texel, the
        // last texel reaching one pixel past the item.
        {{0, 0, 32767, 32767}, {4096, 4096}, {13, 32700, 30, 32767}, {8, 32696, 32, 32768}, {1, 4087, 4, 4096}},
        // Not on a texel boundary: widened to whole texels.
        {{0, 0, 400, 400}, {100, 100}, {3, 5, 9, 6}, {0, 4, 12, 8}, {0, 1, 3, 2}},
        // Item moved left of the clip origin, as in the scroll frame.
        {{-100, -40, 300, 360}, {100, 100}, {0, 0, 50, 50}, {0, 0, 52, 52}, {25, 10, 38, 23}},
        // 1:1 copies the clip.
        {{0, 0, 64, 64}, {64, 64}, {10, 20, 30, 40}, {10, 20, 30, 40}, {10, 20, 30, 40}},
        // Clip beyond the item is cut to it.
        {{0, 0, 64, 64}, {16, 16}, {-10, -10, 1000, 1000}, {0, 0, 64, 64}, {0, 0, 16, 16}},
        {{0, 0, 64, 64}, {16, 16}, {70, 0, 80, 10}, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {{0, 0, 64, 64}, {0, 16}, {0, 0, 10, 10}, {0, 0, 0, 0}, {0, 0, 0, 0}}};
    for (const auto& [item, bitmap, clip, dst, src] : parts) {
        const GvStretchPart p = GvVisibleStretchPart(item, bitmap, clip);
        EXPECT_EQ(std::make_pair(dst, src), std::make_pair(p.dst, p.src)) << clip.left << "," << clip.top;
    }
}

TEST(TextureViewMath, LayoutLinesAreaAndFileNames)
{
    const GvTextureLayoutLines plain = GvTextureLayoutLinesFor(false, 1, false, false);
    EXPECT_TRUE(plain.origin);
    EXPECT_FALSE(plain.mipLevel || plain.volumeDepth || plain.alpha);
    const GvTextureLayoutLines target = GvTextureLayoutLinesFor(true, 9, false, true);
    EXPECT_FALSE(target.origin);
    EXPECT_TRUE(target.mipLevel && target.alpha);
    EXPECT_FALSE(target.volumeDepth);
    EXPECT_TRUE(GvTextureLayoutLinesFor(false, 2, true, false).volumeDepth);

    EXPECT_EQ((GvSize{204, 100}), GvThumbnailAreaSize({204, 400}, 296));
    EXPECT_EQ((GvSize{32, 32}), GvThumbnailAreaSize({10, 300}, 296));
    EXPECT_EQ((GvSize{204, 98}), GvThumbnailAreaSize({204, 400}, 296, 144));
    EXPECT_EQ((GvSize{64, 64}), GvThumbnailAreaSize({10, 300}, 296, 192));
    const std::u16string names[][2] = {
        {u"C:\\tex\\brick.dds", u"brick.dds"},
        {u"../tex/a.png", u"a.png"},
        {u"C:b.png", u"b.png"},
        {u"plain.tga", u"plain.tga"},
        {u"dir/", u""},
        {u"", u""},
    };
    for (const auto& n : names)
        EXPECT_EQ(n[1], reinterpret_cast<const char16_t*>(
                            GvFileNamePart(reinterpret_cast<const unsigned short*>(n[0].c_str()))));
    EXPECT_EQ(nullptr, GvFileNamePart(nullptr));

    const std::pair<std::u16string, bool> workspaces[] = {
        {u"C:\\scenes\\a.gvx", true}, {u"A.GVX", true},  {u".gvx", true},
        {u"a.gvxx", false},           {u"a.dds", false}, {u"gvx", false},
        {u"a.gvx.png", false}};
    for (const auto& w : workspaces)
        EXPECT_EQ(w.second, GvIsWorkspaceFile(reinterpret_cast<const unsigned short*>(w.first.c_str())))
            << std::string(w.first.begin(), w.first.end());
    EXPECT_FALSE(GvIsWorkspaceFile(nullptr));
}

} // namespace
