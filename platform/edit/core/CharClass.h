#pragma once
#include <cstdint>

namespace gvedit {

// Colours are 0x00BBGGRR; kNoColor leaves the default in place.
using Color = std::uint32_t;
constexpr Color kNoColor = 0xFFFFFFFFu;

// Letters, digits and '_' make words, for word colours, whole-word search and
// moving by words. Units above ASCII that are letters in most scripts count
// too, so a word in another alphabet is one word.
inline bool IsWordChar(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
           || (c >= 0xC0 && c != 0xD7 && c != 0xF7 && (c < 0x2000 || c > 0x2BFF) && (c < 0x3000 || c > 0x303F));
}

// Case folding for the case-blind rules: ASCII and the Latin-1 letters, which
// is what shader source holds.
inline char16_t FoldCase(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<char16_t>(c + 32);
    }
    return c;
}

} // namespace gvedit
