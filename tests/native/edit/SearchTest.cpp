#include <gtest/gtest.h>
#include "TextSearch.h"

using namespace gvedit;

TEST(SearchTest, DirectionCaseWholeWordAndWrap)
{
    TextBuffer text;
    // Case-blind matches of "color" start at 0, 6, 13, 22 and 30.
    text.Insert(0, u"Color color;\ncolors = color_b COLOR");
    struct Case
    {
        const char16_t* what;
        int from;
        SearchOptions options;
        int found;
    } cases[] = {
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
    for (const Case& c : cases) {
        EXPECT_EQ(FindText(text, c.what, c.from, c.options), c.found) << "case " << (&c - cases);
    }
}

TEST(SearchTest, WordMoves)
{
    TextBuffer text;
    text.Insert(0, u"float4 pos = a.xy;\n  return");
    struct Case
    {
        int offset, next, previous, wordStart, wordEnd;
    } cases[] = {
        {0, 7, 0, 0, 6},      {3, 7, 0, 0, 6},      {7, 13, 0, 7, 10},    {11, 13, 7, 11, 11},
        {14, 15, 13, 13, 14}, {18, 21, 15, 18, 18}, {19, 21, 18, 19, 19}, {21, 27, 18, 21, 27},
    };
    for (const Case& c : cases) {
        int start = -1, end = -1;
        WordAround(text, c.offset, start, end);
        EXPECT_EQ(NextWordStart(text, c.offset), c.next) << c.offset;
        EXPECT_EQ(PreviousWordStart(text, c.offset), c.previous) << c.offset;
        EXPECT_EQ(start, c.wordStart) << c.offset;
        EXPECT_EQ(end, c.wordEnd) << c.offset;
    }
}
