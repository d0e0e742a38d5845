// The parse loop: a keyword set and a text from one input, through every
// language parser, with instruction counting under any shader version value.
//
// Input: byte 0 picks the parser (and with it the comment blocks), byte 1 is
// the shader version as a signed byte (so values outside 1 to 15 come up
// often), byte 2 where the parse starts (signed), byte 3 how many units
// before the end it stops. Bit 2 of byte 0 also parses with a copy of the
// parser: copying is half the work of an input, so only half of them pay it. The rest up to the first zero byte is the
// keyword set, words separated by blanks and line breaks: a word of operator
// characters goes to the operator category, others alternately to two word
// categories (so both may hold it). Behind the zero byte is the text.
#include <cstring>
#include <memory>
#include <type_traits>
#include "FuzzSupport.h"
#include "GvShaderParsing.h"

namespace {

template <typename Base>
class CountingParser : public Base
{
public:
    void OnKeywordFound(GvMFCShaderSyntaxParser::Keyword* keyword) override
    {
        Base::OnKeywordFound(keyword);
        // The keyword must be one of ours and alive: read its name whole.
        m_units += keyword->GetName().GetLength();
    }
    size_t m_units = 0;
};

bool IsOperatorUnit(const GvMFCShaderSyntaxParser& parser, unsigned short unit)
{
    return parser.GetCharClassTable()[unit] == GvMFCShaderSyntaxParser::CHAR_OPERATOR;
}

void AddKeywords(GvMFCShaderSyntaxParser& parser, const std::vector<unsigned short>& set)
{
    static const unsigned short kWordsA[] = {'A', 0}, kWordsB[] = {'b', 0}, kOperators[] = {'o', 0};
    parser.AddKeywordCategory(kWordsA, false);
    parser.AddKeywordCategory(kWordsB, false);
    parser.AddKeywordCategory(kOperators, true);
    std::vector<unsigned short> word;
    bool second = false;
    for (size_t i = 0; i <= set.size(); ++i) {
        if (i < set.size() && set[i] != ' ' && set[i] != '\n') {
            word.push_back(set[i]);
            continue;
        }
        if (word.empty())
            continue;
        word.push_back(0);
        if (IsOperatorUnit(parser, word[0]))
            parser.AddKeyword(kOperators, word.data());
        else
            parser.AddKeyword(second ? kWordsB : kWordsA, word.data());
        second = !second;
        word.clear();
    }
}

// Parsers live across inputs (each holds a 256 KiB class table and building
// one per input would dominate the run) and are emptied after each.
template <typename Parser>
struct ParserPair
{
    CountingParser<Parser> parser, copy;

    void Run(const uint8_t* header, const std::vector<unsigned short>& set, const std::vector<unsigned short>& text)
    {
        const bool copied = header[0] & 4;
        parser.m_units = copy.m_units = 0;
        AddKeywords(parser, set);
        if constexpr (std::is_same_v<Parser, GvMFCShaderASMParser>) {
            parser.SetShaderVersion(static_cast<GvShaderVersion>(static_cast<int8_t>(header[1])));
            parser.InitInstructionCounts();
        }
        // The copy, made before the parse, must count the same and call
        // back itself.
        if (copied)
            static_cast<Parser&>(copy) = parser;
        const int length = static_cast<int>(text.size());
        const int start = static_cast<int8_t>(header[2]);
        const int end = length - header[3] % (length + 1);
        parser.Parse(text.data(), 0, start, end);
        if (copied) {
            copy.Parse(text.data(), 0, start, end);
            if (copy.m_units != parser.m_units)
                std::abort();
        }
        if constexpr (std::is_same_v<Parser, GvMFCShaderASMParser>) {
            if (copied
                && (copy.GetALUOpCount() != parser.GetALUOpCount() || copy.GetTexOpCount() != parser.GetTexOpCount()))
                std::abort();
            parser.SetShaderVersion(static_cast<GvShaderVersion>(0));
            copy.SetShaderVersion(static_cast<GvShaderVersion>(0));
        }
        parser.RemoveAllKeywordCategory();
        copy.RemoveAllKeywordCategory();
    }
};

struct Parsers
{
    ParserPair<GvMFCShaderSyntaxParser> base;
    ParserPair<GvMFCShaderASMParser> assembly;
    ParserPair<GvMFCShaderHLSLParser> hlsl;
    ParserPair<GvMFCShaderGLSLParser> glsl;
};
Parsers* g_parsers;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_parsers = new Parsers;
    g_parsers->assembly.parser.SetShaderVersion(static_cast<GvShaderVersion>(0));
    g_parsers->assembly.copy.SetShaderVersion(static_cast<GvShaderVersion>(0));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    FuzzBufferCheck check;
    const uint8_t* body = data + 4;
    const size_t bodySize = size - 4;
    const uint8_t* zero = static_cast<const uint8_t*>(std::memchr(body, 0, bodySize));
    const size_t setSize = zero ? static_cast<size_t>(zero - body) : bodySize;
    const std::vector<unsigned short> set = FuzzUnits(body, setSize);
    const std::vector<unsigned short> text =
        zero ? FuzzUnits(zero + 1, bodySize - setSize - 1) : std::vector<unsigned short>();
    switch (data[0] % 4) {
    case 0: g_parsers->base.Run(data, set, text); break;
    case 1: g_parsers->assembly.Run(data, set, text); break;
    case 2: g_parsers->hlsl.Run(data, set, text); break;
    case 3: g_parsers->glsl.Run(data, set, text); break;
    }
    return 0;
}
