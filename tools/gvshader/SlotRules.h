#pragma once
// Instruction slots line by line, under the library's rules (the assembly
// parser's op tables) or under the rules the shader compiler states in the
// listing it writes ("approximately N instruction slots used").
#include <string>
#include <vector>
#include "GvShaderTool.h"

class GvMFCShaderASMParser;

namespace gvshader {

// One line of a shader: its number (from 1) and the ranges of it outside
// comments, found as the assembly parser finds them (// to the line feed,
// /* to the first */), so parsing the ranges one by one reports the same
// keywords as parsing the whole text.
struct SourceLine
{
    int number;
    std::vector<std::pair<int, int>> code; // [start, end) unit indexes
};

std::vector<SourceLine> SplitSourceLines(const std::vector<unsigned short>& text);

// The line's code as UTF-8, comments replaced by a blank, trimmed.
std::string CodeText(const std::vector<unsigned short>& text, const SourceLine& line);

struct SlotCount
{
    int alu = 0;
    int tex = 0;
};

// The compiler's cost of one instruction line (CodeText) under a model:
// declarations, definitions and version words cost nothing, modifiers
// (_sat, _pp, _centroid, _x2, ...) in any order cost what their instruction
// costs, a co-issued instruction (+) of pixel shader 1.x costs nothing.
SlotCount CompilerLineSlots(const ShaderModel& model, const std::string& code);

// The library's cost of one line: what the parser's op table counts for the
// keywords of its code ranges. The parser's counters are reset.
SlotCount LibraryLineSlots(GvMFCShaderASMParser& parser, const std::vector<unsigned short>& text,
                           const SourceLine& line);

} // namespace gvshader
