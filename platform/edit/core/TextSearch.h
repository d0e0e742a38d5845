#pragma once
#include <string_view>
#include "TextBuffer.h"

namespace gvedit {

struct SearchOptions
{
    bool forward = true;
    bool matchCase = false;
    bool wholeWord = false;
    bool wrap = true;
};

// The offset of a match of what, or -1. Forward finds the first match that
// starts at or after from; backward the last one that ends at or before from.
// With wrap the search goes on from the other end of the text back to from.
// A whole-word match has no word character on either side.
int FindMatch(const TextBuffer& text, std::u16string_view what, int from, const SearchOptions& options);

// Moving by words: the start of the next word after offset (or the text's
// end), the start of the word before offset (or 0), and the word around
// offset as [start, end) (empty at a non-word unit).
int NextWordStart(const TextBuffer& text, int offset);
int PreviousWordStart(const TextBuffer& text, int offset);
void WordAround(const TextBuffer& text, int offset, int& start, int& end);

} // namespace gvedit
