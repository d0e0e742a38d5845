#pragma once

namespace gvedit {

// Screen columns of a row drawn in a fixed-pitch font: a tab reaches the next
// multiple of tabSize, every other unit takes one column.

// The column at which the unit at index starts.
inline int ColumnOf(const char16_t* row, int index, int tabSize)
{
    int column = 0;
    for (int i = 0; i < index; ++i) {
        column = row[i] == u'\t' ? (column / tabSize + 1) * tabSize : column + 1;
    }
    return column;
}

// The unit boundary nearest to column (a click lands before or after a unit
// by which half it hits); the row's length beyond its end.
inline int IndexAtColumn(const char16_t* row, int length, int column, int tabSize)
{
    int start = 0;
    for (int i = 0; i < length; ++i) {
        const int end = row[i] == u'\t' ? (start / tabSize + 1) * tabSize : start + 1;
        if (column < end) {
            return column - start < end - column ? i : i + 1;
        }
        start = end;
    }
    return length;
}

} // namespace gvedit
