#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>
#include "RowColumns.h"
#include "TextSearch.h"
#include "WheelAccumulator.h"
#include "LineMarkers.h"
#include "RowColorizer.h"

using namespace gvedit;

TEST(SearchTest, DirectionCaseWholeWordAndWrap)
{
    TextBuffer text;
    // Case-blind matches of "color" start at 0, 6, 13, 22 and 30.
    text.Insert(0, u"Color color;\ncolors = color_b COLOR");
    const std::tuple<const char16_t*, int, SearchOptions, int> cases[] = {
        {u"color", 0, {true, false, false, false}, 0},
        {u"color", 0, {true, true, false, false}, 6},
        {u"color", 1, {true, false, false, false}, 6},
        {u"color", 7, {true, false, true, false}, 30},
        {u"color", 7, {true, true, true, false}, -1},
        {u"color", 7, {true, true, true, true}, 6},
        {u"COLOR", 31, {true, true, false, true}, 30},
        {u"color", 36, {true, false, false, false}, -1},
        // Backward: the last match ending at or before from.
        {u"color", 11, {false, false, false, false}, 6},
        {u"color", 10, {false, false, false, false}, 0},
        {u"color", 4, {false, false, false, false}, -1},
        {u"color", 4, {false, false, false, true}, 30},
        {u"color", 30, {false, true, true, true}, 6},
        // Nothing to find, or longer than the text.
        {u"", 0, {}, -1},
        {u"colors = color_b COLOR and more", 0, {}, -1},
        // A line break is found like any unit.
        {u";\nc", 0, {}, 11}};
    for (const auto& c : cases) {
        const auto& [what, from, options, found] = c;
        EXPECT_EQ(FindMatch(text, what, from, options), found) << "case " << (&c - cases);
    }
}

TEST(SearchTest, WordMovesAndTabStops)
{
    TextBuffer text;
    text.Insert(0, u"float4 pos = a.xy;\n  return");
    const int cases[][5] = {
        // offset, next, previous, word start, word end
        {0, 7, 0, 0, 6},      {3, 7, 0, 0, 6},      {7, 13, 0, 7, 10},    {11, 13, 7, 11, 11},
        {14, 15, 13, 13, 14}, {18, 21, 15, 18, 18}, {19, 21, 18, 19, 19}, {21, 27, 18, 21, 27},
    };
    for (const auto& c : cases) {
        int start = -1, end = -1;
        WordAround(text, c[0], start, end);
        EXPECT_EQ((std::vector<int>{NextWordStart(text, c[0]), PreviousWordStart(text, c[0]), start, end}),
                  (std::vector<int>{c[1], c[2], c[3], c[4]}))
            << c[0];
    }
    const char16_t row[] = u"a\tbc\t\td";
    const int length = 7;
    const int columns[] = {0, 1, 4, 5, 6, 8, 12, 13};
    for (int i = 0; i <= length; ++i)
        EXPECT_EQ(ColumnOf(row, i, 4), columns[i]) << i;
    const int columnsToIndices[][2] = {{0, 0}, {1, 1},  {2, 1},  {3, 2},  {4, 2},
                                       {9, 5}, {10, 6}, {12, 6}, {13, 7}, {40, 7}};
    for (const auto& [column, index] : columnsToIndices)
        EXPECT_EQ(IndexAtColumn(row, length, column, 4), index) << column;
}

namespace {

TEST(WheelAccumulator, SmallDeltasAddUpToNotchesAndATurnBackStartsAgain)
{
    gvedit::WheelAccumulator wheel;
    // Delta, notches.
    const int steps[][2] = {{30, 0},  {30, 0},   {30, 0},    {30, 1}, {100, 0}, {100, 1},   {-30, 0}, {-30, 0},
                            {-30, 0}, {-30, -1}, {-250, -2}, {20, 0}, {360, 3}, {-120, -1}, {1, 0}};
    for (const auto& [delta, notches] : steps)
        EXPECT_EQ(notches, wheel.Add(delta)) << "delta " << delta;
}

constexpr Color kComment = 0x008000, kString = 0x0000A0, kKeyword = 0xFF0000, kType = 0x808000;

struct Span
{
    int start, length;
    Color fore;
    bool operator==(const Span& o) const { return start == o.start && length == o.length && fore == o.fore; }
};

std::ostream& operator<<(std::ostream& out, const Span& span)
{
    return out << "{" << span.start << "," << span.length << ",0x" << std::hex << span.fore << std::dec << "}";
}

class ColoringTest : public ::testing::Test
{
protected:
    ColoringTest()
    {
        m_colorizer.SetBlocks({ColorBlock{u"/*", u"*/", kComment}, ColorBlock{u"//", u"", kComment},
                               ColorBlock{u"\"", u"\"", kString, kNoColor, true, u'\\'},
                               ColorBlock{u"REM", u"", kComment, kNoColor, false}});
        m_words.Set(u"float", WordColor{kKeyword}, true);
        m_words.Set(u"Sampler", WordColor{kType}, false);
    }

    std::vector<Span> Runs(int row)
    {
        std::vector<ColorRun> runs;
        m_colorizer.ColorRow(m_text, m_words, row, runs);
        std::vector<Span> out;
        for (const ColorRun& r : runs)
            out.push_back(Span{r.start, r.length, r.fore});
        return out;
    }

    TextBuffer m_text;
    WordColors m_words;
    RowColorizer m_colorizer;
};

} // namespace

TEST_F(ColoringTest, WordsAndBlocksAtTheirBoundaries)
{
    const std::pair<const char16_t*, std::vector<Span>> cases[] = {
        // Whole words only, case-sensitive and case-blind entries.
        {u"float floatx xfloat Float", {{0, 5, kKeyword}}},
        {u"sampler SAMPLER samplers", {{0, 7, kType}, {8, 7, kType}}},
        // A word touching a block on either side.
        {u"float/*c*/float", {{0, 5, kKeyword}, {5, 5, kComment}, {10, 5, kKeyword}}},
        // A line block runs to the end of the row and no further.
        {u"x // float", {{2, 8, kComment}}},
        // The first block that opens wins; a close needs its own characters.
        {u"/*/ float */a", {{0, 12, kComment}}},
        {u"\"a\\\"b\" float", {{0, 6, kString}, {7, 5, kKeyword}}},
        {u"rem float", {{0, 9, kComment}}},
        // A comment opener inside a string is string text.
        {u"\"//\" float", {{0, 4, kString}, {5, 5, kKeyword}}}};
    for (const auto& c : cases) {
        m_text.Delete(0, m_text.Length());
        m_text.Insert(0, c.first);
        m_colorizer.InvalidateFrom(0);
        EXPECT_EQ(Runs(0), c.second) << "case " << (&c - cases);
    }
}

// A block left open carries to the next rows until closed; an edit inside it
// recolours the rows after it.
TEST_F(ColoringTest, BlocksSpanRowsAndFollowEdits)
{
    using Rows = std::vector<std::vector<Span>>;
    m_text.Insert(0, u"a /* b\nfloat\nc */ float\nfloat");
    // The last row first: its block is worked out through the rows before it.
    EXPECT_EQ((Rows{Runs(3), Runs(1), Runs(2)}),
              (Rows{{{0, 5, kKeyword}}, {{0, 5, kComment}}, {{0, 4, kComment}, {5, 5, kKeyword}}}));
    EXPECT_EQ(m_colorizer.BlockAtRowStart(m_text, 3), -1);

    // Closing the comment on the first row frees the rows after it.
    m_text.Insert(6, u"*/");
    m_colorizer.InvalidateFrom(0);
    EXPECT_EQ((Rows{Runs(0), Runs(1), Runs(2)}), (Rows{{{2, 6, kComment}}, {{0, 5, kKeyword}}, {{5, 5, kKeyword}}}));
    EXPECT_EQ(m_colorizer.BlockAtRowStart(m_text, 3), -1);

    // New blocks forget what was remembered.
    m_colorizer.SetBlocks({ColorBlock{u"float", u"", kString}});
    EXPECT_EQ((Rows{Runs(0), Runs(2)}), (Rows{{}, {{5, 5, kString}}}));
}

TEST(LineMarkersTest, PriorityAndRowsMovingWithEdits)
{
    LineMarkers markers;
    const int error = markers.Add(LineMarker{0, 4, 0, 0xFFFFFF, 0x0000FF, true, 4, 0}).id;
    const int range = markers.Add(LineMarker{0, 3, 3, kNoColor, 0x00FF00, false, 1, 5}).id;
    markers.Add(LineMarker{0, 9, 1, kNoColor, 0xFF0000, true, 4, 0});
    EXPECT_TRUE(!markers.Top(2) && !markers.Top(6));
    EXPECT_EQ(markers.Top(3)->id, range);
    EXPECT_EQ(markers.Top(4)->id, range) << "higher priority shows";

    markers.RowsInserted(4, 2);
    EXPECT_EQ(markers.Find(error)->row, 6);
    EXPECT_EQ(markers.Find(range)->row, 3) << "a marker before the insertion stays";
    markers.RowsRemoved(5, 2);
    EXPECT_EQ(markers.Find(error), nullptr) << "its row was joined away";
    EXPECT_EQ(markers.Top(9)->back, 0xFF0000u);

    EXPECT_EQ(markers.Remove(4), 1);
    EXPECT_EQ(markers.Remove(~0u), 1);
    EXPECT_TRUE(markers.Empty());
}
