#include <gtest/gtest.h>
#include <tuple>
#include "RowColumns.h"
#include "TextSearch.h"

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
        {u";\nc", 0, {}, 11},
    };
    for (const auto& c : cases) {
        const auto& [what, from, options, found] = c;
        EXPECT_EQ(FindMatch(text, what, from, options), found) << "case " << (&c - cases);
    }
}

TEST(SearchTest, WordMoves)
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
}

TEST(RowColumnsTest, TabsReachTheNextStop)
{
    const char16_t row[] = u"a\tbc\t\td";
    const int length = 7;
    const int columns[] = {0, 1, 4, 5, 6, 8, 12, 13};
    for (int i = 0; i <= length; ++i)
        EXPECT_EQ(ColumnOf(row, i, 4), columns[i]) << i;
    const int cases[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {9, 5}, {10, 6}, {12, 6}, {13, 7}, {40, 7}};
    for (const auto& [column, index] : cases)
        EXPECT_EQ(IndexAtColumn(row, length, column, 4), index) << column;
}
