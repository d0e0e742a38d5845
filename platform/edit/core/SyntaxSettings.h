#pragma once
#include <string>
#include <string_view>
#include <vector>
#include "RowColorizer.h"

namespace gvedit {

// What a syntax file sets (the format is described in platform/edit/SyntaxFiles.md).
// Values a file leaves out stay kNoColor or 0, meaning "keep the editor's".
struct SyntaxSettings
{
    struct WordList
    {
        std::vector<std::u16string> words;
        Color fore = kNoColor;
        Color back = kNoColor;
        bool caseSensitive = true;
    };

    Color text = kNoColor;
    Color background = kNoColor;
    Color selectionText = kNoColor;
    Color selectionBackground = kNoColor;
    int tabSize = 0;
    int indentSize = 0;
    // -1 unset, 0 tabs become spaces, 1 tabs stay tabs.
    int keepTabs = -1;
    std::vector<ColorBlock> blocks;
    std::vector<WordList> wordLists;
};

// Reads a syntax file's bytes. Strict: any XML error, unknown element or
// attribute, or bad value fails and leaves settings as it was.
bool ReadSyntaxSettings(std::string_view xml, SyntaxSettings& settings, std::string* error = nullptr);

} // namespace gvedit
