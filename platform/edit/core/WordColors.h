#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include "CharClass.h"

namespace gvedit {

struct WordColor
{
    Color fore = kNoColor;
    Color back = kNoColor;
};

// Colours of whole words. A case-sensitive entry matches the word as written;
// a case-blind one matches any casing. When both kinds hold the word, the
// case-sensitive entry wins.
//
// Invariants: m_blind keys are case-folded; setting a word again replaces its
// colours in the table of its kind.
class WordColors
{
public:
    void Set(std::u16string_view word, WordColor color, bool caseSensitive);
    void Remove(std::u16string_view word, bool caseSensitive);
    void Clear();
    // The colours of the word, or null.
    const WordColor* Find(std::u16string_view word) const;
    bool Empty() const { return m_exact.empty() && m_blind.empty(); }

private:
    std::unordered_map<std::u16string, WordColor> m_exact;
    std::unordered_map<std::u16string, WordColor> m_blind;
};

} // namespace gvedit
