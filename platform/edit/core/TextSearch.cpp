#include "TextSearch.h"
#include "CharClass.h"

namespace gvedit {

namespace {

bool MatchesAt(const TextBuffer& text, std::u16string_view what, int position, const SearchOptions& options)
{
    const int count = static_cast<int>(what.size());
    for (int i = 0; i < count; ++i) {
        const char16_t c = text.At(position + i);
        if (options.matchCase ? c != what[i] : FoldCase(c) != FoldCase(what[i])) {
            return false;
        }
    }
    if (options.wholeWord) {
        if (position > 0 && IsWordChar(text.At(position - 1))) {
            return false;
        }
        if (position + count < text.Length() && IsWordChar(text.At(position + count))) {
            return false;
        }
    }
    return true;
}

// Match starts in [first, last], scanned in the direction asked.
int Scan(const TextBuffer& text, std::u16string_view what, int first, int last, const SearchOptions& options)
{
    if (options.forward) {
        for (int p = first; p <= last; ++p) {
            if (MatchesAt(text, what, p, options)) {
                return p;
            }
        }
    } else {
        for (int p = last; p >= first; --p) {
            if (MatchesAt(text, what, p, options)) {
                return p;
            }
        }
    }
    return -1;
}

} // namespace

int FindMatch(const TextBuffer& text, std::u16string_view what, int from, const SearchOptions& options)
{
    const int count = static_cast<int>(what.size());
    const int lastStart = text.Length() - count;
    if (count == 0 || lastStart < 0) {
        return -1;
    }
    int found =
        options.forward ? Scan(text, what, from, lastStart, options) : Scan(text, what, 0, from - count, options);
    if (found < 0 && options.wrap) {
        found = options.forward ? Scan(text, what, 0, std::min(from - 1, lastStart), options)
                                : Scan(text, what, std::max(from - count + 1, 0), lastStart, options);
    }
    return found;
}

int NextWordStart(const TextBuffer& text, int offset)
{
    const int length = text.Length();
    if (offset < length && IsWordChar(text.At(offset))) {
        while (offset < length && IsWordChar(text.At(offset))) {
            ++offset;
        }
    } else if (offset < length) {
        ++offset;
    }
    while (offset < length && !IsWordChar(text.At(offset)) && text.At(offset) != u'\n') {
        ++offset;
    }
    return offset;
}

int PreviousWordStart(const TextBuffer& text, int offset)
{
    while (offset > 0 && !IsWordChar(text.At(offset - 1)) && text.At(offset - 1) != u'\n') {
        --offset;
    }
    if (offset > 0 && IsWordChar(text.At(offset - 1))) {
        while (offset > 0 && IsWordChar(text.At(offset - 1))) {
            --offset;
        }
    } else if (offset > 0) {
        --offset;
    }
    return offset;
}

void WordAround(const TextBuffer& text, int offset, int& start, int& end)
{
    start = offset;
    end = offset;
    while (start > 0 && IsWordChar(text.At(start - 1))) {
        --start;
    }
    while (end < text.Length() && IsWordChar(text.At(end))) {
        ++end;
    }
}

} // namespace gvedit
