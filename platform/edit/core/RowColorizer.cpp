#include "RowColorizer.h"

namespace gvedit {

void RowColorizer::SetBlocks(std::vector<ColorBlock> blocks)
{
    if (blocks == m_blocks) {
        return;
    }
    m_blocks = std::move(blocks);
    InvalidateFrom(0);
}

void RowColorizer::InvalidateFrom(int row)
{
    // The state at the start of row depends only on the rows before it.
    if (row + 1 < m_valid) {
        m_valid = row + 1;
    }
}

int RowColorizer::BlockAtRowStart(const TextBuffer& text, int row)
{
    if (m_blocks.empty()) {
        return -1;
    }
    if (static_cast<int>(m_states.size()) < text.Rows()) {
        m_states.resize(text.Rows(), -1);
    }
    for (; m_valid <= row; ++m_valid) {
        const int previous = m_valid - 1;
        m_row = text.Text(text.RowStart(previous), text.RowEnd(previous) - text.RowStart(previous));
        m_states[m_valid] = ScanRow(m_row, m_states[previous], nullptr, nullptr);
    }
    return m_states[row];
}

void RowColorizer::ColorRow(const TextBuffer& text, const WordColors& words, int row, std::vector<ColorRun>& runs)
{
    runs.clear();
    const int state = BlockAtRowStart(text, row);
    m_row = text.Text(text.RowStart(row), text.RowEnd(row) - text.RowStart(row));
    ScanRow(m_row, state, words.Empty() ? nullptr : &words, &runs);
}

bool RowColorizer::MatchesAt(const std::u16string& row, int position, const std::u16string& what,
                             bool caseSensitive) const
{
    if (what.empty() || position + what.size() > row.size()) {
        return false;
    }
    for (size_t i = 0; i < what.size(); ++i) {
        const char16_t c = row[position + i];
        if (caseSensitive ? c != what[i] : FoldCase(c) != FoldCase(what[i])) {
            return false;
        }
    }
    return true;
}

int RowColorizer::FindClose(const std::u16string& row, int from, const ColorBlock& block) const
{
    const int length = static_cast<int>(row.size());
    for (int i = from; i < length; ++i) {
        if (block.escape != 0 && row[i] == block.escape) {
            ++i;
        } else if (MatchesAt(row, i, block.close, block.caseSensitive)) {
            return i;
        }
    }
    return -1;
}

int RowColorizer::ScanRow(const std::u16string& row, int state, const WordColors* words,
                          std::vector<ColorRun>* runs) const
{
    const int length = static_cast<int>(row.size());
    int i = 0;
    int blockStart = 0;
    while (i < length || state >= 0) {
        if (state >= 0) {
            const ColorBlock& block = m_blocks[state];
            const int close = block.close.empty() ? -1 : FindClose(row, i, block);
            const int end = close < 0 ? length : close + static_cast<int>(block.close.size());
            if (runs && end > blockStart) {
                runs->push_back(ColorRun{blockStart, end - blockStart, block.fore, block.back});
            }
            i = end;
            if (close < 0) {
                return block.close.empty() ? -1 : state;
            }
            state = -1;
            continue;
        }
        int opened = -1;
        for (size_t b = 0; b < m_blocks.size() && opened < 0; ++b) {
            if (MatchesAt(row, i, m_blocks[b].open, m_blocks[b].caseSensitive)) {
                opened = static_cast<int>(b);
            }
        }
        if (opened >= 0) {
            state = opened;
            blockStart = i;
            i += static_cast<int>(m_blocks[opened].open.size());
        } else if (IsWordChar(row[i])) {
            const int start = i;
            while (i < length && IsWordChar(row[i])) {
                ++i;
            }
            if (words) {
                if (const WordColor* color = words->Find(std::u16string_view(row).substr(start, i - start))) {
                    runs->push_back(ColorRun{start, i - start, color->fore, color->back});
                }
            }
        } else {
            ++i;
        }
    }
    return -1;
}

} // namespace gvedit
