// The editor's syntax file reader: the input is the file. What it read is set
// on a fresh colouring model that then colours a fixed text, so odd blocks
// (empty, unclosed, escaped, non-ASCII) meet the row scanner.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>
#include "RowColorizer.h"
#include "SyntaxSettings.h"

using namespace gvedit;

namespace {

const char16_t kText[] = u"float4 main(float2 uv : TEXCOORD0) : COLOR // line\n"
                         u"{ /* block\n  over rows */ return tex2D(s, uv) * \"s\\\"tr\" + 'c';\n"
                         u"#define X 1 <!-- --> \u00e9\u4e2d\t\n}\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SyntaxSettings settings;
    if (!ReadSyntaxSettings(std::string_view(reinterpret_cast<const char*>(data), size), settings))
        return 0;
    WordColors words;
    for (const SyntaxSettings::WordList& list : settings.wordLists) {
        for (const std::u16string& word : list.words)
            words.Set(word, WordColor{list.fore, list.back}, list.caseSensitive);
    }
    RowColorizer colorizer;
    colorizer.SetBlocks(settings.blocks);
    TextBuffer text;
    text.Insert(0, kText);
    std::vector<ColorRun> runs;
    for (int row = 0; row < text.Rows(); ++row) {
        colorizer.ColorRow(text, words, row, runs);
        // Runs lie inside their row, in order, without overlap.
        const int length = text.RowEnd(row) - text.RowStart(row);
        int end = 0;
        for (const ColorRun& run : runs) {
            if (run.start < end || run.length <= 0 || run.start + run.length > length)
                std::abort();
            end = run.start + run.length;
        }
    }
    return 0;
}
