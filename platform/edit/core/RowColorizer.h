#pragma once
#include <string>
#include <vector>
#include "CharClass.h"
#include "TextBuffer.h"
#include "WordColors.h"

namespace gvedit {

// A stretch coloured by an open and a close string: a comment, a string. An
// empty close string ends the block at the end of its row. A unit after the
// escape character never closes the block.
struct ColorBlock
{
    std::u16string open;
    std::u16string close;
    Color fore = kNoColor;
    Color back = kNoColor;
    bool caseSensitive = true;
    char16_t escape = 0;
    bool operator==(const ColorBlock& other) const
    {
        return open == other.open && close == other.close && fore == other.fore && back == other.back
               && caseSensitive == other.caseSensitive && escape == other.escape;
    }
};

// Colours for [start, start + length) of a row, offsets from the row's start.
struct ColorRun
{
    int start = 0;
    int length = 0;
    Color fore = kNoColor;
    Color back = kNoColor;
};

// Colours rows by blocks and words. Which block is open at the start of each
// row is remembered, so colouring a row scans only the rows between the last
// remembered one and it; an edit forgets the rows from its own onwards.
//
// Invariants:
// - m_states[r] for r < m_valid is the index of the block open at the start
//   of row r, or -1; m_valid >= 1 and m_states[0] == -1.
// - Blocks open first at a position in list order; a block is looked for
//   only outside blocks and words, and closes only after its open string.
class RowColorizer
{
public:
    RowColorizer() : m_states(1, -1) {}

    // Takes the blocks; the remembered states go only when they differ.
    void SetBlocks(std::vector<ColorBlock> blocks);
    const std::vector<ColorBlock>& Blocks() const { return m_blocks; }
    // The text of row changed (rows after it may have moved).
    void InvalidateFrom(int row);
    // The coloured runs of the row in order; stretches without a run keep the
    // default colours.
    void ColorRow(const TextBuffer& text, const WordColors& words, int row, std::vector<ColorRun>& runs);
    int BlockAtRowStart(const TextBuffer& text, int row);
    // The remembered block at the start of row, or kUnknown; no scan.
    static constexpr int kUnknown = -2;
    int KnownBlockAtRowStart(int row) const
    {
        return m_blocks.empty() ? -1 : (row < m_valid ? m_states[row] : kUnknown);
    }

private:
    int ScanRow(const std::u16string& row, int state, const WordColors* words, std::vector<ColorRun>* runs) const;
    bool MatchesAt(const std::u16string& row, int position, const std::u16string& what, bool caseSensitive) const;
    int FindClose(const std::u16string& row, int from, const ColorBlock& block) const;

    std::vector<ColorBlock> m_blocks;
    std::vector<int> m_states;
    int m_valid = 1;
    std::u16string m_row;
};

} // namespace gvedit
